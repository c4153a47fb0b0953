#pragma once
// Services of the desktop: opening documents and links with the user's programs, and the
// clipboard's text.
#include <functional>

#include "CString.h"
#include "WinDefs.h"

// Error codes of ShellExecute (a result of 32 or less).
constexpr int SE_ERR_OOM = 8;
constexpr int SE_ERR_FNF = 2;           // file not found
constexpr int SE_ERR_PNF = 3;           // folder not found
constexpr int SE_ERR_ACCESSDENIED = 5;
constexpr int SE_ERR_NOASSOC = 31;      // no program for it
constexpr int HINSTANCE_ERROR = 32;

// Opens a web or mail address (a text starting with "www." counts as a web address) or a
// file (relative to `directory` when given) with the program the desktop chooses for it. The
// verb, parameters and show command are accepted for the program's code and not needed here.
// Returns a value above 32 on success, else one of the error codes above.
std::intptr_t ShellExecute(HWND owner, LPCTSTR verb, LPCTSTR target, LPCTSTR parameters, LPCTSTR directory,
                           int showCommand);

// Replaces the desktop's opener (tests): it receives the address to open ("file:///..." for
// files) and answers whether that worked. An empty function restores the desktop.
void SetDesktopOpener(std::function<bool(const CString& url)> opener);

// Clipboard formats.
constexpr UINT CF_TEXT = 1;
constexpr UINT CF_UNICODETEXT = 13;

// TRUE when the clipboard holds text (CF_TEXT, CF_UNICODETEXT).
BOOL IsClipboardFormatAvailable(UINT format);
// Puts the text on the clipboard; it stays there after the window that copied it is gone.
BOOL SetClipboardText(const CString& text);
CString GetClipboardText();  // empty when the clipboard holds no text
