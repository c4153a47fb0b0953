#pragma once
// A link label that opens a dialog instead of an address: a left click runs the dialog
// registered for the label's control id (the registration and password dialogs of the
// login, the legend of a page). The window family that owns a dialog registers it, so that
// the label needs to know none of them.
#include <functional>

#include "controls/LinkStatic.h"

class CLinkStatic_OpenDialog : public CLinkStatic {
    DECLARE_DYNAMIC(CLinkStatic_OpenDialog)
public:
    // Runs the dialog modally and does what follows it; `labelParent` is the window the
    // label sits in.
    using DialogOpener = std::function<void(CWnd* labelParent)>;
    // Replaces what a click on a label with that id opens; an empty opener removes it.
    static void RegisterDialog(int labelId, DialogOpener opener);
    static BOOL HasDialog(int labelId);

protected:
    void OnLButtonDown(UINT flags, CPoint point) override;
    // The click opens no address.
    void OnClicked() override {}
};
