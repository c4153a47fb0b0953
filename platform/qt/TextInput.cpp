#include "TextInput.h"

#include <QAction>
#include <QRegularExpression>
#include <algorithm>
#include <climits>
#include <functional>
#include <memory>
#include <utility>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

#include "platform/Cp1251.h"
#include "platform/MessageBox.h"
#include "platform/qt/FieldNotice.h"
#include "platform/qt/WindowState.h"

namespace {

const char* const kLimitProperty = "quorin_limit";
const char* const kDigitsOnly = "Полето приема само цифри.";

bool Storable(const QString& text) { return cp1251::IsRepresentable(text.toUtf8().toStdString()); }

// Text a key types (not a control character such as Backspace or Enter).
bool IsTyped(const QString& text) {
    const QList<uint> codePoints = text.toUcs4();
    return !codePoints.isEmpty() &&
           std::all_of(codePoints.begin(), codePoints.end(), [](uint c) { return QChar::isPrint(c) || c == '\t'; });
}

// A key whose text a field would take but that types nothing (Alt+1): the field lets it go on
// to the windows around it, for their menus and mnemonics.
bool TypesNothing(const QKeyEvent& key) { return IsTyped(key.text()) && !CharacterOfKey(key); }

bool AllDigits(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// Whether a typed text holds a character the program cannot store; the field says so at
// the caret, and the typing goes on.
bool RefuseUnstorableTyped(QWidget* field, QPoint belowCaret, const QString& typed) {
    if (Storable(typed)) return false;
    ShowFieldNotice(field, belowCaret, "Знакът не може да бъде записан: " + UnstorableCharacters(typed));
    return true;
}

// Types what an input method commits, character by character as keys type it, through the
// window's WM_CHAR, whatever keys are held.
void TypeCommitted(QWidget* field, const QInputMethodEvent& event) {
    const QList<uint> committed = event.commitString().toUcs4();
    CWnd* wnd = PrimaryOf(field);
    for (const uint codePoint : committed) {
        if (wnd) {
            wnd->SendMessage(WM_CHAR, codePoint, MAKELPARAM(1, 0));
            continue;
        }
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                      QString::fromUcs4(reinterpret_cast<const char32_t*>(&codePoint), 1));
        QCoreApplication::sendEvent(field, &key);
    }
}

// Room left for typing or pasting under the limit, the selection being replaced.
int Room(const QWidget* edit, int length, int selected) {
    const int limit = TypingLimitOf(edit);
    return limit > 0 ? std::max(0, limit - (length - selected)) : INT_MAX;
}

// A text with every kind of line break ("\r\n", a lone "\r", the Unicode line and paragraph
// separators) as the "\n" a multi-line field holds: each is one line break there, read and
// stored as "\r\n", and counted so.
QString WithPlainLineBreaks(QString text) {
    text.replace("\r\n", "\n");
    for (const QChar lineBreak : {QChar(u'\r'), QChar(QChar::LineSeparator), QChar(QChar::ParagraphSeparator)})
        text.replace(lineBreak, u'\n');
    return text;
}

// Length of a multi-line text as the program reads and stores it: a line break is "\r\n".
int StoredLength(const QString& text) { return static_cast<int>(text.length() + text.count(u'\n')); }

// The longest start of a multi-line text whose stored length fits into `room`.
QString CutToRoom(QString text, int room) {
    int used = 0;
    qsizetype end = 0;
    for (; end < text.length(); ++end) {
        used += text[end] == u'\n' ? 2 : 1;
        if (used > room) break;
    }
    text.truncate(end);
    return text;
}

}  // namespace

QString UnstorableCharacters(const QString& text) {
    QStringList found;
    const QList<uint> codePoints = text.toUcs4();
    for (const uint cp : codePoints) {
        const QString ch = QString::fromUcs4(reinterpret_cast<const char32_t*>(&cp), 1);
        if (Storable(ch)) continue;
        const QString shown = QChar::isPrint(cp) ? ch : QString("U+%1").arg(cp, 4, 16, QChar('0')).toUpper();
        if (!found.contains(shown)) found << shown;
    }
    return found.join(' ');
}

bool RefuseUnstorablePaste(const QString& text, bool digitsOnly) {
    if (!Storable(text)) {
        CString message;
        message.Format("Текстът съдържа знаци, които програмата не може да запише: %s\nТекстът не е поставен.",
                       UnstorableCharacters(text).toUtf8().constData());
        AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
        return true;
    }
    if (digitsOnly && !AllDigits(text)) {
        AfxMessageBox(CString(kDigitsOnly) + " Текстът не е поставен.", MB_OK | MB_ICONEXCLAMATION);
        return true;
    }
    return false;
}

void PastedText::Paste(QWidget* field, const QString& text) {
    CWnd* wnd = PrimaryOf(field);
    if (!wnd) return InsertChecked(text);
    m_onItsWay = text;
    wnd->SendMessage(WM_PASTE);
    m_onItsWay.reset();
}

QString PastedText::TextToPaste() const { return m_onItsWay ? *m_onItsWay : QGuiApplication::clipboard()->text(); }

void PastedText::InsertPasted() { InsertChecked(TextToPaste()); }

void TakeOutSelection(QWidget* edit, bool toClipboard) {
    if (auto* line = qobject_cast<QLineEdit*>(edit); line && line->hasSelectedText() && !line->isReadOnly()) {
        toClipboard ? line->cut() : line->del();
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(edit); text && !text->isReadOnly()) {
        toClipboard ? text->cut() : text->textCursor().removeSelectedText();
    }
}

int TypingLimitOf(const QWidget* edit) { return edit ? edit->property(kLimitProperty).toInt() : 0; }
void SetTypingLimit(QWidget* edit, int maxChars) { edit->setProperty(kLimitProperty, std::max(0, maxChars)); }

// ---- single line ------------------------------------------------------------------------

CheckedLineEdit::CheckedLineEdit(QWidget* parent) : QLineEdit(parent) {
    setAcceptDrops(false);
    setMaxLength(INT_MAX);  // the program's limit is kept by TypingLimitOf; Qt's would cut set texts
}

bool CheckedLineEdit::DigitsOnly() const {
    const WindowState* state = WindowState::Of(this);
    return state && (state->style & ES_NUMBER);
}

void CheckedLineEdit::InsertChecked(QString text) {
    if (isReadOnly()) return;
    if (DigitsOnly()) text = text.trimmed();  // the blanks around a number go, as in a number field
    const int lineEnd = text.indexOf(QRegularExpression("[\r\n]"));
    if (lineEnd >= 0) text.truncate(lineEnd);  // one line fits into a single-line field
    if (text.isEmpty() || RefuseUnstorablePaste(text, DigitsOnly())) return;
    text.truncate(Room(this, this->text().length(), selectedText().length()));
    insert(text);
}

bool CheckedLineEdit::RefusesTyped(const QString& typed) {
    const QPoint belowCaret = mapToGlobal(cursorRect().bottomLeft());
    if (DigitsOnly() && !AllDigits(typed)) {
        // Said at the field, as the desktop's digits-only edits say it; the typing goes on.
        ShowFieldNotice(this, belowCaret, QString::fromUtf8(kDigitsOnly));
        return true;
    }
    return RefuseUnstorableTyped(this, belowCaret, typed) || Room(this, text().length(), selectedText().length()) < typed.length();
}

void CheckedLineEdit::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        if (!isReadOnly()) Paste(this, QGuiApplication::clipboard()->text());
        return;
    }
    if (TypesNothing(*event)) {
        event->ignore();
        return;
    }
    const QString typed = event->text();
    if (IsTyped(typed) && !isReadOnly() && RefusesTyped(typed)) {
        event->accept();  // dropped, as the other system's edit drops it
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CheckedLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (isReadOnly() || event->commitString().isEmpty()) return QLineEdit::inputMethodEvent(event);
    const QString before = text();
    const int caret = cursorPosition(), selected = selectionStart(), selectedLength = selectionLength();
    if (event->replacementStart() != 0 || event->replacementLength() != 0) {
        const int from = std::clamp(caret + event->replacementStart(), 0, static_cast<int>(before.length()));
        setSelection(from, std::min(event->replacementLength(), static_cast<int>(before.length()) - from));
    }
    TypeCommitted(this, *event);
    if (text() == before) {  // refused whole: the selection the commit made goes too
        if (selected >= 0) setSelection(selected, selectedLength);
        else setCursorPosition(caret);
    }
    QInputMethodEvent composing(event->preeditString(), event->attributes());
    QLineEdit::inputMethodEvent(&composing);
}

void CheckedLineEdit::contextMenuEvent(QContextMenuEvent* event) {
    std::unique_ptr<QMenu> menu(createStandardContextMenu());
    // Qt's own entries that change the text would change it past the window's handlers: the
    // paste unchecked, the cut and the delete (which a percent field judges) unseen. They are
    // known by what they are wired to (Qt names none of its entries), whichever way Qt wired
    // them, and go through the window as its messages, as the desktop's edit menu sends them.
    // The delete entry, wired inside Qt, is the one that follows the paste entry.
    const auto rewire = [this](QAction* action, const std::function<void()>& act) {
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        connect(action, &QAction::triggered, this, act);
    };
    // A field without a window of its own (a combo box's) does what the message does.
    const auto sendToWindow = [this](UINT message) {
        return [this, message] {
            if (CWnd* wnd = PrimaryOf(this)) wnd->SendMessage(message);
            else TakeOutSelection(this, message == WM_CUT);
        };
    };
    const QList<QAction*> actions = menu->actions();
    for (qsizetype i = 0; i < actions.size(); ++i) {
        QAction* action = actions[i];
        bool wiredToPaste = disconnect(action, &QAction::triggered, this, &QLineEdit::paste);
        wiredToPaste = disconnect(action, SIGNAL(triggered()), this, SLOT(paste())) || wiredToPaste;
        bool wiredToCut = disconnect(action, &QAction::triggered, this, &QLineEdit::cut);
        wiredToCut = disconnect(action, SIGNAL(triggered()), this, SLOT(cut())) || wiredToCut;
        if (wiredToCut) rewire(action, sendToWindow(WM_CUT));
        if (!wiredToPaste) continue;
        rewire(action, [this] { Paste(this, QGuiApplication::clipboard()->text()); });
        if (i + 1 < actions.size() && !actions[i + 1]->isSeparator()) rewire(actions[i + 1], sendToWindow(WM_CLEAR));
    }
    menu->exec(event->globalPos());
}

void CheckedLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    // A middle click pastes the selection (X11): Qt's own paste of it would insert unchecked.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        if (!isReadOnly()) {
            deselect();
            Paste(this, QGuiApplication::clipboard()->text(QClipboard::Selection));
        }
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

// ---- multi-line -------------------------------------------------------------------------

CheckedTextEdit::CheckedTextEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setAcceptDrops(false);
    setTabChangesFocus(true);
}

void CheckedTextEdit::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !wantReturn && !(event->modifiers() & Qt::ControlModifier)) {
        event->ignore();  // the dialog's default button takes Enter
        return;
    }
    if (TypesNothing(*event)) {
        event->ignore();
        return;
    }
    const QString typed = enter ? QString("\n") : event->text();
    const bool plainEnter = enter && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if ((plainEnter || IsTyped(typed)) && !isReadOnly()) {
        if (RefuseUnstorableTyped(this, viewport()->mapToGlobal(cursorRect().bottomLeft()), typed) ||
            RoomLeft() < StoredLength(typed)) {
            event->accept();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CheckedTextEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (isReadOnly() || event->commitString().isEmpty()) return QPlainTextEdit::inputMethodEvent(event);
    const QString before = toPlainText();
    const QTextCursor caret = textCursor();
    if (event->replacementStart() != 0 || event->replacementLength() != 0) {
        QTextCursor replaced = caret;
        const int length = static_cast<int>(before.length());
        const int from = std::clamp(caret.position() + event->replacementStart(), 0, length);
        replaced.setPosition(from);
        replaced.setPosition(std::min(from + event->replacementLength(), length), QTextCursor::KeepAnchor);
        setTextCursor(replaced);
    }
    TypeCommitted(this, *event);
    if (toPlainText() == before) setTextCursor(caret);  // refused whole: the selection made for it goes
    QInputMethodEvent composing(event->preeditString(), event->attributes());
    QPlainTextEdit::inputMethodEvent(&composing);
}

bool CheckedTextEdit::canInsertFromMimeData(const QMimeData* source) const { return source->hasText(); }

void CheckedTextEdit::insertFromMimeData(const QMimeData* source) { Paste(this, source->text()); }

void CheckedTextEdit::InsertChecked(QString text) {
    if (isReadOnly()) return;
    text = WithPlainLineBreaks(std::move(text));
    if (text.isEmpty() || RefuseUnstorablePaste(text, false)) return;
    insertPlainText(CutToRoom(text, RoomLeft()));
}

int CheckedTextEdit::RoomLeft() const {
    const QTextCursor cursor = textCursor();
    const QString text = toPlainText();
    const QString selected = text.mid(cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart());
    return Room(this, StoredLength(text), StoredLength(selected));
}
