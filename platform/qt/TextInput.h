#pragma once
// Edit widgets that accept only text the program can store: a character outside code page
// 1251 is dropped when typed, with a short notice at the field, and a pasted text holding one
// is refused with a message, never changed silently. They also keep the typing limit and the
// digits-only style of the window without ever cutting a text the program sets; a
// digits-only field that drops a typed character says so at the field too.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QString>

// Characters of the text that code page 1251 cannot hold, each once, for a message.
QString UnstorableCharacters(const QString& text);
// Shows why a paste was refused; false when the text is acceptable.
bool RefuseUnstorablePaste(const QString& text, bool digitsOnly);

// Most characters that may be typed into an edit widget (0: no limit of our own).
int TypingLimitOf(const QWidget* edit);
void SetTypingLimit(QWidget* edit, int maxChars);

class CheckedLineEdit : public QLineEdit {
public:
    explicit CheckedLineEdit(QWidget* parent = nullptr);
    // The user's paste (Ctrl+V, Shift+Ins, the context menu): a WM_PASTE to the window of
    // this field, whose handlers may refuse it, else the paste itself.
    void PasteChecked();
    // Inserts the clipboard's first line, refusing (with a message) what the field cannot take.
    void InsertClipboardText();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool DigitsOnly() const;
    // Whether a typed text is dropped; the field says why at the caret.
    bool RefusesTyped(const QString& typed);
};

class CheckedTextEdit : public QPlainTextEdit {
public:
    explicit CheckedTextEdit(QWidget* parent = nullptr);
    bool wantReturn = false;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};
