// One species found on the trial plot with the number of its fruit bodies.
#include "platform/DialogTemplate.h"
#include "res/FungusPageIds.h"

namespace {

const DialogTemplate& kFungusAddSpecies = RegisterDialogTemplate({IDD_FUNGUS_ADD_SPECIES, "Добави вид", {250, 72}, {
    Label(IDC_STATIC, "Установен вид:", {7, 12, 64, 8}),
    ComboBox(2625, {74, 10, 169, 160}, CBS_DROPDOWNLIST | WS_VSCROLL),
    Label(IDC_STATIC, "Брой плодни тела:", {7, 31, 64, 8}),
    Edit(2612, {74, 29, 40, 13}, ES_NUMBER),
    DefPushButton(IDOK, "Продължи", {131, 51, 54, 15}),
    Button(IDCANCEL, "Отказ", {189, 51, 54, 15}),
}});

}  // namespace
