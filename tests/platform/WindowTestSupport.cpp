#include "tests/platform/WindowTestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "platform/qt/WidgetAccess.h"

MessageBoxRecorder::MessageBoxRecorder(std::deque<int> answers) : m_answers(std::move(answers)) {
    m_previous = SetMessageBoxHandler([this](const CString& text, const CString& caption, UINT type) {
        boxes.push_back({text, caption, type});
        if (m_answers.empty()) return IDOK;
        const int answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    });
}

MessageBoxRecorder::~MessageBoxRecorder() { SetMessageBoxHandler(std::move(m_previous)); }

ModalScript::ModalScript(std::function<void(CDialog&)> script) : m_previous(CDialog::SetModalHook(std::move(script))) {}

ModalScript::~ModalScript() { CDialog::SetModalHook(std::move(m_previous)); }

namespace {
// Keys go where the window's keyboard focus would go: its focus proxy, else the window.
QWidget* KeyTarget(CWnd* window) {
    QWidget* widget = TopWidgetOf(window);
    return widget && widget->focusProxy() ? widget->focusProxy() : widget;
}
}  // namespace

void PressKey(CWnd* window, int qtKey, const QString& text, Qt::KeyboardModifiers modifiers) {
    QWidget* target = KeyTarget(window);
    QKeyEvent press(QEvent::KeyPress, qtKey, modifiers, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, qtKey, modifiers, text);
    QCoreApplication::sendEvent(target, &release);
}

void TypeText(CWnd* window, const QString& text) {
    for (const uint codePoint : text.toUcs4()) {
        const QString typed = QString::fromUcs4(reinterpret_cast<const char32_t*>(&codePoint), 1);
        const uint upper = QChar::toUpper(codePoint);
        const bool latinOrDigit = (upper >= 'A' && upper <= 'Z') || (upper >= '0' && upper <= '9');
        PressKey(window, latinOrDigit ? static_cast<int>(upper) : Qt::Key_unknown, typed);
    }
}

void PasteText(CWnd* window, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    PressKey(window, Qt::Key_V, QString(QChar(0x16)), Qt::ControlModifier);
}

void ClickAt(CWnd* window, CPoint clientPoint) {
    QWidget* target = WidgetOf(window);
    const QPointF local(clientPoint.x, clientPoint.y);
    const QPointF global = target->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &release);
}
