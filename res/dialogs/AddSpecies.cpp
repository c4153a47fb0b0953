// The picker of one accompanying species.
#include "platform/DialogTemplate.h"
#include "res/HerpPageIds.h"

namespace {

const DialogTemplate& kAddSpecies = RegisterDialogTemplate({IDD_ADD_SPECIES, "Добави вид", {236, 54}, {
    Label(IDC_STATIC, "Вид:", {7, 12, 24, 8}),
    ComboBox(2625, {34, 10, 195, 160}, CBS_DROPDOWNLIST | WS_VSCROLL),
    DefPushButton(IDOK, "Продължи", {117, 33, 54, 15}),
    Button(IDCANCEL, "Отказ", {175, 33, 54, 15}),
}});

}  // namespace
