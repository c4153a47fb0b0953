#pragma once
// Message boxes. Every box of the program goes through one handler, which tests replace
// to answer and record them; the default handler shows a box with Bulgarian buttons.
#include <functional>

#include "CString.h"
#include "WinDefs.h"

// A box with the application's title as caption; returns IDOK, IDYES, IDNO...
int AfxMessageBox(LPCTSTR text, UINT type = MB_OK, UINT helpId = 0);
// A box with its own caption (the application's title when empty), as the program's
// extended box asks for one.
int ShowMessageBox(LPCTSTR text, LPCTSTR caption, UINT type);

using MessageBoxHandler = std::function<int(const CString& text, const CString& caption, UINT type)>;
// Installs the handler of every box (empty: the default box); returns the one before.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

// The application's title, the caption of message boxes ("Quorin" until set).
LPCTSTR AfxGetAppName();
void AfxSetAppName(LPCTSTR name);
