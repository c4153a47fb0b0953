#include "MessageBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>
#include <vector>

#include "Wnd.h"
#include "qt/GdiAccess.h"
#include "qt/WidgetAccess.h"

namespace {

MessageBoxHandler& HandlerSlot() {
    static MessageBoxHandler handler;
    return handler;
}

CString& AppName() {
    static CString name("Quorin");
    return name;
}

struct BoxButton {
    int id;
    const char* text;
    QMessageBox::ButtonRole role;
};

// The program's button texts, each with its mnemonic: Alt with the marked letter (Alt+Д,
// Alt+Н on a Bulgarian keyboard) presses the button.
std::vector<BoxButton> ButtonsOf(UINT type) {
    const BoxButton ok{IDOK, "&ОК", QMessageBox::AcceptRole}, cancel{IDCANCEL, "О&тказ", QMessageBox::RejectRole},
        abort{IDABORT, "&Прекъсни", QMessageBox::RejectRole}, retry{IDRETRY, "Опитай &пак", QMessageBox::AcceptRole},
        ignore{IDIGNORE, "&Игнорирай", QMessageBox::AcceptRole}, yes{IDYES, "&Да", QMessageBox::YesRole},
        no{IDNO, "&Не", QMessageBox::NoRole}, again{IDRETRY, "Опитай &пак", QMessageBox::AcceptRole},
        proceed{IDCONTINUE, "П&родължи", QMessageBox::AcceptRole};
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {ok, cancel};
    case MB_ABORTRETRYIGNORE: return {abort, retry, ignore};
    case MB_YESNOCANCEL: return {yes, no, cancel};
    case MB_YESNO: return {yes, no};
    case MB_RETRYCANCEL: return {retry, cancel};
    case MB_CANCELTRYCONTINUE: return {cancel, again, proceed};
    default: return {ok};
    }
}

QMessageBox::Icon IconOf(UINT type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONASTERISK: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

// A box without Cancel (and not OK-only) cannot be closed by Esc or the close box: one
// of its buttons must be chosen.
class EscapeGuard : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) return true;
        if (event->type() == QEvent::Close) {
            event->ignore();
            return true;
        }
        return false;
    }
};

int DefaultMessageBox(const CString& text, const CString& caption, UINT type) {
    const std::vector<BoxButton> buttons = ButtonsOf(type);
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        std::fprintf(stderr, "%s: %s\n", caption.GetString(), text.GetString());
        return buttons.front().id;
    }
    // A window just closed counts as active until the window system says otherwise; a box
    // it owned would go with it.
    QWidget* owner = QApplication::activeWindow();
    if (!owner || !owner->isVisible()) owner = TopWidgetOf(AfxGetMainWnd());
    QMessageBox box(IconOf(type), ToQString(caption), ToQString(text), QMessageBox::NoButton, owner);
    box.setTextFormat(Qt::PlainText);
    std::vector<QPushButton*> pushButtons;
    for (const BoxButton& button : buttons) pushButtons.push_back(box.addButton(QString::fromUtf8(button.text), button.role));
    const size_t defaultIndex = (type & MB_DEFMASK) >> 8;
    box.setDefaultButton(pushButtons[defaultIndex < pushButtons.size() ? defaultIndex : 0]);
    EscapeGuard guard;
    QPushButton* escape = nullptr;
    for (size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i].id == IDCANCEL) escape = pushButtons[i];
    if (!escape && buttons.size() == 1) escape = pushButtons.front();
    if (escape)
        box.setEscapeButton(escape);
    else
        box.installEventFilter(&guard);
    // The box is answered with the normal pointer, even while a wait cursor is up.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    QApplication::restoreOverrideCursor();
    for (size_t i = 0; i < buttons.size(); ++i)
        if (box.clickedButton() == pushButtons[i]) return buttons[i].id;
    return escape ? buttons[static_cast<size_t>(std::find(pushButtons.begin(), pushButtons.end(), escape) - pushButtons.begin())].id
                  : buttons.front().id;
}

}  // namespace

int ShowMessageBox(LPCTSTR text, LPCTSTR caption, UINT type) {
    const CString shownCaption = (caption && *caption) ? CString(caption) : AppName();
    const CString shownText(text ? text : "");
    if (const MessageBoxHandler& handler = HandlerSlot()) return handler(shownText, shownCaption, type);
    return DefaultMessageBox(shownText, shownCaption, type);
}

int AfxMessageBox(LPCTSTR text, UINT type, UINT) { return ShowMessageBox(text, nullptr, type); }

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    MessageBoxHandler previous = std::move(HandlerSlot());
    HandlerSlot() = std::move(handler);
    return previous;
}

LPCTSTR AfxGetAppName() { return AppName(); }
void AfxSetAppName(LPCTSTR name) { AppName() = name ? name : ""; }
