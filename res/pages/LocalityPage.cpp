// The protected areas page: one list per kind of area, the park section beside the
// national park.
#include "platform/DialogTemplate.h"
#include "res/CommonPageIds.h"
#include "res/PageTemplates.h"

namespace {

constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL;

const DialogTemplate& kLocalityPage = RegisterDialogTemplate({IDD_LOCALITY_PAGE, "", {372, 248}, WithPageHeader({
    Label(2003, "Местоположение:", {7, 7, 250, 12}),
    GroupBox(IDC_STATIC, "", {7, 24, 358, 194}),
    Label(IDC_STATIC, "Национален парк:", {15, 38, 100, 8}),
    ComboBox(2665, {117, 35, 140, 200}, kList),
    Label(IDC_STATIC, "ПУ:", {263, 38, 14, 8}),
    ComboBox(2666, {279, 35, 78, 200}, kList),
    Label(IDC_STATIC, "Природен парк:", {15, 56, 100, 8}),
    ComboBox(2661, {117, 53, 240, 200}, kList),
    Label(IDC_STATIC, "Резерват:", {15, 74, 100, 8}),
    ComboBox(2663, {117, 71, 240, 200}, kList),
    Label(IDC_STATIC, "Поддържан резерват:", {15, 92, 100, 8}),
    ComboBox(2658, {117, 89, 240, 200}, kList),
    Label(IDC_STATIC, "Природна забележителност:", {15, 110, 100, 8}),
    ComboBox(2699, {117, 107, 240, 200}, kList),
    Label(IDC_STATIC, "Защитена местност:", {15, 128, 100, 8}),
    ComboBox(2703, {117, 125, 240, 200}, kList),
    Label(IDC_STATIC, "Корине място:", {15, 146, 100, 8}),
    ComboBox(2707, {117, 143, 240, 200}, kList),
    Label(IDC_STATIC, "ОВМ:", {15, 164, 100, 8}),
    ComboBox(2710, {117, 161, 240, 200}, kList),
    Label(IDC_STATIC, "Натура 2000:", {15, 182, 100, 8}),
    ComboBox(2652, {117, 179, 240, 200}, kList),
    Label(IDC_STATIC, "Рамсарско място:", {15, 200, 100, 8}),
    ComboBox(2655, {117, 197, 240, 200}, kList),
    Button(2579, "<< Назад ", {245, 226, 58, 15}),
    Button(2581, "Продължи >>", {307, 226, 58, 15}),
})});

}  // namespace
