// The list of stored forms, shown for "Редакция" and "Справка": the filters and actions at
// the top, the list below them (laid out anew for the view's size).
#include "platform/DialogTemplate.h"
#include "res/StoredFormIds.h"

namespace {

const DialogTemplate& kStoredForms = RegisterDialogTemplate({IDD_STORED_FORMS, "", {340, 250}, {
    Label(IDC_STORED_TITLE, "Справка.", {7, 4, 200, 14}),
    GroupBox(IDC_STORED_GROUP, "Въведени формуляри", {7, 22, 326, 72}),
    Label(IDC_STORED_USER_LABEL, "Потребител:", {14, 38, 48, 8}),
    ComboBox(IDC_STORED_USER, {64, 36, 100, 150}),
    Label(IDC_STORED_FORM_TYPE_LABEL, "Формуляр:", {172, 38, 40, 8}),
    ComboBox(IDC_STORED_FORM_TYPE, {214, 36, 112, 200}),
    Label(IDC_STORED_LIMIT_LABEL, "Брой резултати:", {14, 57, 56, 8}),
    Edit(IDC_STORED_LIMIT, {72, 55, 30, 12}, ES_NUMBER | ES_RIGHT),
    Button(IDC_STORED_SHOW, "Покажи", {110, 54, 48, 14}),
    Button(IDC_STORED_SHOW_ALL, "Покажи всички", {162, 54, 62, 14}),
    Button(IDC_STORED_CLEAR, "Изчисти", {228, 54, 48, 14}),
    Button(IDC_STORED_LOAD, "Зареди за четене", {14, 73, 80, 14}),
    Button(IDC_STORED_DELETE, "Изтрий формуляр", {98, 73, 72, 14}),
    CustomControl("MFCGridCtrl", IDC_STORED_GRID, {7, 98, 326, 146}, WS_TABSTOP | WS_BORDER),
}});

}  // namespace
