// The row dialogs of the moss pages 15 and 17.
#include "platform/DialogTemplate.h"
#include "res/MossPageIds.h"

namespace {

const DialogTemplate& kAddTuft = RegisterDialogTemplate({IDD_MOSS_ADD_TUFT, "Добави чимче", {200, 96}, {
    Label(IDC_STATIC, "Площ на чимчето(кв.см)", {7, 7, 186, 8}),
    Edit(2475, {7, 17, 60, 13}),
    Label(2778, "Присъствие на архегониеносци", {7, 40, 186, 8}),
    ComboBox(2493, {7, 50, 80, 60}, CBS_DROPDOWNLIST | WS_VSCROLL),
    DefPushButton(IDOK, "Продължи", {81, 74, 54, 15}),
    Button(IDCANCEL, "Отказ", {139, 74, 54, 15}),
}});

}  // namespace
