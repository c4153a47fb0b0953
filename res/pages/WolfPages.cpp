// The wolf pages: the pack, the pair, the lair, the cubs, the howling (each with its notes)
// and the route by its three points.
#include "platform/DialogTemplate.h"
#include "res/PageTemplates.h"
#include "res/WolfIds.h"

namespace {

constexpr DWORD kDigits = ES_NUMBER;
constexpr DWORD kMultiLine = ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL;

// A page of notes under `top` (the page's own fields stand above it).
DialogTemplate NotesPage(UINT id, const char* title, int top, std::initializer_list<DialogControl> fields) {
    std::vector<DialogControl> controls{Label(2003, title, {7, 7, 250, 12})};
    controls.insert(controls.end(), fields);
    controls.insert(controls.end(), {
        Label(IDC_STATIC, "Бележки:", {7, top, 200, 8}).Group(),
        Edit(2645, {7, top + 10, 316, 110}, kMultiLine),
        Button(2579, "<< Назад ", {203, top + 126, 58, 15}),
        Button(2581, "Продължи >>", {265, top + 126, 58, 15}),
    });
    std::vector<DialogControl> all = PageHeaderControls();
    all.insert(all.begin(), controls.begin(), controls.end());
    return {id, "", {330, top + 148}, all};
}

const DialogTemplate& kPackPage = RegisterDialogTemplate(NotesPage(IDD_WOLF_PACK_PAGE, "Вълк - 1.1", 46, {
    Label(IDC_STATIC, "Брой вълци:", {7, 28, 50, 8}),
    Edit(2814, {60, 26, 30, 13}, kDigits),
}));

const DialogTemplate& kPairPage = RegisterDialogTemplate(NotesPage(IDD_WOLF_PAIR_PAGE, "Вълк - 1.2", 26, {}));

const DialogTemplate& kLairPage = RegisterDialogTemplate(NotesPage(IDD_WOLF_LAIR_PAGE, "Вълк - 1.3", 60, {
    GroupBox(IDC_STATIC, "Обитавана:", {7, 24, 120, 28}),
    RadioButton(2817, "да", {15, 36, 40, 10}).Group(),
    RadioButton(2084, "не", {65, 36, 40, 10}),
}));

const DialogTemplate& kCubsPage = RegisterDialogTemplate(NotesPage(IDD_WOLF_CUBS_PAGE, "Вълк - 1.4", 46, {
    Label(IDC_STATIC, "Брой:", {7, 28, 50, 8}),
    Edit(2814, {60, 26, 30, 13}, kDigits),
}));

const DialogTemplate& kHowlPage = RegisterDialogTemplate(NotesPage(IDD_WOLF_HOWL_PAGE, "Вълк - 1.5", 26, {}));

// The grid shows its twelve rows without scrolling.
const DialogTemplate& kRoutePage = RegisterDialogTemplate({IDD_WOLF_ROUTE_PAGE, "", {400, 222}, WithPageHeader({
    Label(2003, "Вълк - 1.6", {7, 7, 250, 12}),
    Label(2778, "Маршрути:", {7, 24, 200, 8}),
    CustomControl("MFCGridCtrl", 2820, {7, 35, 386, 161}, WS_TABSTOP | WS_BORDER),
    Button(2579, "<< Назад ", {273, 202, 58, 15}),
    Button(2581, "Продължи >>", {335, 202, 58, 15}),
})});

}  // namespace
