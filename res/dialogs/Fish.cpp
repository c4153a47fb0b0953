// One fish measured: its lengths, weight, sex, maturity and a note.
#include "platform/DialogTemplate.h"
#include "res/FishIds.h"

namespace {

constexpr DWORD kDigits = ES_NUMBER;

const DialogTemplate& kFish = RegisterDialogTemplate({IDD_FISH, "Риби", {236, 170}, {
    Label(IDC_STATIC, "Стандартна дължина на тялото (мм):", {7, 9, 150, 8}),
    Edit(2417, {160, 7, 40, 13}, kDigits),
    Label(IDC_STATIC, "Абсолютна дължина на тялото (мм):", {7, 27, 150, 8}),
    Edit(2023, {160, 25, 40, 13}, kDigits),
    Label(IDC_STATIC, "Тегло (г):", {7, 45, 150, 8}),
    Edit(2724, {160, 43, 48, 13}, kDigits),
    GroupBox(IDC_STATIC, "Пол:", {7, 60, 100, 38}),
    RadioButton(2403, "Мъжки", {15, 72, 80, 10}).Group(),
    RadioButton(2092, "Женски", {15, 84, 80, 10}),
    Label(IDC_STATIC, "Степен на  съзряване:", {115, 64, 80, 8}).Group(),
    ComboBox(2416, {115, 76, 50, 100}, CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL).Items({"1", "2", "3", "4", "5", "6"}),
    Label(IDC_STATIC, "Бележки:", {7, 104, 100, 8}),
    Edit(2645, {7, 114, 222, 30}, ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL),
    DefPushButton(IDOK, "Продължи", {121, 150, 52, 15}),
    Button(IDCANCEL, "Отказ", {177, 150, 52, 15}),
}});

}  // namespace
