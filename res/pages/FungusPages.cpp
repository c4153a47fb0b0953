// The fungus pages: the site, the population with its companion fungi, the notes, the
// changes since former years and the species found on the trial plot.
#include "platform/DialogTemplate.h"
#include "res/FungusPageIds.h"
#include "res/PageTemplates.h"

namespace {

constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL;
constexpr DWORD kLongText = ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL;

const DialogTemplate& kSitePage = RegisterDialogTemplate({IDD_FUNGUS_PAGE_1, "", {372, 272}, WithPageHeader({
    Label(2003, "Гъби - 1", {7, 7, 250, 12}),
    Label(IDC_STATIC, "Флористичен район:", {7, 26, 176, 8}),
    ComboBox(2752, {7, 37, 176, 200}, kList),
    Label(IDC_STATIC, "UTM- Grid:", {189, 26, 176, 8}),
    ComboBox(2754, {189, 37, 176, 200}, kList),
    Label(IDC_STATIC, "Субстрат/гостоприемник:", {7, 58, 200, 8}),
    Edit(2748, {7, 69, 358, 50}, kLongText),
    Label(IDC_STATIC, "Местообитание (хабитат):", {7, 126, 200, 8}),
    Edit(2535, {7, 137, 358, 50}, kLongText),
    Label(IDC_STATIC, "Екологични особености:", {7, 194, 200, 8}),
    Edit(2751, {7, 205, 358, 50}, kLongText),
    Button(2579, "<< Назад ", {245, 258, 58, 15}),
    Button(2581, "Продължи >>", {307, 258, 58, 15}),
})});

const DialogTemplate& kPopulationPage = RegisterDialogTemplate({IDD_FUNGUS_PAGE_2, "", {372, 210}, WithPageHeader({
    Label(2003, "Гъби - 2", {7, 7, 250, 12}),
    Label(IDC_STATIC, "Площ на популацията (ha):", {7, 28, 150, 8}),
    Edit(2037, {160, 26, 60, 13}),
    Label(IDC_STATIC, "Номер от микологична колекция: ", {7, 46, 150, 8}),
    Edit(2754, {160, 44, 100, 13}),
    Label(IDC_STATIC, "Брой на плодните тела или групите:", {7, 64, 150, 8}),
    Edit(2014, {160, 62, 100, 13}),
    Label(IDC_STATIC, "Съпътстващи видове: ", {7, 84, 150, 8}),
    CustomControl("MFCGridCtrl", 2742, {7, 95, 296, 90}, WS_TABSTOP | WS_BORDER),
    Button(2596, "Добави", {311, 95, 54, 15}),
    Button(2598, "Изтрий", {311, 114, 54, 15}),
    Button(2579, "<< Назад ", {245, 192, 58, 15}),
    Button(2581, "Продължи >>", {307, 192, 58, 15}),
})});

// The collecting notes are never shown; they stay in the template for the page to exchange.
const DialogTemplate& kNotesPage = RegisterDialogTemplate({IDD_FUNGUS_PAGE_3, "", {372, 150}, WithPageHeader({
    Label(2003, "Гъби - 3", {7, 7, 250, 12}),
    Label(2571, "Бележки за събирането:", {7, 26, 200, 8}).Hidden(),
    Edit(2647, {7, 37, 358, 80}, kLongText).Hidden(),
    Label(IDC_STATIC, "Бележки:", {7, 26, 200, 8}),
    Edit(2645, {7, 37, 358, 90}, kLongText),
    Button(2579, "<< Назад ", {245, 134, 58, 15}),
    Button(2581, "Продължи >>", {307, 134, 58, 15}),
})});

const DialogTemplate& kChangesPage = RegisterDialogTemplate({IDD_FUNGUS_PAGE_4, "", {372, 262}, WithPageHeader({
    Label(2003, "Гъби - 4", {7, 7, 250, 12}),
    Label(IDC_STATIC, "Флористичен район:", {7, 26, 176, 8}),
    ComboBox(2752, {7, 37, 176, 200}, kList),
    GroupBox(IDC_STATIC, "Промени спрямо предходни години на наблюдение:", {7, 58, 358, 182}),
    CheckBox(2420, "В екологичните условия:", {15, 72, 200, 10}),
    Edit(2418, {15, 84, 342, 36}, kLongText),
    CheckBox(2421, "В растителността/хабитата:", {15, 128, 200, 10}),
    Edit(2535, {15, 140, 342, 36}, kLongText),
    CheckBox(2419, "В земеползването:", {15, 184, 200, 10}),
    Edit(2755, {15, 196, 342, 36}, kLongText),
    Button(2579, "<< Назад ", {245, 246, 58, 15}),
    Button(2581, "Продължи >>", {307, 246, 58, 15}),
})});

const DialogTemplate& kSpeciesPage = RegisterDialogTemplate({IDD_FUNGUS_PAGE_5, "", {372, 200}, WithPageHeader({
    Label(2003, "Гъби - 5", {7, 7, 250, 12}),
    Label(IDC_STATIC, "Установени видове:", {7, 26, 200, 8}),
    CustomControl("MFCGridCtrl", 2422, {7, 37, 358, 120}, WS_TABSTOP | WS_BORDER),
    Button(2596, "Добави", {253, 161, 54, 15}),
    Button(2598, "Изтрий", {311, 161, 54, 15}),
    Button(2579, "<< Назад ", {245, 182, 58, 15}),
    Button(2581, "Продължи >>", {307, 182, 58, 15}),
})});

}  // namespace
