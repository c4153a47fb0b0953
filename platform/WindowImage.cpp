#include "WindowImage.h"

#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QString>
#include <QWidget>
#include <QWindow>

#include "GuiRuntime.h"
#include "qt/WidgetAccess.h"

BOOL SaveWindowImage(const CWnd* window, LPCTSTR path) {
    QWidget* widget = TopWidgetOf(window);
    if (!widget || !path) return FALSE;
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32).save(QString::fromUtf8(path));
}

BOOL SaveScreenImage(const CWnd* window, LPCTSTR path) {
    QWidget* widget = TopWidgetOf(window);
    if (!widget || !path || !widget->isVisible()) return FALSE;
    GuiRuntime::PumpMessages();
    QWidget* top = widget->window();
    const QRect area(widget->mapTo(top, QPoint(0, 0)), widget->size());
    const QPixmap shown = top->screen()->grabWindow(top->winId(), area.x(), area.y(), area.width(), area.height());
    return !shown.isNull() && shown.toImage().convertToFormat(QImage::Format_RGB32).save(QString::fromUtf8(path));
}

CSize ShownPictureSize(const CWnd* control) {
    const auto* label = qobject_cast<const QLabel*>(TopWidgetOf(control));
    if (!label) return {};
    const QPixmap picture = label->pixmap();
    return picture.isNull() ? CSize() : CSize(picture.width(), picture.height());
}
