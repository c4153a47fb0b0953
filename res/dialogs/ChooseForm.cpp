// The species and form chooser. Its controls are laid out anew for the view's size; the
// positions below are where they start.
#include "platform/DialogTemplate.h"
#include "res/ShellIds.h"

namespace {

const DialogTemplate& kChooseForm = RegisterDialogTemplate({IDD_CHOOSE_FORM, "", {420, 260}, {
    Label(2003, "Избор на форма.", {7, 7, 200, 14}),
    Label(1384, "Обекти на мониторинг", {3, 26, 110, 8}),
    TreeControl(2472, {0, 36, 164, 160}, TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS | WS_BORDER),
    Label(2473, "Формуляри:", {170, 26, 80, 8}),
    ListBox(2001, {170, 36, 240, 160}, LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL | WS_BORDER),
    Label(2484, "", {166, 36, 3, 160}).Hidden(),
    Button(2581, "Продължи >>", {344, 236, 66, 15}),
}});

}  // namespace
