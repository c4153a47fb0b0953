#include "ClientSurface.h"

#include <QEvent>
#include <QPainter>
#include <QPaintEvent>

#include <cstring>

namespace {

const char* NameOf(ClientSurface::Layer layer) {
    return layer == ClientSurface::Layer::Drawing ? "quorin-client-drawing" : "quorin-client-xor";
}

}  // namespace

ClientSurface::ClientSurface(QWidget* target, Layer layer) : QWidget(target), m_layer(layer) {
    setObjectName(NameOf(layer));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(target->rect());
    Reset();
    target->installEventFilter(this);
    Restack();
    hide();  // shown with its first content
}

ClientSurface* ClientSurface::Of(QWidget* target, Layer layer, bool create) {
    if (!target) return nullptr;
    auto* surface = target->findChild<ClientSurface*>(NameOf(layer), Qt::FindDirectChildrenOnly);
    if (!surface && create) surface = new ClientSurface(target, layer);  // owned by the target
    return surface;
}

void ClientSurface::DiscardDrawing(QWidget* target, const QRect& area, bool unshownOfTarget) {
    if (!target || area.isEmpty()) return;
    QList<ClientSurface*> surfaces = target->findChildren<ClientSurface*>(NameOf(Layer::Drawing));
    for (ClientSurface* surface : surfaces) {
        QWidget* owner = surface->parentWidget();
        const QPoint offset = owner == target ? QPoint() : owner->mapFrom(target, QPoint());
        surface->Clear(area.translated(offset), unshownOfTarget && owner == target);
    }
}

void ClientSurface::Reset() {
    const QSize size = parentWidget()->size().expandedTo(QSize(1, 1));
    if (m_layer == Layer::Drawing) {
        m_image = std::make_shared<QImage>(size, QImage::Format_ARGB32_Premultiplied);
        m_image->fill(Qt::transparent);
    } else {
        // Black is "no mark": exclusive-or with it leaves a pixel as it is.
        m_image = std::make_shared<QImage>(size, QImage::Format_RGB32);
        m_image->fill(Qt::black);
    }
}

void ClientSurface::Restack() {
    if (m_layer == Layer::Drawing) lower();
    else raise();
}

void ClientSurface::Clear(const QRect& area, bool unshownToo) {
    // Without a painter: a DC may be painting on the image right now.
    QRegion region(area.intersected(m_image->rect()));
    if (unshownToo) m_fresh -= region;
    else region -= m_fresh;
    for (const QRect& rect : region) {
        const size_t bytes = static_cast<size_t>(rect.width()) * 4;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            std::memset(m_image->scanLine(y) + static_cast<size_t>(rect.left()) * 4, 0, bytes);
    }
}

void ClientSurface::Changed(const QRect& area) {
    if (area.isEmpty()) return;
    if (m_layer == Layer::Drawing) m_fresh += area;
    if (isHidden()) show();
    update(area);
}

void ClientSurface::ChangedWhilePainting() {
    if (isHidden()) show();
}

void ClientSurface::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (m_layer == Layer::Xor) painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    for (const QRect& rect : event->region()) painter.drawImage(rect, *m_image, rect);
    m_fresh -= event->region();
}

bool ClientSurface::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget()) {
        if (event->type() == QEvent::Resize) {
            setGeometry(parentWidget()->rect());
            Reset();
            m_fresh = QRegion();
        } else if (event->type() == QEvent::ChildAdded) {
            Restack();
        }
    }
    return QWidget::eventFilter(watched, event);
}
