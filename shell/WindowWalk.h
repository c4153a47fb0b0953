#pragma once
// Every window of the program shown once, as the program shows it, for a picture of each
// and for the check of their layout: each page of the view switch's table in the main
// window's right pane, inside a form that has the step (or in its mode when no form has
// it), and each registered dialog template that no page uses, opened by the dialog class
// that names it with the least state (REGISTER_DIALOG_CLASS), else as the bare template.
// A page or a dialog built later is walked without a change here.
#include <functional>

#include "platform/CString.h"
#include "platform/Wnd.h"

class CMainFrame;

struct ShownWindow {
    CString name;   // "1002-CCommonForm_01", "dialog-191-CDlg_Threats", "dialog-227"
    CString title;  // the step's or the dialog's caption
    CWnd* window;   // prepared and shown; nullptr when it would not open
};

// Needs the main window with a user logged in; message boxes go to the program's handler.
void WalkWindows(CMainFrame& frame, const std::function<void(const ShownWindow&)>& visit);
