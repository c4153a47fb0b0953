// The password change of a user.
#include "platform/DialogTemplate.h"
#include "res/UserDialogIds.h"

namespace {

const DialogTemplate& kChangePassword = RegisterDialogTemplate({IDD_CHANGE_PASSWORD, "Промяна на парола", {222, 118}, {
    GroupBox(IDC_STATIC, "Потребител", {7, 5, 208, 84}),
    Label(IDC_STATIC, "Потребителско име:", {15, 20, 82, 8}),
    Edit(2562, {99, 18, 108, 13}),
    Label(IDC_STATIC, "Парола:", {15, 36, 82, 8}),
    Edit(2563, {99, 34, 108, 13}, ES_PASSWORD),
    Label(IDC_STATIC, "Нова парола:", {15, 52, 82, 8}),
    Edit(2564, {99, 50, 108, 13}, ES_PASSWORD),
    Label(IDC_STATIC, "Потвърди парола:", {15, 68, 82, 8}),
    Edit(2565, {99, 66, 108, 13}, ES_PASSWORD),
    DefPushButton(IDOK, "Продължи", {103, 97, 54, 15}),
    Button(IDCANCEL, "Отказ", {161, 97, 54, 15}),
}});

}  // namespace
