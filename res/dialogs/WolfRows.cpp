// The wolf pages' row dialogs: a prey species with its count, killed animals of a species by
// sex, a killed wolf, a trail's sizes and a scat.
#include "platform/DialogTemplate.h"
#include "res/WolfIds.h"

namespace {

constexpr DWORD kSpeciesList = CBS_DROPDOWNLIST | WS_VSCROLL;
constexpr DWORD kDigits = ES_NUMBER;

const DialogTemplate& kPrey = RegisterDialogTemplate({IDD_WOLF_PREY, "Жертви на вълка", {236, 84}, {
    Label(IDC_STATIC, "Вид на убитите животни:", {7, 7, 200, 8}),
    ComboBox(2625, {7, 17, 222, 160}, kSpeciesList),
    Label(IDC_STATIC, "Брой на убитите животни:", {7, 37, 100, 8}),
    Edit(2612, {110, 35, 30, 13}, kDigits),
    DefPushButton(IDOK, "Продължи", {117, 62, 54, 15}),
    Button(IDCANCEL, "Отказ", {175, 62, 54, 15}),
}});

const DialogTemplate& kPreyBySex = RegisterDialogTemplate({IDD_WOLF_PREY_BY_SEX, "Жертви на вълка", {236, 166}, {
    Label(IDC_STATIC, "Вид на убитите животни:", {7, 7, 200, 8}),
    ComboBox(2625, {7, 17, 222, 160}, kSpeciesList),
    GroupBox(IDC_STATIC, "Брой на убитите животни:", {7, 36, 222, 30}),
    Label(IDC_STATIC, "мъжки:", {15, 50, 30, 8}),
    Edit(2807, {48, 48, 30, 13}, kDigits),
    Label(IDC_STATIC, "женски:", {110, 50, 30, 8}),
    Edit(2615, {143, 48, 30, 13}, kDigits),
    Label(IDC_STATIC, "Описание:", {7, 72, 100, 8}),
    Edit(2806, {7, 82, 222, 56}, ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL),
    DefPushButton(IDOK, "Продължи", {117, 144, 54, 15}),
    Button(IDCANCEL, "Отказ", {175, 144, 54, 15}),
}});

const DialogTemplate& kKilled = RegisterDialogTemplate({IDD_WOLF_KILLED, "Добави убити вълци", {236, 180}, {
    GroupBox(IDC_STATIC, "Пол", {7, 7, 222, 26}),
    RadioButton(2403, "Мъжки", {15, 18, 50, 10}).Group(),
    RadioButton(2084, "Женски", {80, 18, 50, 10}),
    Label(IDC_STATIC, "Възраст:", {7, 42, 60, 8}).Group(),
    Edit(2722, {70, 40, 30, 13}, kDigits),
    Label(IDC_STATIC, "Тегло, (кг):", {7, 60, 60, 8}),
    Edit(2724, {70, 58, 30, 13}, kDigits),
    Label(IDC_STATIC, "Окраска", {7, 78, 60, 8}),
    Edit(2019, {70, 76, 159, 13}),
    GroupBox(IDC_STATIC, "Присъствие и развитие на ноктите на първия пръст", {7, 96, 222, 56}),
    Label(IDC_STATIC, "Преден крак:", {15, 112, 60, 8}),
    RadioButton(2404, "Да", {80, 112, 35, 10}).Group(),
    RadioButton(2786, "Не", {120, 112, 35, 10}),
    Label(IDC_STATIC, "Заден крак:", {15, 132, 60, 8}).Group(),
    RadioButton(2405, "Да", {80, 132, 35, 10}).Group(),
    RadioButton(2787, "Не", {120, 132, 35, 10}),
    DefPushButton(IDOK, "Продължи", {117, 158, 54, 15}).Group(),
    Button(IDCANCEL, "Отказ", {175, 158, 54, 15}),
}});

const DialogTemplate& kTrack = RegisterDialogTemplate({IDD_WOLF_TRACK, "Добави следа на вълк", {236, 136}, {
    GroupBox(IDC_STATIC, "Размер  на предните лапи", {7, 7, 222, 30}),
    Label(IDC_STATIC, "дължина (см):", {15, 21, 55, 8}),
    Edit(2408, {72, 19, 30, 13}, kDigits),
    Label(IDC_STATIC, "ширина (см):", {120, 21, 55, 8}),
    Edit(2020, {177, 19, 30, 13}, kDigits),
    GroupBox(IDC_STATIC, "Размер на задните лапи", {7, 43, 222, 30}),
    Label(IDC_STATIC, "дължина (см):", {15, 57, 55, 8}),
    Edit(2041, {72, 55, 30, 13}, kDigits),
    Label(IDC_STATIC, "ширина (см):", {120, 57, 55, 8}),
    Edit(2059, {177, 55, 30, 13}, kDigits),
    Label(IDC_STATIC, "Дължина на крачката (см):", {7, 85, 110, 8}),
    Edit(2081, {120, 83, 30, 13}, kDigits),
    DefPushButton(IDOK, "Продължи", {117, 114, 54, 15}),
    Button(IDCANCEL, "Отказ", {175, 114, 54, 15}),
}});

const DialogTemplate& kScat = RegisterDialogTemplate({IDD_WOLF_SCAT, "Добави екскременти на вълк", {236, 144}, {
    GroupBox(IDC_STATIC, "Размер", {7, 7, 222, 30}),
    Label(IDC_STATIC, "дължина (см):", {15, 21, 55, 8}),
    Edit(2731, {72, 19, 30, 13}, kDigits),
    Label(IDC_STATIC, "ширина (см):", {120, 21, 55, 8}),
    Edit(2013, {177, 19, 30, 13}, kDigits),
    Label(IDC_STATIC, "Цвят:", {7, 46, 75, 8}),
    Edit(2410, {85, 44, 144, 13}),
    Label(IDC_STATIC, "Козина(от какво):", {7, 64, 75, 8}),
    Edit(2411, {85, 62, 144, 13}),
    GroupBox(IDC_STATIC, "Кости", {7, 82, 222, 26}),
    RadioButton(2412, "Да", {15, 93, 35, 10}).Group(),
    RadioButton(2786, "Не", {60, 93, 35, 10}),
    DefPushButton(IDOK, "Продължи", {117, 122, 54, 15}).Group(),
    Button(IDCANCEL, "Отказ", {175, 122, 54, 15}),
}});

}  // namespace
