// The observers dialog: look an observer up by any part of the data, or register a new one.
#include "platform/DialogTemplate.h"
#include "res/UserDialogIds.h"

namespace {

const DialogTemplate& kPersons = RegisterDialogTemplate({IDD_PERSONS, "Лица извършили наблюденията", {430, 306}, {
    RadioButton(1379, "Търсене на наблюдател от базата данни", {7, 7, 200, 10}).Group(),
    RadioButton(1380, "Добавяне на нов наблюдател", {7, 19, 200, 10}),
    GroupBox(IDC_STATIC, "Наблюдател", {7, 34, 416, 66}).Group(),
    Label(IDC_STATIC, "Име:", {15, 50, 44, 8}),
    Edit(2552, {61, 48, 134, 13}),
    Label(IDC_STATIC, "Презиме:", {15, 66, 44, 8}),
    Edit(2007, {61, 64, 134, 13}),
    Label(IDC_STATIC, "Фамилия:", {15, 82, 44, 8}),
    Edit(2031, {61, 80, 134, 13}),
    Label(IDC_STATIC, "Електронна поща:", {205, 50, 70, 8}),
    Edit(2032, {277, 48, 138, 13}),
    Label(IDC_STATIC, "Институция:", {205, 66, 70, 8}),
    ComboBox(2522, {277, 64, 138, 160}, CBS_DROPDOWN | CBS_SORT | CBS_AUTOHSCROLL | WS_VSCROLL),
    Label(IDC_STATIC, "Длъжност:", {205, 82, 70, 8}),
    Edit(1376, {277, 80, 138, 13}),
    Button(2628, "Намери", {253, 106, 54, 15}),
    Button(2621, "Добави", {311, 106, 54, 15}),
    Button(2534, "Изчисти", {369, 106, 54, 15}),
    Label(IDC_STATIC, "Избор на наблюдател от базата данни:", {7, 118, 200, 8}),
    CText(1377, "Няма намерени лица по зададените критерии.", {7, 170, 416, 30}, SS_NOPREFIX),
    CustomControl("MFCGridCtrl", 2682, {7, 129, 416, 150}, WS_TABSTOP | WS_BORDER),
    DefPushButton(IDOK, "Продължи", {311, 285, 54, 15}),
    Button(IDCANCEL, "Отказ", {369, 285, 54, 15}),
}});

}  // namespace
