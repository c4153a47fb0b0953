// The chamois pages: the animals seen by sex and age class with the link to their legend,
// and the four sections of the second part (tracks, resting beds, droppings, other signs),
// each with its habitat type; the track size dialog and the legend.
#include "platform/DialogTemplate.h"
#include "res/GoatPageIds.h"
#include "res/PageTemplates.h"

namespace {

constexpr DWORD kMultiLine = ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL;
constexpr const char* kSectionTitle = "Дива коза - 2";

// A page of the second part: its title, the habitat type and the section's own controls
// below them, then Back and Next.
DialogTemplate SectionPage(UINT id, std::initializer_list<DialogControl> own, int height) {
    std::vector<DialogControl> controls{
        Label(2003, kSectionTitle, {7, 7, 250, 12}),
        GroupBox(IDC_STATIC, "Тип местообитание", {7, 22, 316, 32}),
        RadioButton(2729, "Горски тип", {17, 37, 100, 10}).Group(),
        RadioButton(2084, "Вископланински тип", {127, 37, 120, 10}),
    };
    controls.insert(controls.end(), own);
    controls.push_back(Button(2579, "<< Назад ", {203, height - 22, 58, 15}).Group());
    controls.push_back(Button(2581, "Продължи >>", {265, height - 22, 58, 15}));
    const std::vector<DialogControl> header = PageHeaderControls();
    controls.insert(controls.end(), header.begin(), header.end());
    return {id, "", {330, height}, controls};
}

const DialogTemplate& kSeenPage = RegisterDialogTemplate({IDD_GOAT_SEEN_PAGE, "", {330, 214}, WithPageHeader({
    Label(2003, "Дива коза - 1", {7, 7, 250, 12}),
    GroupBox(IDC_STATIC, "Брой наблюдавани диви кози:", {7, 22, 316, 88}),
    Label(IDC_STATIC, "Мъжки", {15, 37, 90, 8}),
    Label(IDC_STATIC, "млади 3-6г.", {15, 50, 48, 8}),
    Edit(2728, {65, 48, 40, 13}, ES_NUMBER),
    Label(IDC_STATIC, "зрели +6г.", {15, 66, 48, 8}),
    Edit(2012, {65, 64, 40, 13}, ES_NUMBER),
    Label(IDC_STATIC, "Женски", {121, 37, 90, 8}),
    Label(IDC_STATIC, "млади 2-3г.", {121, 50, 48, 8}),
    Edit(2035, {171, 48, 40, 13}, ES_NUMBER),
    Label(IDC_STATIC, "зрели +3г.", {121, 66, 48, 8}),
    Edit(2054, {171, 64, 40, 13}, ES_NUMBER),
    Label(IDC_STATIC, "Приплод", {227, 50, 44, 8}),
    Edit(2068, {273, 48, 40, 13}, ES_NUMBER),
    Label(IDC_STATIC, "1 година", {227, 66, 44, 8}),
    Edit(2105, {273, 64, 40, 13}, ES_NUMBER),
    Label(IDC_STATIC, "Общ брой", {15, 90, 48, 8}),
    Edit(2716, {65, 88, 40, 13}, ES_NUMBER),
    Label(2727, "Виж легенда", {263, 90, 50, 8}, SS_NOTIFY),
    Label(IDC_STATIC, "Бележки:", {7, 116, 100, 8}),
    Edit(2645, {7, 126, 316, 60}, kMultiLine),
    Button(2579, "<< Назад ", {203, 192, 58, 15}),
    Button(2581, "Продължи >>", {265, 192, 58, 15}),
})});

const DialogTemplate& kTracksPage = RegisterDialogTemplate(SectionPage(IDD_GOAT_TRACKS_PAGE, {
    Label(IDC_STATIC, "Следи", {7, 58, 100, 8}),
    CustomControl("MFCGridCtrl", 2730, {7, 68, 316, 98}, WS_TABSTOP | WS_BORDER),
    Button(2596, "Добави", {211, 170, 54, 15}),
    Button(2598, "Изтрий", {269, 170, 54, 15}),
}, 214));

const DialogTemplate& kBedsPage = RegisterDialogTemplate(SectionPage(IDD_GOAT_BEDS_PAGE, {
    Label(IDC_STATIC, "Брой лежанки:", {15, 63, 70, 8}),
    Edit(2004, {87, 61, 40, 13}),
}, 106));

const DialogTemplate& kDroppingsPage = RegisterDialogTemplate(SectionPage(IDD_GOAT_DROPPINGS_PAGE, {
    Label(IDC_STATIC, "Брой екскременти:", {15, 63, 70, 8}),
    Edit(1438, {87, 61, 40, 13}),
}, 106));

const DialogTemplate& kSignsPage = RegisterDialogTemplate(SectionPage(IDD_GOAT_SIGNS_PAGE, {
    GroupBox(IDC_STATIC, "Други следи", {7, 60, 316, 72}),
    CheckBox(1439, "Снопчета козина", {17, 73, 290, 10}),
    CheckBox(1440, "Прегризани треви, храсти и клони при хранителна активност", {17, 87, 290, 10}),
    CheckBox(1437, "Останки", {17, 101, 290, 10}),
    CheckBox(1438, "Маркировъчни знаци", {17, 115, 290, 10}),
}, 158));

const DialogTemplate& kTrackDialog = RegisterDialogTemplate({IDD_GOAT_TRACK, "Дива коза - следи", {186, 72}, {
    Label(IDC_STATIC, "Дължина на следите - см", {7, 10, 100, 8}),
    Edit(2731, {111, 8, 68, 13}, ES_NUMBER),
    Label(IDC_STATIC, "Ширина на следите - см", {7, 29, 100, 8}),
    Edit(2013, {111, 27, 68, 13}, ES_NUMBER),
    DefPushButton(IDOK, "Продължи", {67, 51, 54, 15}),
    Button(IDCANCEL, "Отказ", {125, 51, 54, 15}),
}});

// Two pictures a row, each over its caption: the young, the females, the males.
DialogTemplate LegendDialog() {
    struct Entry {
        UINT picture;
        const char* caption;
    };
    static constexpr Entry kEntries[] = {
        {IDB_GOAT_KID, "приплод"},
        {IDB_GOAT_YEARLING, "1 година"},
        {IDB_GOAT_YOUNG_FEMALE, "млада женска \n2-3 год."},
        {IDB_GOAT_FEMALE, "зряла женска \n +3 год."},
        {IDB_GOAT_YOUNG_MALE, "млад мъжки\n 3-6 год."},
        {IDB_GOAT_MALE, "зрял мъжки \n +6 год."},
    };
    std::vector<DialogControl> controls;
    for (int i = 0; i < 6; ++i) {
        const int x = 7 + (i % 2) * 92;
        const int y = 7 + (i / 2) * 82;
        controls.push_back(Picture(IDC_STATIC, kEntries[i].picture, {x, y, 86, 56}, SS_CENTERIMAGE));
        controls.push_back(CText(IDC_STATIC, kEntries[i].caption, {x, y + 58, 86, 18}));
    }
    return {IDD_GOAT_LEGEND, "Дива коза - Легенда.", {190, 250}, controls};
}

const DialogTemplate& kLegend = RegisterDialogTemplate(LegendDialog());

}  // namespace
