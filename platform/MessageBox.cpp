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

// Every box of the program labels its buttons from this one table.
constexpr MessageBoxButton kButtons[] = {
    {IDOK, "&ОК"}, {IDCANCEL, "О&тказ"}, {IDABORT, "&Прекъсни"}, {IDRETRY, "&Опитай пак"}, {IDIGNORE, "&Игнорирай"},
    {IDYES, "&Да"}, {IDNO, "&Не"}, {IDCONTINUE, "П&родължи"},
};

// Where the box places the button, by what it answers.
QMessageBox::ButtonRole RoleOf(int id) {
    switch (id) {
    case IDYES: return QMessageBox::YesRole;
    case IDNO: return QMessageBox::NoRole;
    case IDCANCEL:
    case IDABORT: return QMessageBox::RejectRole;
    default: return QMessageBox::AcceptRole;
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
    const std::vector<MessageBoxButton> buttons = MessageBoxButtons(type);
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
    for (const MessageBoxButton& button : buttons)
        pushButtons.push_back(box.addButton(QString::fromUtf8(button.text), RoleOf(button.id)));
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

std::vector<MessageBoxButton> MessageBoxButtons(UINT type) {
    std::vector<int> ids;
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: ids = {IDOK, IDCANCEL}; break;
    case MB_ABORTRETRYIGNORE: ids = {IDABORT, IDRETRY, IDIGNORE}; break;
    case MB_YESNOCANCEL: ids = {IDYES, IDNO, IDCANCEL}; break;
    case MB_YESNO: ids = {IDYES, IDNO}; break;
    case MB_RETRYCANCEL: ids = {IDRETRY, IDCANCEL}; break;
    case MB_CANCELTRYCONTINUE: ids = {IDCANCEL, IDRETRY, IDCONTINUE}; break;
    default: ids = {IDOK}; break;
    }
    std::vector<MessageBoxButton> buttons;
    for (const int id : ids) buttons.push_back({id, MessageBoxButtonText(id)});
    return buttons;
}

LPCTSTR MessageBoxButtonText(int id) {
    for (const MessageBoxButton& button : kButtons)
        if (button.id == id) return button.text;
    return "";
}

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
