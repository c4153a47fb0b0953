// The cave and wetland pages: on the first of each pair the methods used and the target
// species, on the second the other species with notes (and, for caves, the colony's place).
#include "platform/DialogTemplate.h"
#include "res/BatIds.h"
#include "res/PageTemplates.h"

namespace {

constexpr DWORD kNotes = ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL;

const DialogTemplate& kCaves1 = RegisterDialogTemplate({IDD_BAT_CAVES_1, "", {372, 214}, WithPageHeader({
    Label(2003, "Прилепи - Пещери 1", {7, 7, 250, 12}),
    GroupBox(IDC_STATIC, "Използвани методи.", {7, 24, 358, 44}),
    CheckBox(2637, "1. Пряко наблюдение", {15, 37, 110, 10}),
    CheckBox(2638, "2. Преброяване по снимка", {130, 37, 110, 10}),
    CheckBox(2639, "3. Мрежи за прилепи", {245, 37, 110, 10}),
    CheckBox(2640, "4. Комбинирано", {15, 51, 110, 10}),
    CheckBox(2641, "5. Косвени данни", {130, 51, 110, 10}),
    Label(IDC_STATIC, "Установени видове.", {7, 74, 200, 8}),
    CustomControl("MFCGridCtrl", 2594, {7, 85, 358, 84}, WS_TABSTOP | WS_BORDER),
    Button(2596, "Добави", {253, 173, 54, 15}),
    Button(2598, "Изтрий", {311, 173, 54, 15}),
    Button(2579, "<< Назад ", {245, 194, 58, 15}),
    Button(2581, "Продължи >>", {307, 194, 58, 15}),
})});

const DialogTemplate& kCaves2 = RegisterDialogTemplate({IDD_BAT_CAVES_2, "", {372, 276}, WithPageHeader({
    Label(2003, "Прилепи - Пещери 2", {7, 7, 250, 12}),
    Label(IDC_STATIC, "Установени други видове.", {7, 24, 200, 8}),
    CustomControl("MFCGridCtrl", 2594, {7, 35, 358, 80}, WS_TABSTOP | WS_BORDER),
    Button(2596, "Добави", {253, 119, 54, 15}),
    Button(2598, "Изтрий", {311, 119, 54, 15}),
    Label(IDC_STATIC, "Разположение на колонията:", {7, 138, 200, 8}),
    Edit(2649, {7, 149, 358, 36}, kNotes),
    Label(IDC_STATIC, "Бележки.", {7, 190, 176, 8}),
    Edit(2645, {7, 201, 176, 50}, kNotes),
    Label(IDC_STATIC, "Промени.", {189, 190, 176, 8}),
    Edit(2646, {189, 201, 176, 50}, kNotes),
    Button(2579, "<< Назад ", {245, 256, 58, 15}),
    Button(2581, "Продължи >>", {307, 256, 58, 15}),
})});

const DialogTemplate& kWetland1 = RegisterDialogTemplate({IDD_BAT_WETLAND_1, "", {372, 214}, WithPageHeader({
    Label(2003, "Прилепи - Влажни зони 1", {7, 7, 250, 12}),
    GroupBox(IDC_STATIC, "Използвани методи.", {7, 24, 358, 44}),
    CheckBox(2637, "1.Трансект с ултразвуков детектор", {15, 37, 170, 10}),
    CheckBox(2638, "2. Точка с ултразвуков детектор", {190, 37, 170, 10}),
    CheckBox(2639, "3. Улов с мрежи за прилепи", {15, 51, 170, 10}),
    CheckBox(2640, "4. Косвени данни", {190, 51, 170, 10}),
    Label(IDC_STATIC, "Установени видове.", {7, 74, 200, 8}),
    CustomControl("MFCGridCtrl", 2594, {7, 85, 358, 84}, WS_TABSTOP | WS_BORDER),
    Button(2596, "Добави", {253, 173, 54, 15}),
    Button(2598, "Изтрий", {311, 173, 54, 15}),
    Button(2579, "<< Назад ", {245, 194, 58, 15}),
    Button(2581, "Продължи >>", {307, 194, 58, 15}),
})});

const DialogTemplate& kWetland2 = RegisterDialogTemplate({IDD_BAT_WETLAND_2, "", {372, 234}, WithPageHeader({
    Label(2003, "Прилепи - Влажни зони 2", {7, 7, 250, 12}),
    Label(IDC_STATIC, "Установени други видове.", {7, 24, 200, 8}),
    CustomControl("MFCGridCtrl", 2594, {7, 35, 358, 80}, WS_TABSTOP | WS_BORDER),
    Button(2596, "Добави", {253, 119, 54, 15}),
    Button(2598, "Изтрий", {311, 119, 54, 15}),
    Label(IDC_STATIC, "Бележки.", {7, 138, 176, 8}),
    Edit(2645, {7, 149, 176, 60}, kNotes),
    Label(IDC_STATIC, "Промени.", {189, 138, 176, 8}),
    Edit(2646, {189, 149, 176, 60}, kNotes),
    Button(2579, "<< Назад ", {245, 214, 58, 15}),
    Button(2581, "Продължи >>", {307, 214, 58, 15}),
})});

}  // namespace
