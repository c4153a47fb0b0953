// The older form chooser: species types on top, their forms below.
#include "platform/DialogTemplate.h"
#include "platform/ListCtrl.h"
#include "res/ListPageIds.h"

namespace {

const DialogTemplate& kOldChooseForm = RegisterDialogTemplate({IDD_OLD_CHOOSE_FORM, "", {372, 250}, {
    Label(2005, "Избор на форма.", {7, 7, 250, 14}),
    CustomControl("SysListView32", 2002, {7, 26, 358, 96}, LVS_REPORT | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP),
    CustomControl("SysListView32", 2001, {7, 128, 358, 96}, LVS_REPORT | LVS_SINGLESEL | WS_BORDER | WS_TABSTOP),
    Button(2525, "Продължи >>", {307, 230, 58, 15}).Disabled(),
}});

}  // namespace
