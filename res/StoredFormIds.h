#pragma once
// Ids of the list of stored forms (modes "Редакция" and "Справка"): its template, its
// controls and the commands of its pop-up menu.
#include "platform/Types.h"

constexpr UINT IDD_STORED_FORMS = 224;

constexpr int IDC_STORED_TITLE = 1425;
constexpr int IDC_STORED_GROUP = 2473;
constexpr int IDC_STORED_USER_LABEL = 2778;
constexpr int IDC_STORED_USER = 2493;
constexpr int IDC_STORED_FORM_TYPE_LABEL = 2779;
constexpr int IDC_STORED_FORM_TYPE = 1383;
constexpr int IDC_STORED_LIMIT_LABEL = 2780;
constexpr int IDC_STORED_LIMIT = 2612;
constexpr int IDC_STORED_SHOW = 2628;
constexpr int IDC_STORED_CLEAR = 2534;
constexpr int IDC_STORED_SHOW_ALL = 2622;
constexpr int IDC_STORED_DELETE = 2598;
constexpr int IDC_STORED_LOAD = 2599;
constexpr int IDC_STORED_GRID = 1382;

// Pop-up menu of a row: sub-menu 0 in editing, sub-menu 1 in look-up.
constexpr UINT IDR_STORED_FORM_MENU = 369;
constexpr UINT ID_STORED_DELETE = 32800;
constexpr UINT ID_STORED_PRINT = 32808;
constexpr UINT ID_STORED_OPEN_FOR_READING = 32809;
