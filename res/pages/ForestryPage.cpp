// The forestry units page: each unit from its whole nomenclature, and the forest section.
#include "platform/DialogTemplate.h"
#include "res/CommonPageIds.h"
#include "res/PageTemplates.h"

namespace {

constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL;

const DialogTemplate& kForestryPage = RegisterDialogTemplate({IDD_FORESTRY_PAGE, "", {292, 192}, WithPageHeader({
    Label(2003, "Лесничейства, РУГ, ДДС", {7, 7, 250, 12}),
    GroupBox(IDC_STATIC, "", {7, 24, 278, 140}),
    Label(IDC_STATIC, "NUTS код:", {15, 38, 58, 8}),
    ComboBox(2553, {75, 35, 202, 200}, kList),
    Label(IDC_STATIC, "РИОСВ:", {15, 56, 58, 8}),
    ComboBox(2561, {75, 53, 202, 200}, kList),
    Label(IDC_STATIC, "РУГ:", {15, 74, 58, 8}),
    ComboBox(2556, {75, 71, 202, 200}, kList),
    Label(IDC_STATIC, "ДЛ:", {15, 92, 58, 8}),
    ComboBox(2557, {75, 89, 202, 200}, kList),
    Label(IDC_STATIC, "ДДС:", {15, 110, 58, 8}),
    ComboBox(2558, {75, 107, 202, 200}, kList),
    Label(IDC_STATIC, "Отдел:", {15, 128, 58, 8}),
    Edit(2560, {75, 125, 202, 13}),
    Label(IDC_STATIC, "Подотдел:", {15, 146, 58, 8}),
    Edit(2008, {75, 143, 202, 13}),
    Button(2579, "<< Назад ", {165, 170, 58, 15}),
    Button(2581, "Продължи >>", {227, 170, 58, 15}),
})});

}  // namespace
