// The bear pages: the bears seen with the table of size classes, how they met people, signs
// left on objects, dens and beds, tracks with the way paws are measured, droppings, notes.
#include "platform/DialogTemplate.h"
#include "res/BearIds.h"
#include "res/PageTemplates.h"

namespace {

constexpr DWORD kDigits = ES_NUMBER;
constexpr DWORD kMultiLine = ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL;

// The two step buttons at the right, under everything else unless given their line, and the
// header.
DialogTemplate Page(UINT id, CSize size, std::vector<DialogControl> controls, int buttonsTop = -1) {
    const int top = buttonsTop < 0 ? size.cy - 22 : buttonsTop;
    controls.push_back(Button(2579, "<< Назад ", {size.cx - 127, top, 58, 15}).Group());
    controls.push_back(Button(2581, "Продължи >>", {size.cx - 65, top, 58, 15}));
    for (DialogControl& header : PageHeaderControls()) controls.push_back(std::move(header));
    return {id, "", size, controls};
}

// One check of page 1.2 with its distance: the label and edit that the check enables.
void MeetingRow(std::vector<DialogControl>& controls, int check, const char* caption, int label, int edit, int y) {
    controls.push_back(CheckBox(check, caption, {15, y, 135, 10}));
    controls.push_back(Label(label, "разстояние  при срещата (м):", {152, y + 1, 118, 8}));
    controls.push_back(Edit(edit, {272, y - 1, 40, 13}, kDigits));
}

// The five kinds of vegetation of pages 2.1 and 2.2, in a group at `y`.
void VegetationGroup(std::vector<DialogControl>& controls, int y) {
    controls.push_back(GroupBox(IDC_STATIC, "Вид на растителността:", {7, y, 316, 46}));
    controls.push_back(RadioButton(2785, "иглолистна гора", {15, y + 14, 104, 10}).Group());
    controls.push_back(RadioButton(2084, "смесена гора", {122, y + 14, 96, 10}));
    controls.push_back(RadioButton(2092, "широколистна гора", {221, y + 14, 98, 10}));
    controls.push_back(RadioButton(2786, "храстова растителност", {15, y + 30, 104, 10}));
    controls.push_back(RadioButton(2787, "ливада/ пасище", {122, y + 30, 96, 10}));
}

// A page of one multi-line text under its label.
DialogTemplate TextPage(UINT id, const char* title, const char* label, int edit) {
    return Page(id, {330, 172}, {
        Label(2003, title, {7, 7, 250, 12}),
        Label(IDC_STATIC, label, {7, 24, 316, 8}),
        Edit(edit, {7, 34, 316, 110}, kMultiLine),
    });
}

DialogTemplate SeenPage() {
    // The table of size classes is drawn into the hidden frame below everything else.
    return Page(IDD_BEAR_SEEN_PAGE, {480, 384}, {
        Label(2003, "Мечка - 1.1  Наблюдавани мечки:", {7, 7, 300, 12}),
        Label(IDC_STATIC, "Отчитане на наблюдавани мечки:", {7, 24, 200, 8}),
        CustomControl("MFCGridCtrl", 2757, {7, 35, 466, 90}, WS_TABSTOP | WS_BORDER),
        Button(2596, "Добави", {363, 129, 52, 15}),
        Button(2598, "Изтрий", {421, 129, 52, 15}),
        Label(IDC_STATIC, "Поведение:", {7, 136, 100, 8}),
        Edit(2770, {7, 146, 466, 34}, kMultiLine),
        CheckBox(1390, "Таблица мечки", {7, 186, 90, 10}),
        Frame(2797, {7, 205, 466, 172}).Hidden(),
    }, 184);
}

DialogTemplate PeoplePage() {
    std::vector<DialogControl> controls{
        Label(2003, "Мечка - 1.2 Отчитане на взаимоотношенията с човека:", {7, 7, 316, 12}),
        GroupBox(IDC_STATIC, "Поведение при среща с човек:", {7, 24, 316, 62}),
    };
    MeetingRow(controls, 2772, "избягва веднага", 2778, 2775, 38);
    MeetingRow(controls, 2773, "отдалечава се спокойно", 2779, 2015, 54);
    MeetingRow(controls, 2774, "заплашва", 2780, 2038, 70);
    controls.push_back(GroupBox(IDC_STATIC, "Напада по следните причини:", {7, 92, 316, 78}));
    MeetingRow(controls, 2590, "при агресия с/у мечката", 2783, 2088, 106);
    MeetingRow(controls, 2776, "защита на потомство", 2781, 2056, 122);
    MeetingRow(controls, 2777, "защита на плячката", 2782, 2070, 138);
    MeetingRow(controls, 2771, "нарушена критична дистанция", 2784, 2097, 154);
    return Page(IDD_BEAR_PEOPLE_PAGE, {330, 200}, controls);
}

DialogTemplate SignsPage() {
    std::vector<DialogControl> controls{
        Label(2003, "Мечка - 2.1", {7, 7, 250, 12}),
        Label(IDC_STATIC, "Причини за провокиране на  маркировъчно поведение:", {7, 24, 316, 8}),
        Edit(2057, {7, 34, 316, 36}, kMultiLine),
        Label(IDC_STATIC, "Вид на предмета, върху който е нанесен знака:", {7, 78, 176, 8}),
        Edit(2791, {185, 76, 138, 13}),
        Label(IDC_STATIC, "Местоположение на предмета, върху който е нанесен знака -  описание:", {7, 96, 316, 8}),
        Edit(2080, {7, 106, 316, 36}, kMultiLine),
        Label(IDC_STATIC, "Височина от земята, на която е нанесен знака (м): ", {7, 150, 196, 8}),
        Edit(2016, {205, 148, 40, 13}),
    };
    VegetationGroup(controls, 166);
    return Page(IDD_BEAR_SIGNS_PAGE, {330, 242}, controls);
}

DialogTemplate DenPage() {
    std::vector<DialogControl> controls{
        Label(2003, "Мечка - 2.2", {7, 7, 250, 12}),
        GroupBox(IDC_STATIC, "Размер на лежанката", {7, 24, 155, 48}),
        Label(IDC_STATIC, "дължина, (м):", {15, 38, 90, 8}),
        Edit(2731, {110, 36, 40, 13}, kDigits),
        Label(IDC_STATIC, "ширина, (м):", {15, 54, 90, 8}),
        Edit(2013, {110, 52, 40, 13}, kDigits),
        GroupBox(IDC_STATIC, "Пещера", {168, 24, 155, 48}),
        Label(IDC_STATIC, "височина на входа, (м):", {176, 38, 90, 8}),
        Edit(2733, {271, 36, 40, 13}, kDigits),
        Label(IDC_STATIC, "ширина на входа, (м):", {176, 54, 90, 8}),
        Edit(2039, {271, 52, 40, 13}, kDigits),
        Label(IDC_STATIC, "Разстояние от входа до гнездовата камера, (м):", {7, 82, 180, 8}),
        Edit(2735, {190, 80, 40, 13}, kDigits),
        Label(IDC_STATIC, "Материал за постилка: ", {7, 100, 90, 8}),
        Edit(2737, {100, 98, 223, 13}),
        Label(IDC_STATIC, "Период за използване", {7, 118, 90, 8}),
        Edit(2739, {100, 116, 223, 13}),
    };
    VegetationGroup(controls, 136);
    controls.push_back(GroupBox(IDC_STATIC, "Вид на леговището", {7, 188, 316, 30}).Group());
    controls.push_back(RadioButton(2792, "бърлога", {15, 202, 104, 10}).Group());
    controls.push_back(RadioButton(2793, "временна лежанка", {122, 202, 96, 10}));
    controls.push_back(RadioButton(2794, "трайна лежанка ", {221, 202, 98, 10}));
    return Page(IDD_BEAR_DEN_PAGE, {330, 246}, controls);
}

DialogTemplate TracksPage() {
    return Page(IDD_BEAR_TRACKS_PAGE, {330, 214}, {
        Label(2003, "Мечка - 2.3", {7, 7, 250, 12}),
        GroupBox(IDC_STATIC, "Задна лапа:", {7, 24, 155, 48}),
        Label(IDC_STATIC, "дължина, (см):", {15, 38, 90, 8}),
        Edit(2796, {110, 36, 40, 13}),
        Label(IDC_STATIC, "ширина, (см):", {15, 54, 90, 8}),
        Edit(2017, {110, 52, 40, 13}),
        GroupBox(IDC_STATIC, "Предна лапа:", {168, 24, 155, 32}),
        Label(IDC_STATIC, "дължина, (см):", {176, 38, 90, 8}),
        Edit(2058, {271, 36, 40, 13}),
        Label(IDC_STATIC, "Начин за измерване на следите:", {7, 92, 120, 8}),
        Frame(2797, {130, 80, 127, 33}).Hidden(),
        GroupBox(IDC_STATIC, "Размер на  мечката според дължината на задната лапа", {7, 122, 316, 62}),
        RadioButton(2760, "мече (6 - 12см)", {15, 136, 145, 10}).Group(),
        RadioButton(2084, "малка мечка (12 - 16 см)", {168, 136, 150, 10}),
        RadioButton(2092, "дребна мечка (16 - 22 см)", {15, 152, 145, 10}),
        RadioButton(2786, "средно голяма мечка (22 - 24 см)", {168, 152, 150, 10}),
        RadioButton(2787, "голяма мечка (24 - 26 см)", {15, 168, 145, 10}),
        RadioButton(2793, "много голяма мечка (26 - 30 см)", {168, 168, 150, 10}),
    });
}

const DialogTemplate& kSeenPage = RegisterDialogTemplate(SeenPage());
const DialogTemplate& kPeoplePage = RegisterDialogTemplate(PeoplePage());
const DialogTemplate& kSignsPage = RegisterDialogTemplate(SignsPage());
const DialogTemplate& kDenPage = RegisterDialogTemplate(DenPage());
const DialogTemplate& kTracksPage = RegisterDialogTemplate(TracksPage());
const DialogTemplate& kDroppingsPage = RegisterDialogTemplate(
    TextPage(IDD_BEAR_DROPPINGS_PAGE, "Мечка - 2.4", "Екскременти - състав: ", 2055));
const DialogTemplate& kNotesPage =
    RegisterDialogTemplate(TextPage(IDD_BEAR_NOTES_PAGE, "Мечка - 2.5", "Бележки:", 2645));

}  // namespace
