// The two forest pages: the methods used with the two monitored species, then the other
// species found with notes and the paper form's number.
#include "platform/DialogTemplate.h"
#include "res/BatIds.h"
#include "res/PageTemplates.h"

namespace {

constexpr DWORD kCount = ES_NUMBER | ES_RIGHT;
constexpr DWORD kNotes = ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL;

const DialogTemplate& kForest1 = RegisterDialogTemplate({IDD_BAT_FOREST_1, "", {330, 192}, WithPageHeader({
    Label(2003, "Прилепи - Гори  1", {7, 7, 250, 12}),
    GroupBox(IDC_STATIC, "Използвани методи.", {7, 24, 316, 44}),
    CheckBox(2637, "1. Проверка на къщичките", {15, 37, 140, 10}),
    CheckBox(2638, "2. Улов с мрежи за прилепи", {165, 37, 150, 10}),
    CheckBox(2639, "3. Ултразвуков детектор", {15, 51, 140, 10}),
    CheckBox(2640, "4. Косвени данни", {165, 51, 150, 10}),

    GroupBox(IDC_STATIC, "Видове за мониторинг.", {7, 74, 316, 90}),
    CheckBox(2587, "Myotis bechsteinii", {15, 87, 140, 10}),
    Label(2570, "Използван метод:", {27, 103, 70, 8}),
    Edit(2642, {99, 100, 80, 13}),
    Button(2629, "...", {182, 100, 18, 13}),
    Label(2571, "Обща численост:", {208, 103, 64, 8}),
    Edit(2635, {274, 100, 40, 13}, kCount),
    CheckBox(2589, "Nyctalus noctula", {15, 127, 140, 10}),
    Label(2572, "Използван метод:", {27, 143, 70, 8}),
    Edit(2643, {99, 140, 80, 13}),
    Button(2644, "...", {182, 140, 18, 13}),
    Label(2633, "Обща численост:", {208, 143, 64, 8}),
    Edit(2636, {274, 140, 40, 13}, kCount),

    Button(2579, "<< Назад ", {203, 172, 58, 15}),
    Button(2581, "Продължи >>", {265, 172, 58, 15}),
})});

const DialogTemplate& kForest2 = RegisterDialogTemplate({IDD_BAT_FOREST_2, "", {372, 262}, WithPageHeader({
    Label(2003, "Прилепи - Гори  2", {7, 7, 250, 12}),
    Label(IDC_STATIC, "Установени други видове.", {7, 24, 200, 8}),
    CustomControl("MFCGridCtrl", 2594, {7, 35, 358, 90}, WS_TABSTOP | WS_BORDER),
    Button(2596, "Добави", {253, 129, 54, 15}),
    Button(2598, "Изтрий", {311, 129, 54, 15}),
    Label(IDC_STATIC, "Промени.", {7, 148, 176, 8}),
    Edit(2646, {7, 159, 176, 56}, kNotes),
    Label(IDC_STATIC, "Бележки.", {189, 148, 176, 8}),
    Edit(2645, {189, 159, 176, 56}, kNotes),
    Label(IDC_STATIC, "Бланка №:", {7, 224, 40, 8}),
    Edit(2004, {49, 221, 60, 13}),
    Button(2579, "<< Назад ", {245, 242, 58, 15}),
    Button(2581, "Продължи >>", {307, 242, 58, 15}),
})});

}  // namespace
