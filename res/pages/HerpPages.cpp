// The amphibian and reptile pages: the counts by age class beside the habitat, the
// accompanying species under them; the second pages hold two free texts.
#include "platform/DialogTemplate.h"
#include "res/HerpPageIds.h"
#include "res/PageTemplates.h"

namespace {

constexpr DWORD kCount = ES_NUMBER;
constexpr DWORD kLongText = ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL;

const DialogTemplate& kReptilePage1 = RegisterDialogTemplate({IDD_REPTILE_PAGE_1, "", {372, 282}, WithPageHeader({
    Label(2003, "Влечуги - 1", {7, 7, 250, 12}),

    GroupBox(IDC_STATIC, "Брой индивиди", {7, 24, 150, 126}),
    Label(IDC_STATIC, "Възрастни:", {15, 39, 80, 8}),
    Edit(2743, {100, 37, 45, 13}, kCount),
    Label(IDC_STATIC, "Неполовозрели:", {15, 57, 80, 8}),
    Edit(2713, {100, 55, 45, 13}, kCount),
    Label(IDC_STATIC, "Млади:", {15, 75, 80, 8}),
    Edit(2068, {100, 73, 45, 13}, kCount),
    Label(IDC_STATIC, "Общо индивиди:", {15, 93, 80, 8}),
    Edit(2716, {100, 91, 45, 13}, kCount),
    Label(IDC_STATIC, "Убити на пътя:", {15, 111, 80, 8}),
    Edit(2744, {100, 109, 45, 13}, kCount),
    Label(IDC_STATIC, "Люпила:", {15, 129, 80, 8}),
    Edit(2745, {100, 127, 45, 13}, kCount),

    Label(IDC_STATIC, "Опиасание на местообитанието:", {165, 24, 200, 8}),
    Edit(2741, {165, 35, 200, 115}, kLongText),

    Label(IDC_STATIC, "Придружаващи видовe:", {7, 157, 150, 8}),
    CustomControl("MFCGridCtrl", 2742, {7, 168, 296, 84}, WS_TABSTOP | WS_BORDER),
    Button(2596, "Добави", {311, 168, 54, 15}),
    Button(2598, "Изтрий", {311, 187, 54, 15}),
    Button(2579, "<< Назад ", {245, 260, 58, 15}),
    Button(2581, "Продължи >>", {307, 260, 58, 15}),
})});

const DialogTemplate& kAmphibiaPage1 = RegisterDialogTemplate({IDD_AMPHIBIA_PAGE_1, "", {372, 300}, WithPageHeader({
    Label(2003, "Земноводни - 1", {7, 7, 250, 12}),

    GroupBox(IDC_STATIC, "Брой индивиди", {7, 24, 150, 126}),
    Label(IDC_STATIC, "Възрастни:", {15, 39, 80, 8}),
    Edit(2743, {110, 37, 35, 13}, kCount),
    Label(IDC_STATIC, "Неполовозрели:", {15, 57, 80, 8}),
    Edit(2713, {110, 55, 35, 13}, kCount),
    Label(IDC_STATIC, "Млади:", {15, 75, 80, 8}),
    Edit(2068, {110, 73, 35, 13}, kCount),
    Label(IDC_STATIC, "Общо индивиди:", {15, 93, 80, 8}),
    Edit(2716, {110, 91, 35, 13}, kCount),
    Label(IDC_STATIC, "Убити на пътя:", {15, 111, 80, 8}),
    Edit(2744, {110, 109, 35, 13}, kCount),
    Label(IDC_STATIC, "Брой клумпени или яйца:", {15, 129, 92, 8}),
    Edit(2750, {110, 127, 35, 13}, kCount),

    Label(IDC_STATIC, "Описание на местообитанието:", {165, 24, 200, 8}),
    Edit(2741, {165, 35, 200, 115}, kLongText),

    Label(1385, "Представителност на вида по схема за пеещи:", {7, 159, 170, 8}),
    Edit(2106, {180, 157, 45, 13}, kCount),

    Label(IDC_STATIC, "Придружаващи видовe:", {7, 176, 150, 8}),
    CustomControl("MFCGridCtrl", 2742, {7, 187, 296, 84}, WS_TABSTOP | WS_BORDER),
    Button(2596, "Добави", {311, 187, 54, 15}),
    Button(2598, "Изтрий", {311, 206, 54, 15}),
    Button(2579, "<< Назад ", {245, 278, 58, 15}),
    Button(2581, "Продължи >>", {307, 278, 58, 15}),
})});

// Both second pages have the same two texts.
DialogTemplate NotesPage(UINT id, const char* title) {
    return {id, "", {372, 222}, WithPageHeader({
        Label(2003, title, {7, 7, 250, 12}),
        Label(IDC_STATIC, "Промени в хабитата:", {7, 26, 200, 8}),
        Edit(2746, {7, 37, 358, 80}, kLongText),
        Label(IDC_STATIC, "Бележки:", {7, 124, 200, 8}),
        Edit(2645, {7, 135, 358, 80}, kLongText),
        Button(2579, "<< Назад ", {245, 222, 58, 15}),
        Button(2581, "Продължи >>", {307, 222, 58, 15}),
    })};
}

const DialogTemplate& kReptilePage2 = RegisterDialogTemplate(NotesPage(IDD_REPTILE_PAGE_2, "Влечуги - 2"));
const DialogTemplate& kAmphibiaPage2 = RegisterDialogTemplate(NotesPage(IDD_AMPHIBIA_PAGE_2, "Земноводни - 2"));

}  // namespace
