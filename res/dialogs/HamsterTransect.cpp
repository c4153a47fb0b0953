// One 100-metre segment of a hamster transect: its GPS point (set through the coordinate
// dialog), seven habitat codes and the burrows found. The caption names the segment.
#include "platform/DialogTemplate.h"
#include "res/HamsterPageIds.h"

namespace {

constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;

const DialogTemplate& kTransect = RegisterDialogTemplate({IDD_HAMSTER_TRANSECT, "Трансект", {282, 236}, {
    GroupBox(IDC_STATIC, "GPS координати", {7, 7, 268, 48}),
    Label(IDC_STATIC, "Longitude (дължина):", {15, 21, 80, 8}),
    Edit(2443, {97, 19, 110, 13}, ES_READONLY),
    Label(IDC_STATIC, "Latitude (ширина):", {15, 37, 80, 8}),
    Edit(2025, {97, 35, 110, 13}, ES_READONLY),
    Button(2631, "Точка", {215, 26, 52, 15}),

    Label(IDC_STATIC, "Вид местообитание:", {7, 67, 100, 8}),
    ComboBox(2435, {109, 65, 166, 150}, kList),
    Label(IDC_STATIC, "Водоизточник:", {7, 85, 100, 8}),
    ComboBox(2436, {109, 83, 166, 150}, kList),
    Label(IDC_STATIC, "Обраствания:", {7, 103, 100, 8}),
    ComboBox(2437, {109, 101, 166, 150}, kList),
    Label(IDC_STATIC, "Степен на тревно покритие:", {7, 121, 100, 8}),
    ComboBox(2438, {109, 119, 166, 150}, kList),
    Label(IDC_STATIC, "Височина на тревата:", {7, 139, 100, 8}),
    ComboBox(2439, {109, 137, 166, 150}, kList),
    Label(IDC_STATIC, "Път:", {7, 157, 100, 8}),
    ComboBox(2440, {109, 155, 166, 150}, kList),
    Label(IDC_STATIC, "Постройки:", {7, 175, 100, 8}),
    ComboBox(2441, {109, 173, 166, 150}, kList),
    Label(IDC_STATIC, "Брой установени дупки:", {7, 195, 100, 8}),
    Edit(2442, {109, 193, 36, 13}, ES_NUMBER),

    DefPushButton(IDOK, "Продължи", {163, 215, 54, 15}),
    Button(IDCANCEL, "Отказ", {221, 215, 54, 15}),
}});

}  // namespace
