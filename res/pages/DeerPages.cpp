// The four red deer pages: stags and hinds by age class with their pictures, the rutting
// stag and its place, the hinds and stags around the rutting place.
#include "platform/DialogTemplate.h"
#include "res/DeerPageIds.h"
#include "res/PageTemplates.h"

namespace {

constexpr DWORD kMultiLine = ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL;

// A picture of the four age classes with their captions, and under it the four counts and
// their total (2712-2716).
DialogTemplate AgeClassPage(UINT id, const char* title, UINT picture, const char* const (&captions)[4],
                            const char* const (&labels)[5]) {
    std::vector<DialogControl> controls{Label(2003, title, {7, 7, 250, 12}), Picture(IDC_STATIC, picture, {7, 22, 316, 66})};
    for (int i = 0; i < 4; ++i) controls.push_back(CText(IDC_STATIC, captions[i], {7 + i * 78, 90, 78, 8}));
    for (int i = 0; i < 5; ++i) {
        const int y = 108 + i * 18 + (i == 4 ? 6 : 0);  // the total a little apart
        controls.push_back(Label(IDC_STATIC, labels[i], {15, y + 3, 80, 8}));
        controls.push_back(Edit(2712 + i, {97, y, 40, 13}, ES_NUMBER));
    }
    controls.push_back(Button(2579, "<< Назад ", {203, 206, 58, 15}));
    controls.push_back(Button(2581, "Продължи >>", {265, 206, 58, 15}));
    const std::vector<DialogControl> header = PageHeaderControls();
    controls.insert(controls.end(), header.begin(), header.end());
    return {id, "", {330, 228}, controls};
}

const char* const kStagCaptions[] = {"1. шилар", "2.млад eлен", "3.средновъзрастен", "4.зрял"};
const char* const kStagLabels[] = {"шилари:", "млади :", "средновъзрастни:", "зрели:", "общ брой:"};
const char* const kHindCaptions[] = {"1. нераждала", "2.млада", "3.възрастна", "4.престаряла"};
const char* const kHindLabels[] = {"нераждали:", "млади :", "възрастни:", "престарели :", "общ брой:"};

const DialogTemplate& kStagsPage = RegisterDialogTemplate(
    AgeClassPage(IDD_DEER_STAGS_PAGE, "Рогачи - брой по възрастови групи", IDB_DEER_STAGS, kStagCaptions, kStagLabels));
const DialogTemplate& kHindsPage = RegisterDialogTemplate(
    AgeClassPage(IDD_DEER_HINDS_PAGE, "Кошути - брой по възрастови групи", IDB_DEER_HINDS, kHindCaptions, kHindLabels));

const DialogTemplate& kRuttingPage = RegisterDialogTemplate({IDD_DEER_RUTTING_PAGE, "", {330, 216}, WithPageHeader({
    Label(2003, "Благороден елен - 2.1", {7, 7, 250, 12}),
    Label(IDC_STATIC, "Характеристика на местообитанието (сватбовището):", {7, 24, 250, 8}),
    Edit(2717, {7, 34, 316, 50}, kMultiLine),

    GroupBox(IDC_STATIC, "Сватбуващ рогач:", {7, 92, 316, 98}),
    GroupBox(IDC_STATIC, "Рога:", {15, 104, 140, 78}),
    Label(IDC_STATIC, "очни шипове:", {23, 119, 70, 8}),
    Edit(2718, {97, 116, 40, 13}, ES_NUMBER),
    Label(IDC_STATIC, "ледени шипове:", {23, 134, 70, 8}),
    Edit(2719, {97, 131, 40, 13}, ES_NUMBER),
    Label(IDC_STATIC, "средни шипове:", {23, 149, 70, 8}),
    Edit(2720, {97, 146, 40, 13}, ES_NUMBER),
    Label(IDC_STATIC, "вълчи шипове:", {23, 164, 70, 8}),
    Edit(2721, {97, 161, 40, 13}, ES_NUMBER),

    Label(IDC_STATIC, "Възраст (години):", {167, 119, 70, 8}),
    Edit(2722, {239, 116, 40, 13}, ES_NUMBER | ES_RIGHT),
    GroupBox(IDC_STATIC, "Корона", {163, 136, 152, 46}),
    Label(IDC_STATIC, "дясно:", {171, 151, 60, 8}),
    Edit(2723, {239, 148, 40, 13}, ES_NUMBER),
    Label(IDC_STATIC, "ляво:", {171, 166, 60, 8}),
    Edit(2725, {239, 163, 40, 13}, ES_NUMBER),

    Button(2579, "<< Назад ", {203, 196, 58, 15}),
    Button(2581, "Продължи >>", {265, 196, 58, 15}),
})});

const DialogTemplate& kAroundPage = RegisterDialogTemplate({IDD_DEER_AROUND_PAGE, "", {330, 232}, WithPageHeader({
    Label(2003, "Благороден елен - 2.2", {7, 7, 250, 12}),

    GroupBox(IDC_STATIC, "Кошути:", {7, 22, 154, 118}),
    Label(IDC_STATIC, "нераждали:", {15, 37, 100, 8}),
    Edit(2087, {117, 34, 36, 13}, ES_NUMBER),
    Label(IDC_STATIC, "млади (2-3 год.):", {15, 53, 100, 8}),
    Edit(2096, {117, 50, 36, 13}, ES_NUMBER),
    Label(IDC_STATIC, "възрастни (4-10 год.):", {15, 69, 100, 8}),
    Edit(2104, {117, 66, 36, 13}, ES_NUMBER),
    Label(IDC_STATIC, "престарели  (над 11 год.):", {15, 85, 100, 8}),
    Edit(2543, {117, 82, 36, 13}, ES_NUMBER),
    Label(IDC_STATIC, "общ брой:", {15, 121, 100, 8}),
    Edit(2693, {117, 118, 36, 13}, ES_NUMBER),

    GroupBox(IDC_STATIC, "Други рогачи около сватбовището:", {167, 22, 156, 118}),
    Label(IDC_STATIC, "шилари:", {175, 37, 102, 8}),
    Edit(2726, {279, 34, 36, 13}, ES_NUMBER),
    Label(IDC_STATIC, "млади  (2-4 год.):", {175, 53, 102, 8}),
    Edit(2011, {279, 50, 36, 13}, ES_NUMBER),
    Label(IDC_STATIC, "средновъзрастни (5-8 год.):", {175, 69, 102, 8}),
    Edit(2034, {279, 66, 36, 13}, ES_NUMBER),
    Label(IDC_STATIC, "трофейно зрели (9-14 год.):", {175, 85, 102, 8}),
    Edit(2053, {279, 82, 36, 13}, ES_NUMBER),
    Label(IDC_STATIC, "престарели (над 15 год.):", {175, 101, 102, 8}),
    Edit(2054, {279, 98, 36, 13}, ES_NUMBER),
    Label(IDC_STATIC, "общ брой:", {175, 121, 102, 8}),
    Edit(2067, {279, 118, 36, 13}, ES_NUMBER),

    Label(IDC_STATIC, "Бележки:", {7, 148, 100, 8}),
    Edit(2645, {7, 158, 316, 48}, kMultiLine),

    Button(2579, "<< Назад ", {203, 212, 58, 15}),
    Button(2581, "Продължи >>", {265, 212, 58, 15}),
})});

}  // namespace
