// The fish form's species pages: the monitored species, the electrofishing device, the net
// and the table of the fish measured.
#include "platform/DialogTemplate.h"
#include "res/FishIds.h"
#include "res/PageTemplates.h"

namespace {

constexpr DWORD kDigits = ES_NUMBER;
constexpr DWORD kMultiLine = ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL;

const DialogTemplate& kSpeciesPage = RegisterDialogTemplate({IDD_FISH_SPECIES_PAGE, "", {330, 84}, WithPageHeader({
    Label(2003, "Риби - 0", {7, 7, 250, 12}),
    Label(IDC_STATIC, "Избор на вида за мониторинг:", {7, 28, 200, 8}),
    ComboBox(2625, {7, 40, 316, 200}, CBS_DROPDOWNLIST | WS_VSCROLL),
    Button(2579, "<< Назад ", {203, 62, 58, 15}),
    Button(2581, "Продължи >>", {265, 62, 58, 15}),
})});

const DialogTemplate& kDevicePage = RegisterDialogTemplate({IDD_FISH_DEVICE_PAGE, "", {330, 154}, WithPageHeader({
    Label(2003, "Риби - 1", {7, 7, 250, 12}),
    Label(IDC_STATIC, "Вид на уреда за електроулов и технически параметри:", {7, 28, 316, 8}),
    Edit(2413, {7, 39, 316, 50}, kMultiLine),
    Label(IDC_STATIC, "Дистанция (м):", {7, 99, 112, 8}),
    Edit(2042, {121, 97, 36, 13}, kDigits),
    Label(IDC_STATIC, "Време за електроулов (сек.):", {7, 117, 112, 8}),
    Edit(2021, {121, 115, 36, 13}, kDigits),
    Button(2579, "<< Назад ", {203, 132, 58, 15}),
    Button(2581, "Продължи >>", {265, 132, 58, 15}),
})});

const DialogTemplate& kNetPage = RegisterDialogTemplate({IDD_FISH_NET_PAGE, "", {330, 124}, WithPageHeader({
    Label(2003, "Риби - 2", {7, 7, 250, 12}),
    GroupBox(IDC_STATIC, "Параметри на мрежата:", {7, 24, 190, 70}),
    Label(IDC_STATIC, "Дължина (м):", {15, 40, 100, 8}),
    Edit(2731, {125, 38, 30, 13}, kDigits),
    Label(IDC_STATIC, "Височина (м):", {15, 58, 100, 8}),
    Edit(2022, {125, 56, 30, 13}, kDigits),
    Label(IDC_STATIC, "Размер на окотo (см):", {15, 76, 100, 8}),
    Edit(2043, {125, 74, 30, 13}, kDigits),
    GroupBox(IDC_STATIC, "Вид на мрежата:", {203, 24, 120, 70}),
    RadioButton(2414, "Вертикална", {211, 40, 100, 10}).Group(),
    RadioButton(2084, "Гриб", {211, 56, 100, 10}),
    Button(2579, "<< Назад ", {203, 102, 58, 15}).Group(),
    Button(2581, "Продължи >>", {265, 102, 58, 15}),
})});

const DialogTemplate& kCatchPage = RegisterDialogTemplate({IDD_FISH_CATCH_PAGE, "", {400, 200}, WithPageHeader({
    Label(2003, "Риби - 3", {7, 7, 250, 12}),
    Label(IDC_STATIC, "Показатели за наблюдение на вида:", {7, 24, 250, 8}),
    CustomControl("MFCGridCtrl", 2415, {7, 35, 386, 121}, WS_TABSTOP | WS_BORDER),
    Button(2596, "Добави", {281, 160, 54, 15}),
    Button(2598, "Изтрий", {339, 160, 54, 15}),
    Button(2579, "<< Назад ", {273, 182, 58, 15}),
    Button(2581, "Продължи >>", {335, 182, 58, 15}),
})});

}  // namespace
