// One point of a wolf route: the settlement with its EKATTE code, the place, the forestry
// units and park section, the compartment, the GPS position, the altitude and the exposure.
#include "platform/DialogTemplate.h"
#include "res/WolfIds.h"

namespace {

constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL;

const DialogTemplate& kRoute = RegisterDialogTemplate({IDD_WOLF_ROUTE, "Добави вълчи маршрут", {262, 236}, {
    Label(IDC_STATIC, "Населено място:", {7, 9, 62, 8}),
    ComboBox(2083, {72, 7, 183, 150}, kList),
    Label(IDC_STATIC, "ЕКАТТЕ:", {7, 27, 62, 8}),
    Edit(2548, {72, 25, 50, 13}, ES_READONLY),
    Label(IDC_STATIC, "Място:", {7, 45, 62, 8}),
    Edit(2018, {72, 43, 183, 13}),
    Label(IDC_STATIC, "ДДС:", {7, 63, 62, 8}),
    ComboBox(2558, {72, 61, 183, 100}, kList),
    Label(IDC_STATIC, "ДЛ:", {7, 81, 62, 8}),
    ComboBox(2557, {72, 79, 183, 100}, kList),
    Label(IDC_STATIC, "ПУ:", {7, 99, 62, 8}),
    ComboBox(2666, {72, 97, 183, 100}, kList),
    Label(IDC_STATIC, "Отдел:", {7, 117, 62, 8}),
    Edit(2560, {72, 115, 40, 13}),
    Label(IDC_STATIC, "Подотдел:", {132, 117, 42, 8}),
    Edit(2008, {176, 115, 40, 13}),
    GroupBox(IDC_STATIC, "GPS координати", {7, 134, 248, 50}),
    Label(IDC_STATIC, "Longitude (дължина):", {15, 148, 80, 8}),
    Edit(2443, {98, 146, 100, 13}, ES_READONLY),
    Label(IDC_STATIC, "Latitude (ширина):", {15, 166, 80, 8}),
    Edit(2025, {98, 164, 100, 13}, ES_READONLY),
    Button(2631, "Точка", {205, 155, 44, 15}),
    Label(IDC_STATIC, "Надморска \nвисочина:", {7, 191, 62, 18}),
    Edit(2559, {72, 193, 40, 13}, ES_NUMBER),
    Label(IDC_STATIC, "Изложение:", {132, 195, 42, 8}),
    ComboBox(2460, {176, 193, 79, 100}, kList),
    DefPushButton(IDOK, "Продължи", {147, 215, 52, 15}),
    Button(IDCANCEL, "Отказ", {203, 215, 52, 15}),
}});

}  // namespace
