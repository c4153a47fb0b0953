#include "controls/LinkStaticOpenDialog.h"

#include <map>

IMPLEMENT_DYNAMIC(CLinkStatic_OpenDialog, CLinkStatic)

namespace {

std::map<int, CLinkStatic_OpenDialog::DialogOpener>& Openers() {
    static std::map<int, CLinkStatic_OpenDialog::DialogOpener> openers;
    return openers;
}

}  // namespace

void CLinkStatic_OpenDialog::RegisterDialog(int labelId, DialogOpener opener) {
    if (opener) Openers()[labelId] = std::move(opener);
    else Openers().erase(labelId);
}

BOOL CLinkStatic_OpenDialog::HasDialog(int labelId) { return Openers().count(labelId) != 0; }

void CLinkStatic_OpenDialog::OnLButtonDown(UINT, CPoint) {
    const auto found = Openers().find(GetDlgCtrlID());
    if (found == Openers().end()) return;
    // The dialog takes the mouse from here on.
    StopHover();
    const DialogOpener opener = found->second;  // the opener may re-register itself
    opener(GetParent());
}
