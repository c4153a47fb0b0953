// The row dialogs of the moss pages 15 and 17.
#include "platform/DialogTemplate.h"
#include "res/MossPageIds.h"

namespace {

const DialogTemplate& kAddTuft = RegisterDialogTemplate({IDD_MOSS_ADD_TUFT, "Добави чимче", {200, 96}, {
    Label(IDC_STATIC, "Площ на чимчето(кв.см)", {7, 7, 186, 8}),
    Edit(2475, {7, 17, 60, 13}),
    Label(2778, "Присъствие на архегониеносци", {7, 40, 186, 8}),
    ComboBox(2493, {7, 50, 80, 60}, CBS_DROPDOWNLIST | WS_VSCROLL),
    DefPushButton(IDOK, "Продължи", {81, 74, 54, 15}),
    Button(IDCANCEL, "Отказ", {139, 74, 54, 15}),
}});

const DialogTemplate& kAddTree = RegisterDialogTemplate({IDD_MOSS_ADD_TREE, "Добави дърво", {240, 120}, {
    Label(IDC_STATIC, "Научно име", {7, 7, 226, 8}),
    ComboBox(2459, {7, 17, 226, 120}, CBS_DROPDOWNLIST | WS_VSCROLL),
    Label(IDC_STATIC, "Българско име", {7, 34, 226, 8}),
    ComboBox(2458, {7, 44, 226, 120}, CBS_DROPDOWNLIST | WS_VSCROLL),
    Label(IDC_STATIC, "Височина на дървото, м:", {7, 64, 110, 8}),
    Edit(2513, {120, 62, 40, 13}),
    Label(IDC_STATIC, "Диаметър на дървото, см:", {7, 80, 110, 8}),
    Edit(2483, {120, 78, 40, 13}),
    DefPushButton(IDOK, "Продължи", {121, 100, 54, 15}),
    Button(IDCANCEL, "Отказ", {179, 100, 54, 15}),
}});

const DialogTemplate& kColony = RegisterDialogTemplate({IDD_MOSS_COLONY, "Площ на мъховата колония", {250, 160}, {
    Label(IDC_STATIC, "№ на дърво", {7, 9, 150, 8}),
    ComboBox(2496, {170, 7, 40, 120}, CBS_DROPDOWNLIST | WS_VSCROLL),
    Label(IDC_STATIC, "Площ на живата част (кв.см):", {7, 26, 160, 8}),
    Edit(2030, {170, 24, 40, 13}),
    Label(IDC_STATIC, "Площ на мъртвата част (кв.см):", {7, 43, 160, 8}),
    Edit(2048, {170, 41, 40, 13}),
    Label(IDC_STATIC, "Площ на обрастването (кв.см):", {7, 60, 160, 8}),
    Edit(2062, {170, 58, 40, 13}),
    Label(IDC_STATIC, "Изложение:", {7, 77, 160, 8}),
    ComboBox(2460, {170, 75, 60, 120}, CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL),
    Label(IDC_STATIC, "Височина от основата на дървото (м):", {7, 94, 160, 8}),
    Edit(2513, {170, 92, 40, 13}),
    Label(IDC_STATIC, "Брой дървета, подходящи, но\nнезаселени от мъха:", {7, 109, 160, 18}),
    Edit(2091, {170, 111, 40, 13}, ES_NUMBER),
    DefPushButton(IDOK, "Продължи", {131, 140, 54, 15}),
    Button(IDCANCEL, "Отказ", {189, 140, 54, 15}),
}});

}  // namespace
