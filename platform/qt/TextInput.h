#pragma once
// Edit widgets that accept only text the program can store: a character outside code page
// 1251 is dropped when typed, with a short notice at the field, and a pasted text holding one
// is refused with a message, never changed silently. They also keep the typing limit and the
// digits-only style of the window without ever cutting a text the program sets; a
// digits-only field that drops a typed character says so at the field too.
//
// Text comes in by two roads only, each through the window's handlers before the field's own
// checks: what is typed (keys, and what an input method commits) goes character by character
// as WM_CHAR; what is pasted (Ctrl+V, Shift+Ins, the context menu, a middle click on the
// selection) goes as WM_PASTE. The fields take no drops.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QString>
#include <optional>

// Characters of the text that code page 1251 cannot hold, each once, for a message.
QString UnstorableCharacters(const QString& text);
// Shows why a paste was refused; false when the text is acceptable.
bool RefuseUnstorablePaste(const QString& text, bool digitsOnly);

// What WM_CUT (onto the clipboard) and WM_CLEAR do to an edit widget: the selection, and only
// the selection, is taken out.
void TakeOutSelection(QWidget* edit, bool toClipboard);

// Most characters that may be typed into an edit widget (0: no limit of our own).
int TypingLimitOf(const QWidget* edit);
void SetTypingLimit(QWidget* edit, int maxChars);

// The road of a pasted text: the field's window gets WM_PASTE, whose handlers may refuse it;
// the message's default (InsertPasted) puts the text in through the field's own checks.
class PastedText {
public:
    virtual ~PastedText() = default;
    // What WM_PASTE does by default: inserts the text on its way, or the clipboard's when
    // the program sent the message itself.
    void InsertPasted();
    // The text on its way, or the clipboard's when the program sent WM_PASTE itself.
    QString TextToPaste() const;

protected:
    // The user's paste of `text` into `field`.
    void Paste(QWidget* field, const QString& text);
    // Inserts the text, refusing (with a message) what the field cannot take.
    virtual void InsertChecked(QString text) = 0;

private:
    std::optional<QString> m_onItsWay;
};

class CheckedLineEdit : public QLineEdit, public PastedText {
public:
    explicit CheckedLineEdit(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void InsertChecked(QString text) override;

private:
    bool DigitsOnly() const;
    // Whether a typed text is dropped; the field says why at the caret.
    bool RefusesTyped(const QString& typed);
};

class CheckedTextEdit : public QPlainTextEdit, public PastedText {
public:
    explicit CheckedTextEdit(QWidget* parent = nullptr);
    bool wantReturn = false;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    // Where every paste of the widget ends (keys, context menu, middle click).
    void insertFromMimeData(const QMimeData* source) override;
    void InsertChecked(QString text) override;

private:
    // Room under the typing limit for what replaces the selection. A line break counts as the
    // two characters the program reads it as, so that whatever the field takes passes the
    // field's length check when it is read.
    int RoomLeft() const;
};
