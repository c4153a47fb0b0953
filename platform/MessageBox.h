#pragma once
// Message boxes. Every box of the program goes through one handler, which tests replace
// to answer and record them; the default handler shows a box with Bulgarian buttons.
#include <functional>
#include <vector>

#include "CString.h"
#include "WinDefs.h"

// A box with the application's title as caption; returns IDOK, IDYES, IDNO...
int AfxMessageBox(LPCTSTR text, UINT type = MB_OK, UINT helpId = 0);
// A box with its own caption (the application's title when empty), as the program's
// extended box asks for one.
int ShowMessageBox(LPCTSTR text, LPCTSTR caption, UINT type);

// A button of the program's boxes: its result and its text, whose marked letter with Alt
// presses it (Alt+Д, Alt+Н on a Bulgarian keyboard). No two buttons of a box share a letter.
struct MessageBoxButton {
    int id;
    LPCTSTR text;
};
// The buttons of an ordinary box of `type` (MB_OK ... MB_CANCELTRYCONTINUE), left to right.
std::vector<MessageBoxButton> MessageBoxButtons(UINT type);
// The text of the ordinary button `id` (IDOK ... IDCONTINUE); "" for another id.
LPCTSTR MessageBoxButtonText(int id);

using MessageBoxHandler = std::function<int(const CString& text, const CString& caption, UINT type)>;
// Installs the handler of every box (empty: the default box); returns the one before.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

// The application's title, the caption of message boxes ("Quorin" until set).
LPCTSTR AfxGetAppName();
void AfxSetAppName(LPCTSTR name);
