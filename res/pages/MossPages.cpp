// The moss pages.
#include "platform/DialogTemplate.h"
#include "res/MossPageIds.h"
#include "res/PageTemplates.h"

namespace {

constexpr DWORD kDigits = ES_NUMBER;
constexpr DWORD kGrid = WS_TABSTOP | WS_BORDER;
constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL;
// The third word keeps the Latin "e" that the paper form's template has.
constexpr const char* kDistanceLabel = "Разстояние до находищeто(м):";


const DialogTemplate& kDistancesPage = RegisterDialogTemplate({IDD_MOSS_DISTANCES_PAGE, "", {330, 200}, WithPageHeader({
    Label(2003, "Мъхове - 01", {7, 7, 250, 12}),
    GroupBox(2570, "Наличие в близост до находището на:", {7, 24, 316, 148}),
    CheckBox(2450, "Туристически пътеки", {15, 38, 110, 10}),
    Label(2778, kDistanceLabel, {135, 39, 110, 8}),
    Edit(2451, {250, 37, 30, 13}, kDigits),
    CheckBox(2452, "Горски пътища", {15, 55, 110, 10}),
    Label(2779, kDistanceLabel, {135, 56, 110, 8}),
    Edit(2027, {250, 54, 30, 13}, kDigits),
    CheckBox(2453, "Потоци", {15, 72, 110, 10}),
    Label(2780, kDistanceLabel, {135, 73, 110, 8}),
    Edit(2045, {250, 71, 30, 13}, kDigits),
    CheckBox(2454, "Реки", {15, 89, 110, 10}),
    Label(2781, kDistanceLabel, {135, 90, 110, 8}),
    Edit(2060, {250, 88, 30, 13}, kDigits),
    CheckBox(2592, "Обработваеми места", {15, 106, 110, 10}),
    Label(2782, kDistanceLabel, {135, 107, 110, 8}),
    Edit(2089, {250, 105, 30, 13}, kDigits),
    CheckBox(2593, "Населени места", {15, 123, 110, 10}),
    Label(2783, kDistanceLabel, {135, 124, 110, 8}),
    Edit(2098, {250, 122, 30, 13}, kDigits),
    CheckBox(2595, "Постройки", {15, 140, 110, 10}),
    Label(2784, kDistanceLabel, {135, 141, 110, 8}),
    Edit(2107, {250, 139, 30, 13}, kDigits),
    CheckBox(2597, "Пътища", {15, 157, 110, 10}),
    Label(2789, kDistanceLabel, {135, 158, 110, 8}),
    Edit(2545, {250, 156, 30, 13}, kDigits),
    Button(2579, "<< Назад ", {203, 178, 58, 15}),
    Button(2581, "Продължи >>", {265, 178, 58, 15}),
})});

const DialogTemplate& kTreesPage = RegisterDialogTemplate({IDD_MOSS_TREES_PAGE, "", {370, 200}, WithPageHeader({
    Label(2003, "Мъхове - 02 - Характеристика на местообитанието", {7, 7, 300, 12}),
    Label(2778, "Тип растително съобщество:", {7, 27, 110, 8}),
    ComboBox(2455, {120, 25, 200, 120}, kList),
    Label(2571, "Преобладаващи дървесни видове:", {7, 46, 200, 8}),
    CustomControl("MFCGridCtrl", 2456, {7, 56, 356, 98}, kGrid),
    Button(2596, "Добави", {251, 158, 54, 15}),
    Button(2598, "Изтрий", {309, 158, 54, 15}),
    Button(2579, "<< Назад ", {243, 180, 58, 15}),
    Button(2581, "Продължи >>", {305, 180, 58, 15}),
})});

const DialogTemplate& kGrassPage = RegisterDialogTemplate({IDD_MOSS_GRASS_PAGE, "", {370, 250}, WithPageHeader({
    Label(2003, "Мъхове - 03 -  Характеристика на местообитанието", {7, 7, 300, 12}),
    Label(IDC_STATIC, "Преобладаващи храстови и тревисти видове:", {7, 25, 250, 8}),
    CustomControl("MFCGridCtrl", 2457, {7, 35, 356, 82}, kGrid),
    Button(2596, "Добави", {251, 121, 54, 15}),
    Button(2598, "Изтрий", {309, 121, 54, 15}),
    Label(IDC_STATIC, "Проективно покритие на храстовия етаж (в %):", {7, 144, 180, 8}),
    Edit(2464, {190, 142, 30, 13}, kDigits),
    Label(IDC_STATIC, "Проективно покритие на тревния етаж (в %):", {7, 161, 180, 8}),
    Edit(2028, {190, 159, 30, 13}, kDigits),
    Label(IDC_STATIC, "Наклон на терена:", {7, 178, 180, 8}),
    Edit(5004, {190, 176, 30, 13}, kDigits),
    Label(IDC_STATIC, "Изложение:", {7, 195, 180, 8}),
    ComboBox(2460, {190, 193, 80, 120}, kList),
    Label(IDC_STATIC, "Наличие на скални излази:", {7, 212, 180, 8}),
    RadioButton(2463, "Да", {190, 211, 30, 10}).Group(),
    RadioButton(2084, "Не", {225, 211, 30, 10}),
    Button(2579, "<< Назад ", {243, 230, 58, 15}).Group(),
    Button(2581, "Продължи >>", {305, 230, 58, 15}),
})});

const DialogTemplate& kTuftsPage = RegisterDialogTemplate({IDD_MOSS_TUFTS_PAGE, "", {370, 230}, WithPageHeader({
    Label(2003, "Мъхове - 04", {7, 7, 250, 12}),
    GroupBox(1408, "Местонаходище на чимчетата:", {7, 24, 356, 50}),
    Label(1409, "Разредена/ гъста тревна покривка:", {15, 39, 140, 8}),
    ComboBox(2493, {160, 37, 195, 120}, kList),
    Label(1410, "Огрявани/ сенчести места:", {15, 56, 140, 8}),
    ComboBox(2492, {160, 54, 195, 120}, kList),
    GroupBox(2570, "Чимчетата в изследваното местообитание:", {7, 80, 356, 124}),
    CustomControl("MFCGridCtrl", 2502, {15, 93, 340, 88}, kGrid),
    Button(2596, "Добави", {243, 185, 54, 15}),
    Button(2598, "Изтрий", {301, 185, 54, 15}),
    Button(2579, "<< Назад ", {243, 210, 58, 15}),
    Button(2581, "Продължи >>", {305, 210, 58, 15}),
})});

const DialogTemplate& kCompanionsPage = RegisterDialogTemplate({IDD_MOSS_COMPANIONS_PAGE, "", {330, 200}, WithPageHeader({
    Label(2003, "Мъхове - 05", {7, 7, 250, 12}),
    Label(2570, "Съпътстващи видове", {7, 25, 200, 8}),
    CustomControl("MFCGridCtrl", 2468, {7, 35, 316, 98}, kGrid),
    Button(2596, "Добави", {211, 137, 54, 15}),
    Button(2598, "Изтрий", {269, 137, 54, 15}),
    Label(2571, "Проективно покритие (в %) :", {7, 160, 110, 8}),
    Edit(2038, {120, 158, 30, 13}, kDigits),
    Button(2579, "<< Назад ", {203, 180, 58, 15}),
    Button(2581, "Продължи >>", {265, 180, 58, 15}),
})});

const DialogTemplate& kNotesPage = RegisterDialogTemplate({IDD_MOSS_NOTES_PAGE, "", {330, 184}, WithPageHeader({
    Label(2003, "Мъхове - 06", {7, 7, 250, 12}),
    Label(2570, "Бележки", {7, 24, 200, 8}),
    Edit(2645, {7, 34, 316, 124}, ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL),
    Button(2579, "<< Назад ", {203, 162, 58, 15}),
    Button(2581, "Продължи >>", {265, 162, 58, 15}),
})});

const DialogTemplate& kSporesPage = RegisterDialogTemplate({IDD_MOSS_SPORES_PAGE, "", {370, 250}, WithPageHeader({
    Label(2003, "Мъхове - 07", {7, 7, 250, 12}),
    Label(IDC_STATIC, "Местонаходище на чимчетата:", {7, 25, 200, 8}),
    ListBox(2465, {7, 35, 150, 60}, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP),
    Button(2621, ">", {167, 45, 30, 15}),
    Button(2598, "<", {167, 66, 30, 15}),
    ListBox(2466, {207, 35, 156, 60}, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP),
    Label(IDC_STATIC, "Чимчетата в изследваното местообитание", {7, 104, 250, 8}),
    CustomControl("MFCGridCtrl", 2474, {7, 114, 356, 90}, kGrid),
    Button(2596, "Добави", {251, 208, 54, 15}),
    Button(2614, "Изтрий", {309, 208, 54, 15}),
    Button(2579, "<< Назад ", {243, 230, 58, 15}),
    Button(2581, "Продължи >>", {305, 230, 58, 15}),
})});

const DialogTemplate& kForestPage = RegisterDialogTemplate({IDD_MOSS_FOREST_PAGE, "", {370, 230}, WithPageHeader({
    Label(2003, "Мъхове - 08 - Характеристика на местообитанието", {7, 7, 300, 12}),
    Label(IDC_STATIC, "Преобладаващи дървесни видове:", {7, 25, 250, 8}),
    CustomControl("MFCGridCtrl", 2456, {7, 35, 356, 82}, kGrid),
    Button(2596, "Добави", {251, 121, 54, 15}),
    Button(2598, "Изтрий", {309, 121, 54, 15}),
    Label(IDC_STATIC, "Склоп на дървесния етаж (в%):", {7, 144, 180, 8}),
    Edit(2477, {190, 142, 30, 13}, kDigits),
    Label(IDC_STATIC, "Проективно покритие на храстовия етаж (в %):", {7, 161, 180, 8}),
    Edit(2464, {190, 159, 30, 13}, kDigits),
    Label(IDC_STATIC, "Проективно покритие на тревния етаж (в %):", {7, 178, 180, 8}),
    Edit(2028, {190, 176, 30, 13}, kDigits),
    Button(2579, "<< Назад ", {243, 210, 58, 15}).Group(),
    Button(2581, "Продължи >>", {305, 210, 58, 15}),
})});

const DialogTemplate& kStumpsPage = RegisterDialogTemplate({IDD_MOSS_STUMPS_PAGE, "", {370, 290}, WithPageHeader({
    Label(2003, "Мъхове - 09", {7, 7, 250, 12}),
    Label(IDC_STATIC, "Пънове (паднали дървета) с растяща върху тях Buxbaumia viridis", {7, 25, 356, 8}),
    CustomControl("MFCGridCtrl", 2478, {7, 35, 356, 82}, kGrid),
    Button(2596, "Добави", {251, 121, 54, 15}),
    Button(2598, "Изтрий", {309, 121, 54, 15}),
    Label(IDC_STATIC, "Площ върху която са разположени пъновете и падналите гниещи дървета (в ha)", {7, 144, 300, 8}),
    Edit(2037, {313, 142, 50, 13}),
    GroupBox(IDC_STATIC, "Брой гниещи пънове от всяка категория на гниене, подходящи като субстрат, но незаселени от мъха",
             {7, 162, 356, 96}),
    Label(IDC_STATIC, "1 [гниеща кора, но все още твърда дървесина]", {15, 186, 290, 8}),
    Edit(2479, {313, 184, 40, 13}, kDigits),
    Label(IDC_STATIC, "2 [разрушена кора, гниеща дървесина, но с все още запазена структура]", {15, 208, 290, 8}),
    Edit(2480, {313, 206, 40, 13}, kDigits),
    Label(IDC_STATIC, "3 [стадий на деструкция на дървесината]", {15, 230, 290, 8}),
    Edit(2481, {313, 228, 40, 13}, kDigits),
    Button(2579, "<< Назад ", {243, 268, 58, 15}).Group(),
    Button(2581, "Продължи >>", {305, 268, 58, 15}),
})});

const DialogTemplate& kOutcropsPage = RegisterDialogTemplate({IDD_MOSS_OUTCROPS_PAGE, "", {370, 230}, WithPageHeader({
    Label(2003, "Мъхове - 10", {7, 7, 250, 12}),
    Label(IDC_STATIC, "Преобладаващи храстови и тревисти видове:", {7, 25, 250, 8}),
    CustomControl("MFCGridCtrl", 2457, {7, 35, 356, 82}, kGrid),
    Button(2596, "Добави", {251, 121, 54, 15}),
    Button(2598, "Изтрий", {309, 121, 54, 15}),
    Label(2572, "Проективно покритие на храсти (в %):", {7, 144, 200, 8}).Hidden(),
    Edit(2464, {210, 142, 30, 13}, kDigits).Hidden(),
    Label(IDC_STATIC, "Склоп на дървесния етаж  (в %):", {7, 144, 200, 8}),
    Edit(2486, {210, 142, 30, 13}, kDigits),
    Label(IDC_STATIC, "Проективно покритие на тревиста растителност(в %):", {7, 161, 200, 8}),
    Edit(2028, {210, 159, 30, 13}, kDigits),
    Label(IDC_STATIC, "Разположение на скалните излази:", {7, 178, 200, 8}),
    RadioButton(2463, "В гора", {210, 177, 50, 10}).Group(),
    RadioButton(2084, "На открито", {265, 177, 60, 10}),
    Button(2579, "<< Назад ", {243, 210, 58, 15}).Group(),
    Button(2581, "Продължи >>", {305, 210, 58, 15}),
})});

const DialogTemplate& kRocksPage = RegisterDialogTemplate({IDD_MOSS_ROCKS_PAGE, "", {370, 250}, WithPageHeader({
    Label(2003, "Мъхове - 11", {7, 7, 250, 12}),
    GroupBox(2570, "Описание на скалните излази:", {7, 24, 356, 66}),
    Label(2571, "Височина:", {15, 39, 170, 8}),
    ComboBox(2487, {190, 37, 165, 120}, kList),
    Label(2572, "Повърхност:", {15, 55, 170, 8}),
    ComboBox(2488, {190, 53, 165, 120}, kList),
    Label(2633, "Наличие на хумус в скалните пукнатини:", {15, 71, 170, 8}),
    ComboBox(2489, {190, 69, 165, 120}, kList),
    Label(2573, "Разположение на мъховите чимчета", {7, 98, 250, 8}),
    CustomControl("MFCGridCtrl", 1434, {7, 108, 356, 90}, kGrid),
    Button(2596, "Добави", {251, 202, 54, 15}),
    Button(2598, "Изтрий", {309, 202, 54, 15}),
    Button(2579, "<< Назад ", {243, 230, 58, 15}).Group(),
    Button(2581, "Продължи >>", {305, 230, 58, 15}),
})});

const DialogTemplate& kBogPage = RegisterDialogTemplate({IDD_MOSS_BOG_PAGE, "", {370, 270}, WithPageHeader({
    Label(2003, "Мъхове - 12 - Характеристики на местообитанието", {7, 7, 300, 12}),
    Label(IDC_STATIC, "Площ на торфището (ha):", {7, 27, 200, 8}),
    Edit(2495, {215, 25, 50, 13}),
    Label(IDC_STATIC, "Наклон на терена:", {7, 44, 200, 8}),
    Edit(5004, {215, 42, 148, 13}, ES_AUTOHSCROLL),
    Label(IDC_STATIC, "Изложение:", {7, 61, 200, 8}),
    ComboBox(2460, {215, 59, 100, 120}, kList),
    Label(IDC_STATIC, "Наличие на понижени или изпъкнали форми на микрорелефа:", {7, 78, 300, 8}),
    Edit(2047, {215, 88, 148, 13}, ES_AUTOHSCROLL),
    Label(IDC_STATIC, "Присъствие на канали, диги:", {7, 107, 200, 8}),
    Edit(2108, {215, 105, 148, 13}, ES_AUTOHSCROLL),
    GroupBox(IDC_STATIC, "Водни показатели", {7, 121, 356, 80}),
    Label(IDC_STATIC, "нитрати:", {15, 136, 190, 8}),
    Edit(2082, {215, 134, 50, 13}),
    Label(IDC_STATIC, "нитрити:", {15, 152, 190, 8}),
    Edit(2090, {215, 150, 50, 13}),
    Label(IDC_STATIC, "киселинност (pH):", {15, 168, 190, 8}),
    Edit(2061, {215, 166, 50, 13}),
    Label(IDC_STATIC, "фосфати:", {15, 184, 190, 8}),
    Edit(2099, {215, 182, 50, 13}),
    Label(IDC_STATIC, "Дълбочина на локвите и вадите(см)", {7, 212, 200, 8}),
    Edit(2109, {215, 210, 50, 13}),
    Button(2579, "<< Назад ", {243, 248, 58, 15}).Group(),
    Button(2581, "Продължи >>", {305, 248, 58, 15}),
})});

const DialogTemplate& kBogPlantsPage = RegisterDialogTemplate({IDD_MOSS_BOG_PLANTS_PAGE, "", {370, 230}, WithPageHeader({
    Label(2003, "Мъхове - 13", {7, 7, 250, 12}),
    CheckBox(2498, "Наличие на дървета в торфището:", {7, 26, 180, 10}),
    Label(2778, "Заемана част от площта на торфището (в%):", {15, 42, 200, 8}),
    Edit(2499, {215, 40, 30, 13}, kDigits | ES_RIGHT),
    Label(IDC_STATIC, "Проективно покритие (в %) на вида в торфището:", {7, 59, 200, 8}),
    Edit(2501, {215, 57, 30, 13}, kDigits | ES_RIGHT),
    Label(IDC_STATIC, "Преобладаващи храстови и тревисти видове:", {7, 78, 250, 8}),
    CustomControl("MFCGridCtrl", 2457, {7, 88, 356, 82}, kGrid),
    Button(2596, "Добави", {251, 174, 54, 15}),
    Button(2598, "Изтрий", {309, 174, 54, 15}),
    Button(2579, "<< Назад ", {243, 210, 58, 15}).Group(),
    Button(2581, "Продължи >>", {305, 210, 58, 15}),
})});

}  // namespace
