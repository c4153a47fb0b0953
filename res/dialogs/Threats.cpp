// The threats picker: the classification as a tree on the left, the chosen threats on the
// right, the buttons that move threats between them in the middle.
#include "platform/DialogTemplate.h"

namespace {

const DialogTemplate& kThreats = RegisterDialogTemplate({191, "Зплахи", {557, 321}, {
    Label(IDC_STATIC, "Списъх със заплахи", {7, 7, 262, 8}),
    TreeControl(2801, {7, 18, 262, 274},
                TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP),
    Button(2621, ">", {273, 130, 20, 15}),
    Button(2598, "<", {273, 150, 20, 15}),
    Label(IDC_STATIC, "Заплахи", {297, 7, 253, 8}),
    ListBox(2802, {297, 18, 253, 274},
            LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL | WS_BORDER | WS_TABSTOP),
    DefPushButton(IDOK, "Продължи", {438, 299, 54, 15}),
    Button(IDCANCEL, "Отказ", {496, 299, 54, 15}),
}});

}  // namespace
