#include "WindowImage.h"

#include <QPixmap>
#include <QString>
#include <QWidget>

#include "qt/WidgetAccess.h"

BOOL SaveWindowImage(const CWnd* window, LPCTSTR path) {
    QWidget* widget = TopWidgetOf(window);
    if (!widget || !path) return FALSE;
    return widget->grab().save(QString::fromUtf8(path));
}
