// The three hamster pages: the site with its grazing livestock and overgrowth, the five
// transects (taller than the screen: the page scrolls), and the notes.
#include <vector>

#include "platform/DialogTemplate.h"
#include "res/HamsterPageIds.h"
#include "res/PageTemplates.h"

namespace {

constexpr DWORD kCount = ES_NUMBER;
constexpr DWORD kNotes = ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL;

const DialogTemplate& kSitePage = RegisterDialogTemplate({IDD_HAMSTER_SITE_PAGE, "", {360, 262}, WithPageHeader({
    Label(2003, "Лалугер - 1 - ОПИСАНИЕ НА МЯСТОТО", {7, 7, 300, 12}),

    GroupBox(IDC_STATIC, "На мястото извършва ли се паша на добитък:", {7, 24, 346, 28}),
    RadioButton(2423, "Да", {15, 36, 60, 10}).Group(),
    RadioButton(2432, "Не", {85, 36, 60, 10}),
    RadioButton(2433, "Няма информация", {155, 36, 100, 10}),

    GroupBox(2778, "Животни извършващи паша, приблизителен брой ", {7, 58, 346, 96}).Group(),
    CheckBox(2427, "Крави", {15, 72, 60, 10}),
    Label(2779, "Брой:", {85, 73, 24, 8}),
    Edit(2428, {111, 70, 36, 13}, kCount),
    CheckBox(2429, "Овце", {15, 88, 60, 10}),
    Label(2781, "Брой:", {85, 89, 24, 8}),
    Edit(2024, {111, 86, 36, 13}, kCount),
    CheckBox(2420, "Кози", {15, 104, 60, 10}),
    Label(2780, "Брой:", {85, 105, 24, 8}),
    Edit(2544, {111, 102, 36, 13}, kCount),
    CheckBox(2431, "Коне", {15, 120, 60, 10}),
    Label(2782, "Брой:", {85, 121, 24, 8}),
    Edit(2694, {111, 118, 36, 13}, kCount),
    CheckBox(2740, "Други", {15, 136, 60, 10}),
    Label(2784, "Брой:", {85, 137, 24, 8}),
    Edit(2704, {111, 134, 36, 13}, kCount),
    Label(2783, "Вид:", {157, 137, 20, 8}),
    Edit(2700, {179, 134, 166, 13}),

    GroupBox(IDC_STATIC, "Обраствания с високостъблена растителност ", {7, 160, 346, 74}),
    CheckBox(2591, "Тръни", {15, 174, 60, 10}),
    CheckBox(2424, "Храсти", {15, 188, 60, 10}),
    CheckBox(2425, "Хвойна", {15, 202, 60, 10}),
    CheckBox(2426, "Друга", {15, 216, 60, 10}),
    Edit(2044, {85, 174, 260, 52}, kNotes),

    Button(2579, "<< Назад ", {233, 241, 58, 15}),
    Button(2581, "Продължи >>", {295, 241, 58, 15}),
})});

// Block n: its title, the grid of ten segments, the burrows computed from them and the
// hamsters typed by the operator.
constexpr int kBlockHeight = 204;
constexpr int kGridWidth = 600;

std::vector<DialogControl> TransectsPage() {
    struct Block {
        int title, grid, burrows, hamsters;
        const char* caption;
    };
    const Block blocks[] = {
        {2449, 2434, 2444, 2026, "Трансект №1"}, {2450, 2435, 2445, 2027, "Трансект №2"},
        {2451, 2436, 2446, 2028, "Трансект №3"}, {2452, 2437, 2447, 2029, "Трансект №4"},
        {2454, 2438, 2453, 2030, "Трансект №5"},
    };
    std::vector<DialogControl> controls = {Label(2003, "Лалугер - 2 - ОТЧЕТИ ПО ТРАНСЕКТИ", {7, 7, 300, 12})};
    int top = 24;
    for (const Block& block : blocks) {
        controls.push_back(Label(block.title, block.caption, {7, top, 100, 10}));
        controls.push_back(CustomControl("MFCGridCtrl", block.grid, {7, top + 12, kGridWidth, 145}, WS_TABSTOP | WS_BORDER));
        controls.push_back(Label(IDC_STATIC, "Брой установени  дупки по трансекта:", {7, top + 167, 150, 8}));
        controls.push_back(Edit(block.burrows, {160, top + 165, 36, 13}, ES_NUMBER | ES_READONLY));
        controls.push_back(Label(IDC_STATIC, "( Изчислява се автоматично )", {202, top + 167, 120, 8}));
        controls.push_back(Label(IDC_STATIC, "Брой установени лалугери по трнасекта: ", {7, top + 184, 150, 8}));
        controls.push_back(Edit(block.hamsters, {160, top + 182, 36, 13}, ES_NUMBER));
        controls.push_back(Label(IDC_STATIC, "( Попълва се от оператор )", {202, top + 184, 120, 8}));
        top += kBlockHeight;
    }
    controls.push_back(Button(2579, "<< Назад ", {kGridWidth + 7 - 120, top + 4, 58, 15}));
    controls.push_back(Button(2581, "Продължи >>", {kGridWidth + 7 - 58, top + 4, 58, 15}));
    const std::vector<DialogControl> header = PageHeaderControls();
    controls.insert(controls.end(), header.begin(), header.end());
    return controls;
}

const DialogTemplate& kTransectsPage =
    RegisterDialogTemplate({IDD_HAMSTER_TRANSECTS_PAGE, "", {kGridWidth + 14, 24 + 5 * kBlockHeight + 26}, TransectsPage()});

const DialogTemplate& kNotesPage = RegisterDialogTemplate({IDD_HAMSTER_NOTES_PAGE, "", {360, 236}, WithPageHeader({
    Label(2003, "Лалугер 3", {7, 7, 300, 12}),
    Label(IDC_STATIC, "Бележки и наблюдения:", {7, 26, 200, 8}),
    Edit(2645, {7, 37, 346, 84}, kNotes),
    Label(IDC_STATIC, "Промени:", {7, 128, 200, 8}),
    Edit(2646, {7, 139, 346, 70}, kNotes),
    Button(2579, "<< Назад ", {233, 215, 58, 15}),
    Button(2581, "Продължи >>", {295, 215, 58, 15}),
})});

}  // namespace
