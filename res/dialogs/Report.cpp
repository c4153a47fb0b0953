// The report dialog: never shown, it only hosts the two report controls.
#include "platform/CrystalCtrl.h"
#include "platform/DialogTemplate.h"

namespace {

const DialogTemplate& kReport = RegisterDialogTemplate({189, "Dialog", {186, 90}, {
    DefPushButton(IDOK, "OK", {45, 69, 50, 14}),
    Button(IDCANCEL, "Cancel", {103, 69, 50, 14}),
    CustomControl(CCrystalCtrl::kWindowClass, 2822, {125, 33, 19, 17}),
    CustomControl(CCrystalCtrl::kWindowClass, 2823, {53, 30, 19, 17}),
}});

}  // namespace
