// The place picker: a known site found by a part of its name, or another site of the
// inspectorate from the list, or the name of a new one.
#include "platform/DialogTemplate.h"
#include "res/CommonPageIds.h"

namespace {

const DialogTemplate& kChoosePlace = RegisterDialogTemplate({IDD_CHOOSE_PLACE, "Избор на място", {300, 258}, {
    // The two modes first, so that they form one group (the labels start groups of their own).
    RadioButton(2568, "Търсене на място", {7, 7, 200, 10}).Group(),
    RadioButton(2569, "Въвеждане на ново място\n[избира се от списъка, ако не присъства се изписва вполето отдолу]:",
                {7, 172, 286, 18}, BS_MULTILINE),
    Label(2570, "Критерий за търсене:", {19, 24, 82, 8}),
    Edit(2527, {104, 22, 136, 13}),
    Button(2533, "Намери", {245, 21, 48, 15}),
    Label(2571, "Открити места:", {19, 42, 160, 8}),
    CustomControl("MFCGridCtrl", 2566, {19, 52, 274, 112}, WS_TABSTOP | WS_BORDER),
    Label(2572, "Име на новото място:", {19, 198, 82, 8}),
    ComboBox(2493, {104, 196, 189, 160}, CBS_DROPDOWNLIST | WS_VSCROLL),
    Edit(2004, {104, 214, 189, 13}),
    DefPushButton(IDOK, "Продължи", {185, 237, 52, 15}),
    Button(IDCANCEL, "Отказ", {241, 237, 52, 15}),
}});

}  // namespace
