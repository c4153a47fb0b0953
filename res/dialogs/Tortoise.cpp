// One tortoise seen: species, length, sex, habitat kind, how it was found, distance.
#include "platform/DialogTemplate.h"
#include "res/HerpPageIds.h"

namespace {

const DialogTemplate& kTortoise = RegisterDialogTemplate({IDD_TORTOISE, "Наблюдавана костенурка", {266, 146}, {
    Label(IDC_STATIC, "Вид:", {7, 9, 112, 8}),
    ComboBox(2625, {122, 7, 137, 100}, CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL),
    Label(IDC_STATIC, "Приблизителна дължина(см):", {7, 28, 112, 8}),
    Edit(2731, {122, 26, 30, 13}, ES_NUMBER),
    Label(IDC_STATIC, "Пол (само за над 10 см):", {7, 47, 112, 8}),
    RadioButton(2403, "М", {122, 47, 30, 10}).Group(),
    RadioButton(2787, "Ж", {157, 47, 30, 10}),
    Label(IDC_STATIC, "Вид местообитание:", {7, 66, 112, 8}).Group(),
    Edit(2535, {122, 64, 20, 13}, ES_NUMBER),
    Label(IDC_STATIC, "Как е открит:", {7, 85, 112, 8}),
    RadioButton(2446, "Видян", {122, 85, 40, 10}).Group(),
    RadioButton(2790, "Чут", {167, 85, 40, 10}),
    Label(IDC_STATIC, "Разстояние до обекта(м):", {7, 104, 112, 8}).Group(),
    Edit(2042, {122, 102, 30, 13}, ES_NUMBER),
    DefPushButton(IDOK, "Продължи", {147, 125, 54, 15}),
    Button(IDCANCEL, "Отказ", {205, 125, 54, 15}),
}});

}  // namespace
