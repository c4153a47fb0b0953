// The moss pages 14 to 20 (pages 21 to 23 reuse the templates of pages 05, 02 and 14).
#include "platform/DialogTemplate.h"
#include "res/MossPageIds.h"
#include "res/PageTemplates.h"

namespace {

constexpr DWORD kDigits = ES_NUMBER;
constexpr DWORD kRightDigits = ES_NUMBER | ES_RIGHT;
constexpr DWORD kGrid = WS_TABSTOP | WS_BORDER;
constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL;
constexpr const char* kSpeciesLabel = "Преобладаващи храстови и тревисти видове:";

const DialogTemplate& kTuftListPage = RegisterDialogTemplate({IDD_MOSS_TUFT_LIST_PAGE, "", {330, 174}, WithPageHeader({
    Label(2003, "Мъхове - 14", {7, 7, 250, 12}),
    GroupBox(2570, "Чимчетата в изследваното местообитание:", {7, 24, 316, 124}),
    CustomControl("MFCGridCtrl", 2502, {15, 37, 300, 88}, kGrid),
    Button(2596, "Добави", {203, 129, 54, 15}),
    Button(2598, "Изтрий", {261, 129, 54, 15}),
    Button(2579, "<< Назад ", {203, 154, 58, 15}),
    Button(2581, "Продължи >>", {265, 154, 58, 15}),
})});

const DialogTemplate& kSoilPage = RegisterDialogTemplate({IDD_MOSS_SOIL_PAGE, "", {370, 376}, WithPageHeader({
    Label(2003, "Мъхове - 15", {7, 7, 250, 12}),
    Label(IDC_STATIC, "Тип на почвата:", {7, 27, 120, 8}),
    ComboBox(2505, {130, 25, 120, 80}, kList),
    Label(IDC_STATIC, "Наличие на скални излази:", {7, 44, 120, 8}),
    ComboBox(2503, {130, 42, 60, 80}, kList),
    Label(IDC_STATIC, "Изложение на терена:", {7, 61, 120, 8}),
    ComboBox(2460, {130, 59, 60, 120}, kList),
    Label(IDC_STATIC, "Степен на ерозия:", {7, 78, 120, 8}),
    ComboBox(2506, {130, 76, 120, 80}, kList),
    Label(IDC_STATIC, "Проективно покритие на храстовия етаж  (в %)", {7, 95, 190, 8}),
    Edit(2464, {200, 93, 30, 13}, kDigits),
    Label(IDC_STATIC, "Проективно покритие на тревния етаж  (в %)", {7, 112, 190, 8}),
    Edit(2028, {200, 110, 30, 13}, kDigits),
    Label(IDC_STATIC, "Наклон на терена:", {7, 129, 190, 8}),
    Edit(5004, {200, 127, 30, 13}, kDigits),
    Label(IDC_STATIC, "Склоп на дървесния етаж  (в %):", {7, 146, 190, 8}),
    Edit(2486, {200, 144, 30, 13}, kDigits),
    Label(IDC_STATIC, kSpeciesLabel, {7, 164, 250, 8}),
    CustomControl("MFCGridCtrl", 2457, {7, 174, 356, 70}, kGrid),
    Button(2596, "Добави", {251, 247, 54, 15}),
    Button(2598, "Изтрий", {309, 247, 54, 15}),
    Label(IDC_STATIC, "Чимчета в изследваното местообитание", {7, 266, 250, 8}),
    CustomControl("MFCGridCtrl", 2474, {7, 276, 356, 60}, kGrid),
    Button(2597, "Добави", {251, 339, 54, 15}),
    Button(2599, "Изтрий", {309, 339, 54, 15}),
    Button(2579, "<< Назад ", {243, 358, 58, 15}),
    Button(2581, "Продължи >>", {305, 358, 58, 15}),
})});

const DialogTemplate& kRocksWaterPage = RegisterDialogTemplate({IDD_MOSS_ROCKS_WATER_PAGE, "", {370, 216}, WithPageHeader({
    Label(2003, "Мъхове - 16", {7, 7, 250, 12}),
    Label(IDC_STATIC, "Наличие на скални излази:", {7, 27, 150, 8}),
    ComboBox(2508, {160, 25, 60, 80}, kList),
    Label(IDC_STATIC, "Присъствие на открити водни площи", {7, 44, 150, 8}),
    ComboBox(2462, {160, 42, 60, 80}, kList),
    Label(IDC_STATIC, kSpeciesLabel, {7, 62, 250, 8}),
    CustomControl("MFCGridCtrl", 2457, {7, 72, 356, 98}, kGrid),
    Button(2596, "Добави", {251, 174, 54, 15}),
    Button(2598, "Изтрий", {309, 174, 54, 15}),
    Button(2579, "<< Назад ", {243, 196, 58, 15}),
    Button(2581, "Продължи >>", {305, 196, 58, 15}),
})});

const DialogTemplate& kHostsPage = RegisterDialogTemplate({IDD_MOSS_HOSTS_PAGE, "", {440, 300}, WithPageHeader({
    Label(2003, "Мъхове - 17", {7, 7, 250, 12}),
    Label(IDC_STATIC, "Дървесен вид, върху който е намерен мъхът", {7, 25, 250, 8}),
    CustomControl("MFCGridCtrl", 2509, {7, 35, 426, 80}, kGrid),
    Button(2510, "Добави", {321, 118, 54, 15}),
    Button(2511, "Изтрий", {379, 118, 54, 15}),
    Label(IDC_STATIC, "Площ  на дървета със съответния вид мъх (в ha):", {7, 139, 200, 8}),
    Edit(2037, {210, 137, 50, 13}),
    Label(IDC_STATIC, "Площ на мъховата колония за всяко наблюдавано дърво", {7, 157, 250, 8}),
    CustomControl("MFCGridCtrl", 2461, {7, 167, 426, 90}, kGrid),
    Button(2611, "Добави", {321, 260, 54, 15}),
    Button(2512, "Изтрий", {379, 260, 54, 15}),
    Button(2579, "<< Назад ", {313, 280, 58, 15}),
    Button(2581, "Продължи >>", {375, 280, 58, 15}),
})});

const DialogTemplate& kBogWaterPage = RegisterDialogTemplate({IDD_MOSS_BOG_WATER_PAGE, "", {400, 282}, WithPageHeader({
    Label(2003, "Мъхове - 18 - Характеристика на местообитанието", {7, 7, 300, 12}),
    Label(IDC_STATIC, "Присъствие на открити водни площи:", {7, 27, 150, 8}),
    ComboBox(2462, {160, 25, 60, 80}, kList),
    Label(IDC_STATIC, "Изложение:", {7, 44, 150, 8}),
    ComboBox(2460, {160, 42, 60, 120}, kList),
    Label(IDC_STATIC, "Присъствие на канали, диги:", {7, 61, 150, 8}),
    Edit(2108, {160, 59, 233, 13}),
    Label(IDC_STATIC, "Наличие на понижени или изпъкнали форми на микрорелефа:", {7, 78, 386, 8}),
    Edit(2047, {7, 88, 386, 13}),
    Label(IDC_STATIC, "Наклон на терена:", {7, 108, 100, 8}),
    Edit(5004, {110, 106, 60, 13}),
    Label(IDC_STATIC, "Площ на торфището (ha):", {190, 108, 100, 8}),
    Edit(2495, {295, 106, 40, 13}),
    Label(IDC_STATIC, "Водно ниво (см):", {7, 125, 100, 8}),
    Edit(2514, {110, 123, 40, 13}),
    GroupBox(IDC_STATIC, "Водни показатели", {7, 143, 386, 112}),
    Label(IDC_STATIC, "киселинност (pH):", {15, 157, 110, 8}),
    Edit(2061, {128, 155, 40, 13}),
    Label(IDC_STATIC, "нитрати:", {15, 173, 110, 8}),
    Edit(2082, {128, 171, 40, 13}),
    Label(IDC_STATIC, "нитрити:", {15, 189, 110, 8}),
    Edit(2090, {128, 187, 40, 13}),
    Label(IDC_STATIC, "фосфати:", {15, 205, 110, 8}),
    Edit(2099, {128, 203, 40, 13}),
    Label(IDC_STATIC, "хлориди:", {15, 221, 110, 8}),
    Edit(2705, {128, 219, 40, 13}),
    Label(IDC_STATIC, "сулфати:", {15, 237, 110, 8}),
    Edit(2708, {128, 235, 40, 13}),
    Label(IDC_STATIC, "карбонати:", {205, 157, 120, 8}),
    Edit(2711, {330, 155, 40, 13}),
    Label(IDC_STATIC, "наситеност на кислород:", {205, 173, 120, 8}),
    Edit(2695, {330, 171, 40, 13}),
    Label(IDC_STATIC, "температура на водата:", {205, 189, 120, 8}),
    Edit(2546, {330, 187, 40, 13}),
    Label(IDC_STATIC, "електропроводимост:", {205, 205, 120, 8}),
    Edit(2687, {330, 203, 40, 13}),
    Label(IDC_STATIC, "редокс-потенциал:", {205, 221, 120, 8}),
    Edit(2701, {330, 219, 40, 13}),
    Button(2579, "<< Назад ", {273, 262, 58, 15}),
    Button(2581, "Продължи >>", {335, 262, 58, 15}),
})});

const DialogTemplate& kBogCoverPage = RegisterDialogTemplate({IDD_MOSS_BOG_COVER_PAGE, "", {370, 278}, WithPageHeader({
    Label(2003, "Мъхове - 19", {7, 7, 250, 12}),
    CheckBox(2498, "Наличие на дървета в торфището:", {7, 26, 180, 10}),
    Label(2778, "Заемана част от площта на торфището (в%):", {20, 42, 180, 8}),
    Edit(2499, {205, 40, 30, 13}, kRightDigits),
    Label(IDC_STATIC, "Форма на микрорелефа, заемана от вида:", {7, 59, 180, 8}),
    Edit(2047, {190, 57, 173, 13}),
    Label(IDC_STATIC, "Годишно нарастване (см):", {7, 76, 180, 8}),
    Edit(2516, {205, 74, 30, 13}, kRightDigits),
    GroupBox(IDC_STATIC, "Проективно покритие на торфените мъхове и, отделно, на наблюдавания вид", {7, 92, 356, 46}),
    Label(IDC_STATIC, "Проективно покритие на торфените мъхове:", {15, 106, 185, 8}),
    Edit(2504, {205, 104, 30, 13}, kRightDigits),
    Label(IDC_STATIC, "Средно проективно покритие на наблюдавания вид:", {15, 122, 185, 8}),
    Edit(2515, {205, 120, 30, 13}, ES_RIGHT),
    Label(IDC_STATIC, kSpeciesLabel, {7, 144, 250, 8}),
    CustomControl("MFCGridCtrl", 2457, {7, 154, 356, 78}, kGrid),
    Button(2596, "Добави", {251, 236, 54, 15}),
    Button(2598, "Изтрий", {309, 236, 54, 15}),
    Button(2579, "<< Назад ", {243, 258, 58, 15}),
    Button(2581, "Продължи >>", {305, 258, 58, 15}),
})});

const DialogTemplate& kEmptyPage = RegisterDialogTemplate({IDD_MOSS_EMPTY_PAGE, "", {330, 100}, WithPageHeader({
    Label(2003, "Мъхове - 20", {7, 7, 250, 12}),
    Button(2579, "<< Назад ", {203, 80, 58, 15}),
    Button(2581, "Продължи >>", {265, 80, 58, 15}),
})});

}  // namespace
