// The wolf pages: the pack, the pair, the lair, the cubs, the howling, hybrids and stray
// dogs (each with its notes), the route by its three points, the prey in two switched
// lists, and the killed wolves, trails and scats in their tables.
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

// Hybrids and stray dogs keep their presence box in the template, never shown: the page
// carries the stored answer through unchanged.
const DialogTemplate& kHybridsPage = RegisterDialogTemplate(NotesPage(IDD_WOLF_HYBRIDS_PAGE, "Вълк - 1.8", 26, {
    CheckBox(2809, "Наличие на хибриди:", {7, 24, 150, 10}).Hidden(),
}));

const DialogTemplate& kDogsPage = RegisterDialogTemplate(NotesPage(IDD_WOLF_DOGS_PAGE, "Вълк - 1.9", 26, {
    CheckBox(2810, "Наличие на скитащи кучета:", {7, 24, 150, 10}).Hidden(),
}));

// Each prey list in a group box whose title line is its check box.
const DialogTemplate& kPreyPage = RegisterDialogTemplate({IDD_WOLF_PREY_PAGE, "", {330, 290}, WithPageHeader({
    Label(2003, "Вълк - 1.7", {7, 7, 250, 12}),
    GroupBox(IDC_STATIC, "", {7, 24, 316, 120}),
    CheckBox(2808, "Анкетни и собствени данни за района:", {13, 24, 170, 10}),
    CustomControl("MFCGridCtrl", 2803, {13, 37, 304, 82}, WS_TABSTOP | WS_BORDER),
    Button(2804, "Добави", {205, 123, 54, 15}),
    Button(2805, "Изтрий", {263, 123, 54, 15}),
    GroupBox(IDC_STATIC, "", {7, 148, 316, 120}),
    CheckBox(2809, "Наблюдения над убити животни:", {13, 148, 150, 10}),
    CustomControl("MFCGridCtrl", 2821, {13, 161, 304, 82}, WS_TABSTOP | WS_BORDER),
    Button(2600, "Добави", {205, 247, 54, 15}),
    Button(2613, "Изтрий", {263, 247, 54, 15}),
    Button(2579, "<< Назад ", {203, 272, 58, 15}),
    Button(2581, "Продължи >>", {265, 272, 58, 15}),
})});

// A table with its buttons under `caption`, and below it the habitat edit when there is one.
DialogTemplate TablePage(UINT id, const char* title, const char* caption, int gridId, int habitatId) {
    std::vector<DialogControl> controls{
        Label(2003, title, {7, 7, 250, 12}),
        Label(IDC_STATIC, caption, {7, 24, 200, 8}),
        CustomControl("MFCGridCtrl", gridId, {7, 35, 316, 120}, WS_TABSTOP | WS_BORDER),
        Button(2596, "Добави", {211, 159, 54, 15}),
        Button(2598, "Изтрий", {269, 159, 54, 15}),
    };
    int bottom = 180;
    if (habitatId) {
        controls.push_back(Label(IDC_STATIC, "Местообитание:", {7, 180, 200, 8}));
        controls.push_back(Edit(habitatId, {7, 190, 316, 60}, kMultiLine));
        bottom = 256;
    }
    controls.push_back(Button(2579, "<< Назад ", {203, bottom, 58, 15}));
    controls.push_back(Button(2581, "Продължи >>", {265, bottom, 58, 15}));
    for (DialogControl& header : PageHeaderControls()) controls.push_back(std::move(header));
    return {id, "", {330, bottom + 22}, std::move(controls)};
}

const DialogTemplate& kKilledPage =
    RegisterDialogTemplate(TablePage(IDD_WOLF_KILLED_PAGE, "Вълк - 1.10", "Убити вълци:", 2402, 0));
const DialogTemplate& kTrailsPage =
    RegisterDialogTemplate(TablePage(IDD_WOLF_TRAILS_PAGE, "Вълк - 2.1", "Следи:", 2407, 2406));
const DialogTemplate& kScatsPage =
    RegisterDialogTemplate(TablePage(IDD_WOLF_SCATS_PAGE, "Вълк - 2.2", "Екскременти:", 2409, 2535));

}  // namespace
