#include "FieldNotice.h"

#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QToolTip>
#include <QWindow>
#include <algorithm>

namespace {

constexpr int kShownMs = 5000;
constexpr int kGapBelowCaret = 2;

class FieldNotice : public QLabel {
public:
    explicit FieldNotice(QWidget* window)
        : QLabel(window, Qt::ToolTip | Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus) {
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        // Drawn as the desktop draws a tip.
        setPalette(QToolTip::palette());
        setFont(QToolTip::font());
        setForegroundRole(QPalette::ToolTipText);
        setBackgroundRole(QPalette::ToolTipBase);
        setAutoFillBackground(true);
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setMargin(3);
        m_timer.setSingleShot(true);
        connect(&m_timer, &QTimer::timeout, this, &QWidget::hide);
    }

    void Show(QWidget* field, QPoint belowCaret, const QString& text) {
        if (m_field) m_field->removeEventFilter(this);
        m_field = field;
        field->installEventFilter(this);
        setText(text);
        adjustSize();
        QPoint at = belowCaret + QPoint(0, kGapBelowCaret);
        if (const QScreen* screen = field->screen()) {  // whole on the screen
            const QRect room = screen->availableGeometry();
            at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - width())));
            at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() - height())));
        }
        move(at);
        show();
        raise();
        // X11 lets the pointer through a window only when told so while it is shown.
        windowHandle()->setFlag(Qt::WindowTransparentForInput, false);
        windowHandle()->setFlag(Qt::WindowTransparentForInput, true);
        m_timer.start(kShownMs);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_field && (event->type() == QEvent::FocusOut || event->type() == QEvent::Hide)) hide();
        return false;
    }

private:
    QPointer<QWidget> m_field;
    QTimer m_timer;
};

// One notice at a time; it belongs to the window of its field and goes with it.
QPointer<FieldNotice>& Current() {
    static QPointer<FieldNotice> notice;
    return notice;
}

}  // namespace

void ShowFieldNotice(QWidget* field, QPoint belowCaret, const QString& text) {
    QPointer<FieldNotice>& notice = Current();
    if (notice && notice->parentWidget() != field->window()) delete notice.data();
    if (!notice) notice = new FieldNotice(field->window());
    notice->Show(field, belowCaret, text);
}

void HideFieldNotice() {
    if (Current()) Current()->hide();
}

const QLabel* ShownFieldNotice() { return Current() && Current()->isVisible() ? Current().data() : nullptr; }
