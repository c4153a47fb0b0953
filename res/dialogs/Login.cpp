// The login dialog.
#include "platform/DialogTemplate.h"
#include "res/ShellIds.h"

namespace {

const DialogTemplate& kLogin = RegisterDialogTemplate({IDD_LOGIN, "Вход", {222, 184}, {
    CText(2003, "Ведрин", {8, 6, 206, 34}),
    GroupBox(2517, "Информация за оператора", {7, 44, 208, 110}),
    Label(2521, "Организация: \nРИОСВ", {15, 58, 76, 18}),
    ComboBox(2522, {94, 60, 114, 150}, CBS_DROPDOWNLIST | WS_VSCROLL),
    Label(2518, "Потребителско име:", {15, 84, 76, 8}),
    ComboBox(2519, {94, 82, 114, 80}, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL),
    Label(2520, "Парола:", {15, 104, 76, 8}),
    Edit(2051, {94, 102, 114, 13}, ES_PASSWORD),
    Label(2523, "Регистриране на нов потребител", {15, 124, 150, 8}, SS_NOTIFY),
    Label(2524, "Смяна на парола", {15, 137, 150, 8}, SS_NOTIFY),
    DefPushButton(IDOK, "Вход", {52, 162, 54, 15}),
    Button(IDCANCEL, "Отказ", {116, 162, 54, 15}),
}});

}  // namespace
