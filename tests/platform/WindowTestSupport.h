#pragma once
// What the window tests share: answering and recording message boxes, running modal
// dialogs through the seam, typing and pasting into controls, registering test templates.
#include <deque>
#include <functional>
#include <vector>

#include <QString>

#include "platform/CString.h"
#include "platform/Dialog.h"
#include "platform/MessageBox.h"

// Records every message box while it lives and answers them in turn (IDOK once the
// answers run out).
class MessageBoxRecorder {
public:
    struct Box {
        CString text;
        CString caption;
        UINT type;
    };
    explicit MessageBoxRecorder(std::deque<int> answers = {});
    ~MessageBoxRecorder();
    std::vector<Box> boxes;

private:
    std::deque<int> m_answers;
    MessageBoxHandler m_previous;
};

// Runs the function for every modal dialog that DoModal opens while it lives.
class ModalScript {
public:
    explicit ModalScript(std::function<void(CDialog&)> script);
    ~ModalScript();

private:
    CDialog::ModalHook m_previous;
};

// Keys and text as the user gives them to the widget of a window (through the whole
// input path: PreTranslateMessage, the window's handlers, the widget).
void PressKey(CWnd* window, int qtKey, const QString& text = QString(), Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void TypeText(CWnd* window, const QString& text);
// Puts the text on the clipboard and presses Ctrl+V in the window.
void PasteText(CWnd* window, const QString& text);
void ClickAt(CWnd* window, CPoint clientPoint);
