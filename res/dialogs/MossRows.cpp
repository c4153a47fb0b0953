// The row dialogs of the moss pages.
#include "platform/DialogTemplate.h"
#include "res/MossPageIds.h"

namespace {

const DialogTemplate& kAddSpecies = RegisterDialogTemplate({IDD_MOSS_ADD_SPECIES, "Добави вид", {250, 80}, {
    Label(IDC_STATIC, "Българско наименование:", {7, 9, 90, 8}),
    ComboBox(2458, {100, 7, 143, 160}, CBS_DROPDOWNLIST | WS_VSCROLL),
    Label(IDC_STATIC, "Латинско наименование:", {7, 30, 90, 8}),
    ComboBox(2459, {100, 28, 143, 160}, CBS_DROPDOWNLIST | WS_VSCROLL),
    DefPushButton(IDOK, "Продължи", {131, 58, 54, 15}),
    Button(IDCANCEL, "Отказ", {189, 58, 54, 15}),
}});

const DialogTemplate& kCompanion = RegisterDialogTemplate({IDD_MOSS_COMPANION, "Съпътстващи видове мъхове", {250, 60}, {
    Label(IDC_STATIC, "Научно име", {7, 7, 200, 8}),
    ComboBox(2469, {7, 17, 236, 160}, CBS_DROPDOWNLIST | WS_VSCROLL),
    Label(IDC_STATIC, "Общо проективно покритие на съпътстващите видове (в%):", {7, 36, 236, 8}).Hidden(),
    Edit(2471, {7, 46, 24, 13}, ES_NUMBER).Hidden(),
    DefPushButton(IDOK, "Продължи", {131, 38, 54, 15}),
    Button(IDCANCEL, "Отказ", {189, 38, 54, 15}),
}});

const DialogTemplate& kTuft = RegisterDialogTemplate({IDD_MOSS_TUFT, "Чимче", {200, 96}, {
    Label(IDC_STATIC, "Площ на чимчето(кв.см)", {7, 7, 186, 8}),
    Edit(2475, {7, 17, 60, 13}),
    Label(2778, "Присъствие/отсъствие на спороносна кутийка", {7, 40, 186, 8}),
    ComboBox(2493, {7, 50, 80, 60}, CBS_DROPDOWNLIST | WS_VSCROLL),
    DefPushButton(IDOK, "Продължи", {81, 74, 54, 15}),
    Button(IDCANCEL, "Отказ", {139, 74, 54, 15}),
}});

const DialogTemplate& kFallenTree = RegisterDialogTemplate({IDD_MOSS_FALLEN_TREE, "Паднали дървета", {300, 200}, {
    Label(IDC_STATIC, "Брой, диаметър и дължина на пънове (паднали дървета) с растяща върху тях Buxbaumia viridis:",
          {7, 7, 286, 18}),
    Label(IDC_STATIC, "Диаметър(см):", {7, 32, 150, 8}),
    Edit(2483, {160, 30, 50, 13}),
    Label(IDC_STATIC, "Дължина(м):", {7, 49, 150, 8}),
    Edit(2731, {160, 47, 50, 13}),
    Label(IDC_STATIC, "Присъствие на спорофити (брой):", {7, 66, 150, 8}),
    Edit(2046, {160, 64, 50, 13}, ES_NUMBER),
    Label(IDC_STATIC, "Степен на разлагане на пъновете:", {7, 83, 150, 8}),
    ComboBox(2482, {160, 81, 50, 60}, CBS_DROPDOWNLIST | WS_VSCROLL).Items({"1", "2", "3"}),
    GroupBox(IDC_STATIC, "Степени на разлагане на пъновете с Buxbaumia viridis", {7, 102, 286, 70}),
    Label(IDC_STATIC, "1 степен - гниеща кора, но все още твърда дървесина", {15, 116, 270, 8}),
    Label(IDC_STATIC, "2 степен - разрушена кора, гниеща дървесина, но с все още запазена структура",
          {15, 130, 270, 18}),
    Label(IDC_STATIC, "3 степен - стадий на деструкция на дървесината", {15, 154, 270, 8}),
    DefPushButton(IDOK, "Продължи", {181, 178, 54, 15}),
    Button(IDCANCEL, "Отказ", {239, 178, 54, 15}),
}});

const DialogTemplate& kTuftPosition = RegisterDialogTemplate({IDD_MOSS_TUFT_POSITION, "Разположение на мъховото чимче",
                                                               {260, 100}, {
    GroupBox(IDC_STATIC, "Разположение на мъховите чимчета", {7, 7, 246, 66}),
    Label(IDC_STATIC, "Разположение върху скалния блок:", {15, 22, 130, 8}),
    ComboBox(2490, {150, 20, 95, 100}, CBS_DROPDOWNLIST | WS_VSCROLL),
    Label(IDC_STATIC, "Изложение:", {15, 39, 130, 8}),
    ComboBox(2460, {150, 37, 95, 100}, CBS_DROPDOWNLIST | WS_VSCROLL),
    Label(IDC_STATIC, "Огряване/засенчване:", {15, 56, 130, 8}),
    ComboBox(2492, {150, 54, 95, 100}, CBS_DROPDOWNLIST | WS_VSCROLL),
    DefPushButton(IDOK, "Продължи", {141, 79, 54, 15}),
    Button(IDCANCEL, "Отказ", {199, 79, 54, 15}),
}});

}  // namespace
