// The place and time page. The fields at the bottom belong to some species groups only and
// start hidden; the page shows those of its group. Fields that never show together share
// their place.
#include "platform/DialogTemplate.h"
#include "res/CommonPageIds.h"
#include "res/PageTemplates.h"

namespace {

constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL;

const DialogTemplate& kPlacePage = RegisterDialogTemplate({IDD_PLACE_PAGE, "", {426, 308}, WithPageHeader({
    Label(2003, "Място на наблюдението", {7, 7, 250, 12}),

    GroupBox(IDC_STATIC, "Дата и час на отчитането:", {7, 24, 202, 62}),
    Label(IDC_STATIC, "Дата:", {15, 39, 58, 8}),
    DatePicker(2528, {75, 36, 90, 13}, DTS_UPDOWN),
    Label(IDC_STATIC, "Начален час:", {15, 55, 58, 8}),
    TimePicker(2529, {75, 52, 90, 13}, DTS_SHOWNONE),
    Label(IDC_STATIC, "Краен час:", {15, 71, 58, 8}),
    TimePicker(2536, {75, 68, 90, 13}, DTS_SHOWNONE),

    GroupBox(2779, "Място", {217, 24, 202, 62}),
    Edit(2527, {225, 38, 134, 13}),
    Button(2533, "Намери", {363, 37, 48, 15}),
    Edit(2535, {225, 62, 134, 13}, ES_READONLY),
    Button(2534, "Изчисти", {363, 61, 48, 15}),

    GroupBox(IDC_STATIC, "Най-близкото населено място", {7, 92, 412, 48}),
    Label(IDC_STATIC, "Населено място:", {15, 107, 58, 8}),
    // Wide enough for the longest settlement with its code: an entry is the name padded to
    // 35 characters, four blanks and the code.
    ComboBox(2083, {75, 104, 186, 200}, kList),
    Label(IDC_STATIC, "ЕКАТТЕ:", {269, 107, 36, 8}),
    Edit(2548, {307, 104, 50, 13}, ES_READONLY),
    Label(IDC_STATIC, "Община:", {15, 125, 58, 8}),
    ComboBox(2100, {75, 122, 134, 200}, kList),
    Label(IDC_STATIC, "Област:", {217, 125, 58, 8}),
    ComboBox(2540, {277, 122, 134, 200}, kList),

    GroupBox(IDC_STATIC, "", {7, 146, 412, 62}),
    Label(IDC_STATIC, "NUTS код:", {15, 157, 58, 8}),
    ComboBox(2553, {75, 154, 134, 200}, kList),
    Label(IDC_STATIC, "РИОСВ:", {217, 157, 58, 8}),
    ComboBox(2561, {277, 154, 134, 200}, kList),
    Label(IDC_STATIC, "РУГ:", {15, 175, 58, 8}),
    ComboBox(2556, {75, 172, 134, 200}, kList),
    Label(IDC_STATIC, "ДЛ:", {217, 175, 58, 8}),
    ComboBox(2557, {277, 172, 134, 200}, kList),
    Label(IDC_STATIC, "ДДС:", {15, 193, 58, 8}),
    ComboBox(2558, {75, 190, 134, 200}, kList),
    Label(IDC_STATIC, "Отдел:", {217, 193, 58, 8}),
    Edit(2560, {277, 190, 30, 13}, ES_NUMBER),
    Label(IDC_STATIC, "Подотдел:", {317, 193, 42, 8}),
    Edit(2008, {361, 190, 20, 13}),

    Label(1368, "", {15, 219, 120, 8}).Hidden(),
    Edit(1367, {137, 216, 204, 13}).Hidden(),
    ComboBox(2493, {137, 216, 204, 100}, kList).Hidden(),
    Label(1388, "Код на колонията:", {15, 237, 120, 8}).Hidden(),
    Edit(1387, {137, 234, 204, 13}).Hidden(),
    Label(1389, "Код на хабитат по Натура 2000", {15, 255, 120, 8}).Hidden(),
    Edit(1390, {137, 252, 204, 13}).Hidden(),
    // The two choices first, so that they form one group (the labels start groups).
    RadioButton(1370, "Пробна площадка", {15, 217, 100, 10}).Group().Hidden(),
    RadioButton(1371, "Трансект", {15, 235, 100, 10}).Hidden(),
    Label(2812, "Площ(кв.м):", {137, 219, 50, 8}).Hidden(),
    Edit(2010, {189, 216, 50, 13}, ES_NUMBER).Hidden(),
    Label(2813, "Дължина(м):", {137, 237, 50, 8}).Hidden(),
    Edit(2011, {189, 234, 50, 13}, ES_NUMBER).Hidden(),

    Button(2579, "<< Назад ", {299, 286, 58, 15}),
    Button(2581, "Продължи >>", {361, 286, 58, 15}),
})});

}  // namespace
