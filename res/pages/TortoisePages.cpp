// The tortoise pages: the animals seen in a table, and the minutes spent in each of the five
// habitat kinds. Both carry the habitat kinds, to which the animals' rows refer by number.
#include "platform/DialogTemplate.h"
#include "res/HerpPageIds.h"
#include "res/PageTemplates.h"

namespace {

constexpr int kHabitatTexts = 2571;  // 2571 to 2575
const char* const kHabitats[] = {
    "1. Светли широколистни гори и храсталаци",
    "2. Силно разредени гори и храсталаци; поляни, пасища и ливади с разпръснати храсти",
    "3. Горски поляни, пасища и ливади без храсти,  на разстояние до 50 метра от ръба на гори",
    "4. Пасища и ливади с единични дървета и храсти",
    "5. Смесица от градини, лозя, ливади, синури, горички и храсти",
};
constexpr int kRowHeight = 18;

// The group box with the five habitat texts, `width` wide, the first `firstRow` below its top.
std::vector<DialogControl> Legend(int top, int firstRow, int width) {
    std::vector<DialogControl> controls{
        GroupBox(IDC_STATIC, "Описание на местообитанието", {7, top, 416, firstRow + 5 * kRowHeight + 4})};
    for (int k = 0; k < 5; ++k)
        controls.push_back(Label(kHabitatTexts + k, kHabitats[k], {15, top + firstRow + k * kRowHeight, width, 16}));
    return controls;
}

DialogTemplate Page(UINT id, std::initializer_list<DialogControl> own, std::vector<DialogControl> legend,
                    std::initializer_list<DialogControl> rows, int height) {
    std::vector<DialogControl> controls(own);
    for (DialogControl& control : legend) controls.push_back(std::move(control));
    controls.insert(controls.end(), rows);
    controls.push_back(Button(2579, "<< Назад ", {303, height, 58, 15}));
    controls.push_back(Button(2581, "Продължи >>", {365, height, 58, 15}));
    for (DialogControl& header : PageHeaderControls()) controls.push_back(std::move(header));
    return {id, "", {430, height + 22}, std::move(controls)};
}

const DialogTemplate& kTortoisePage1 = RegisterDialogTemplate(Page(IDD_TORTOISE_PAGE_1, {
    Label(2003, "Костенурка 1", {7, 7, 250, 12}),
    CustomControl("MFCGridCtrl", 2445, {7, 24, 416, 110}, WS_TABSTOP | WS_BORDER),
    Button(2596, "Добави", {311, 138, 54, 15}),
    Button(2598, "Изтрий", {369, 138, 54, 15}),
}, Legend(158, 14, 400), {}, 276));

// Each habitat row: its text, its "да" and its minutes.
constexpr int kLegendTop = 24, kRowsTop = kLegendTop + 24;
DialogControl Check(int id, int k) { return CheckBox(id, "да", {346, kRowsTop + k * kRowHeight, 26, 10}); }
DialogControl Minutes(int id, int k) { return Edit(id, {376, kRowsTop - 2 + k * kRowHeight, 38, 13}, ES_NUMBER); }

const DialogTemplate& kTortoisePage2 = RegisterDialogTemplate(Page(IDD_TORTOISE_PAGE_2, {
    Label(2003, "Костенурка 2", {7, 7, 250, 12}),
    Label(IDC_STATIC, "Мин:", {378, kLegendTop + 12, 36, 8}),
}, Legend(kLegendTop, 24, 320), {
    Check(2582, 0), Minutes(1436, 0),
    Check(2583, 1), Minutes(2010, 1),
    Check(2584, 2), Minutes(2011, 2),
    Check(2585, 3), Minutes(2012, 3),
    Check(2586, 4), Minutes(2013, 4),
}, 150));

}  // namespace
