// The row dialogs of the bat pages.
#include "platform/DialogTemplate.h"
#include "res/BatIds.h"

namespace {

constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL;
constexpr DWORD kCount = ES_NUMBER | ES_RIGHT;

const DialogTemplate& kChoice = RegisterDialogTemplate({IDD_BAT_CHOICE, "Избор", {176, 96}, {
    GroupBox(IDC_STATIC, "Използвани методи.", {7, 7, 162, 64}),
    CheckBox(2637, "1. Проверка на къщичките", {15, 20, 150, 10}),
    CheckBox(2638, "2. Улов с мрежи за прилепи", {15, 32, 150, 10}),
    CheckBox(2639, "3. Ултразвуков детектор", {15, 44, 150, 10}),
    CheckBox(2640, "4. Косвени данни", {15, 56, 150, 10}),
    DefPushButton(IDOK, "Продължи", {57, 76, 54, 15}).Group(),
    Button(IDCANCEL, "Отказ", {115, 76, 54, 15}),
}});

const DialogTemplate& kOtherSpecies = RegisterDialogTemplate({IDD_BAT_OTHER_SPECIES, "Установен друг вид", {196, 134}, {
    Label(IDC_STATIC, "Вид:", {7, 10, 60, 8}),
    ComboBox(2599, {69, 7, 120, 120}, kList),
    GroupBox(IDC_STATIC, "Използвани методи.", {7, 26, 182, 64}),
    CheckBox(2582, "1. Проверка на къщичките", {15, 39, 150, 10}),
    CheckBox(2583, "2. Улов с мрежи за прилепи", {15, 51, 150, 10}),
    CheckBox(2584, "3. Ултразвуков детектор", {15, 63, 150, 10}),
    CheckBox(2585, "4. Косвени данни", {15, 75, 150, 10}),
    Label(IDC_STATIC, "Обща численост:", {7, 99, 60, 8}),
    Edit(2612, {69, 96, 40, 13}, kCount),
    DefPushButton(IDOK, "Продължи", {77, 114, 54, 15}).Group(),
    Button(IDCANCEL, "Отказ", {135, 114, 54, 15}),
}});

const DialogTemplate& kHouseAdd = RegisterDialogTemplate({IDD_BAT_HOUSE_ADD, "Добавяне на къщичка за прилепи", {216, 68}, {
    Label(IDC_STATIC, "Номер на къщичката:", {7, 10, 90, 8}),
    Edit(2648, {99, 7, 110, 13}),
    Label(IDC_STATIC, "Състояние на къщичката:", {7, 28, 90, 8}),
    ComboBox(2493, {99, 25, 110, 80}, kList),
    DefPushButton(IDOK, "Продължи", {97, 47, 54, 15}).Group(),
    Button(IDCANCEL, "Отказ", {155, 47, 54, 15}),
}});

const DialogTemplate& kHouseSpecies = RegisterDialogTemplate({IDD_BAT_HOUSE_SPECIES, "Видове за избраната къщичка", {216, 68}, {
    Label(IDC_STATIC, "Наблюдаван вид:", {7, 10, 70, 8}),
    ComboBox(2599, {79, 7, 130, 120}, kList),
    Label(IDC_STATIC, "Брой индивиди:", {7, 28, 70, 8}),
    Edit(2612, {79, 25, 40, 13}, kCount),
    DefPushButton(IDOK, "Продължи", {97, 47, 54, 15}).Group(),
    Button(IDCANCEL, "Отказ", {155, 47, 54, 15}),
}});

const DialogTemplate& kAddSpecies = RegisterDialogTemplate({IDD_BAT_ADD_SPECIES, "Добави вид", {216, 146}, {
    Label(IDC_STATIC, "Вид:", {7, 10, 60, 8}),
    ComboBox(2599, {69, 7, 140, 120}, kList),
    GroupBox(IDC_STATIC, "Използвани методи.", {7, 26, 202, 76}),
    CheckBox(2582, "1. Пряко наблюдение", {15, 39, 186, 10}),
    CheckBox(2583, "2. Преброяване по снимка", {15, 51, 186, 10}),
    CheckBox(2584, "3. Мрежи за прилепи", {15, 63, 186, 10}),
    CheckBox(2585, "4. Комбинирано", {15, 75, 186, 10}),
    CheckBox(2586, "5. Косвени данни", {15, 87, 186, 10}),
    Label(IDC_STATIC, "Обща численост:", {7, 111, 60, 8}),
    Edit(2612, {69, 108, 40, 13}, kCount),
    DefPushButton(IDOK, "Продължи", {97, 126, 54, 15}).Group(),
    Button(IDCANCEL, "Отказ", {155, 126, 54, 15}),
}});

}  // namespace
