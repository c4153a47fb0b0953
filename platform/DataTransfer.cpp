#include "DataTransfer.h"

#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QPointer>

#include "Desktop.h"
#include "qt/GdiAccess.h"
#include "qt/TextInput.h"
#include "qt/WidgetAccess.h"
#include "qt/WindowState.h"

namespace {

COleDataSource::DragHook& DragHookSlot() {
    static COleDataSource::DragHook hook;
    return hook;
}

Qt::DropActions ToQtActions(DROPEFFECT effects) {
    Qt::DropActions actions;
    if (effects & DROPEFFECT_COPY) actions |= Qt::CopyAction;
    if (effects & DROPEFFECT_MOVE) actions |= Qt::MoveAction;
    return actions;
}

DROPEFFECT FromQtAction(Qt::DropAction action) {
    switch (action) {
    case Qt::CopyAction: return DROPEFFECT_COPY;
    case Qt::MoveAction:
    case Qt::TargetMoveAction: return DROPEFFECT_MOVE;
    default: return DROPEFFECT_NONE;
    }
}

DROPEFFECT EffectsOf(Qt::DropActions actions) {
    return (actions & Qt::CopyAction ? DROPEFFECT_COPY : 0) | (actions & Qt::MoveAction ? DROPEFFECT_MOVE : 0);
}

COleDataObject DataOf(const QMimeData* mime) {
    if (mime == nullptr || !mime->hasText()) return COleDataObject();
    return COleDataObject(FromQString(mime->text()));
}

}  // namespace

// ---- data source and data object ------------------------------------------------------------

BOOL COleDataSource::SetClipboard() const { return SetClipboardText(m_text); }

DROPEFFECT COleDataSource::DoDragDrop(DROPEFFECT allowed) const {
    if (DragHookSlot()) return DragHookSlot()(m_text, allowed) & allowed;
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (app == nullptr) return DROPEFFECT_NONE;
    auto* drag = new QDrag(app);  // the drag deletes itself when it is over
    auto* mime = new QMimeData;
    mime->setText(ToQString(m_text));
    drag->setMimeData(mime);
    return FromQtAction(drag->exec(ToQtActions(allowed), Qt::MoveAction)) & allowed;
}

COleDataSource::DragHook COleDataSource::SetDragHook(DragHook hook) {
    DragHook previous = std::move(DragHookSlot());
    DragHookSlot() = std::move(hook);
    return previous;
}

BOOL COleDataObject::AttachClipboard() {
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (app == nullptr) return FALSE;
    *this = DataOf(QGuiApplication::clipboard()->mimeData());
    return TRUE;
}

BOOL COleDataObject::IsDataAvailable(UINT format) const {
    return (format == CF_TEXT || format == CF_UNICODETEXT) && m_text.has_value();
}

BOOL RefuseUnstorableText(const CString& text) { return RefuseUnstorablePaste(ToQString(text), false) ? TRUE : FALSE; }

CString UnstorableCharactersOf(const CString& text) { return FromQString(UnstorableCharacters(ToQString(text))); }

// ---- drop target ------------------------------------------------------------------------------

// Turns the drag events of the window's client widget into the target's calls.
struct COleDropTarget::Filter : QObject {
    Filter(COleDropTarget* target, CWnd* window, QWidget* client) : target(target), window(window), client(client) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != client || target == nullptr) return false;
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            COleDataObject data = DataOf(drag->mimeData());
            const DWORD keys = MouseFlags(drag->buttons(), drag->modifiers());
            const QPoint at = drag->position().toPoint();
            const CPoint point(at.x(), at.y());
            DROPEFFECT effect = event->type() == QEvent::DragEnter ? target->OnDragEnter(window, &data, keys, point)
                                                                   : target->OnDragOver(window, &data, keys, point);
            effect &= EffectsOf(drag->possibleActions());
            if (effect == DROPEFFECT_NONE) {
                drag->setDropAction(Qt::IgnoreAction);
                drag->ignore();
            } else {
                drag->setDropAction(effect & DROPEFFECT_MOVE ? Qt::MoveAction : Qt::CopyAction);
                drag->accept();
            }
            lastEffect = effect;
            return true;
        }
        case QEvent::DragLeave:
            target->OnDragLeave(window);
            return true;
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            COleDataObject data = DataOf(drop->mimeData());
            const QPoint at = drop->position().toPoint();
            const DROPEFFECT effect = lastEffect;
            if (effect != DROPEFFECT_NONE && target->OnDrop(window, &data, effect, CPoint(at.x(), at.y()))) {
                drop->setDropAction(effect & DROPEFFECT_MOVE ? Qt::MoveAction : Qt::CopyAction);
                drop->accept();
            } else {
                drop->ignore();
            }
            return true;
        }
        default:
            return false;
        }
    }

    COleDropTarget* target;
    CWnd* window;
    QPointer<QWidget> client;
    DROPEFFECT lastEffect = DROPEFFECT_NONE;
};

COleDropTarget::COleDropTarget() = default;
COleDropTarget::~COleDropTarget() { Revoke(); }

BOOL COleDropTarget::Register(CWnd* window) {
    QWidget* client = WidgetOf(window);
    if (client == nullptr || m_filter != nullptr) return FALSE;
    m_filter = std::make_unique<Filter>(this, window, client);
    client->installEventFilter(m_filter.get());
    client->setAcceptDrops(true);
    return TRUE;
}

void COleDropTarget::Revoke() {
    if (m_filter == nullptr) return;
    if (QWidget* client = m_filter->client) {
        client->removeEventFilter(m_filter.get());
        client->setAcceptDrops(false);
    }
    m_filter.reset();
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint) { return DROPEFFECT_NONE; }
DROPEFFECT COleDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint) { return DROPEFFECT_NONE; }
void COleDropTarget::OnDragLeave(CWnd*) {}
BOOL COleDropTarget::OnDrop(CWnd*, COleDataObject*, DROPEFFECT, CPoint) { return FALSE; }
DROPEFFECT COleDropTarget::OnDragScroll(CWnd*, DWORD, CPoint) { return DROPEFFECT_NONE; }
