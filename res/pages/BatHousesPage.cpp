// The bat houses page: the houses on the left, the species of the house last clicked on the
// right.
#include "platform/DialogTemplate.h"
#include "res/BatIds.h"
#include "res/PageTemplates.h"

namespace {

const DialogTemplate& kHouses = RegisterDialogTemplate({IDD_BAT_HOUSES, "", {372, 214}, WithPageHeader({
    Label(2003, "Къщички за прилепи", {7, 7, 250, 12}),
    Label(IDC_STATIC, "Бланка №", {7, 27, 40, 8}),
    Edit(1389, {49, 24, 140, 13}),
    Label(2570, "Номер на къщичка:", {7, 45, 120, 8}),
    CustomControl("MFCGridCtrl", 2619, {7, 56, 120, 110}, WS_TABSTOP | WS_BORDER),
    Button(2624, "+", {7, 170, 24, 15}),
    Button(2627, "-", {35, 170, 24, 15}),
    Label(IDC_STATIC, "Установени видове в къщичката", {135, 45, 200, 8}),
    CustomControl("MFCGridCtrl", 2594, {135, 56, 230, 110}, WS_TABSTOP | WS_BORDER),
    Button(2617, "Добави", {253, 170, 54, 15}),
    Button(2618, "Изтрий", {311, 170, 54, 15}),
    Button(2579, "<< Назад ", {245, 194, 58, 15}),
    Button(2581, "Продължи >>", {307, 194, 58, 15}),
})});

}  // namespace
