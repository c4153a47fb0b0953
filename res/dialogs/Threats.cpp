// The threats picker: the classification as a tree.
#include "platform/DialogTemplate.h"

namespace {

const DialogTemplate& kThreats = RegisterDialogTemplate({191, "Зплахи", {557, 321}, {
    Label(IDC_STATIC, "Списъх със заплахи", {7, 7, 262, 8}),
    TreeControl(2801, {7, 18, 262, 272}),
}});

}  // namespace
