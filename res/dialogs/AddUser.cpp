// Registration of a new user of the program.
#include "platform/DialogTemplate.h"
#include "res/UserDialogIds.h"

namespace {

const DialogTemplate& kAddUser = RegisterDialogTemplate({IDD_ADD_USER, "Добавяне на потребител", {222, 150}, {
    GroupBox(IDC_STATIC, "Данни за потребителя", {7, 5, 208, 116}),
    Label(IDC_STATIC, "Потребителско име:", {15, 20, 82, 8}),
    Edit(2562, {99, 18, 108, 13}),
    Label(IDC_STATIC, "Име:", {15, 36, 82, 8}),
    Edit(2009, {99, 34, 108, 13}),
    Label(IDC_STATIC, "Презиме:", {15, 52, 82, 8}),
    Edit(2032, {99, 50, 108, 13}),
    Label(IDC_STATIC, "Фамилия:", {15, 68, 82, 8}),
    Edit(2065, {99, 66, 108, 13}),
    Label(IDC_STATIC, "Парола:", {15, 84, 82, 8}),
    Edit(2051, {99, 82, 108, 13}, ES_PASSWORD),
    Label(IDC_STATIC, "Потвърди парола:", {15, 100, 82, 8}),
    Edit(2094, {99, 98, 108, 13}, ES_PASSWORD),
    DefPushButton(IDOK, "Продължи", {103, 129, 54, 15}),
    Button(IDCANCEL, "Отказ", {161, 129, 54, 15}),
}});

}  // namespace
