#pragma once
// Ids of the application shell's resources and commands, shared by its windows and the
// resources that describe them.
#include "platform/Types.h"

// The main window's menu, toolbar, accelerators, icon and template string.
constexpr UINT IDR_MAINFRAME = 128;

// Dialog templates.
constexpr UINT IDD_LOGIN = 133;
constexpr UINT IDD_CHOOSE_FORM = 5100;

// Mode commands of the menu and of the toolbar.
constexpr UINT ID_MENU_NEW_FORM = 32804;
constexpr UINT ID_MENU_EDIT_FORMS = 32805;
constexpr UINT ID_MENU_LOOKUP = 32806;
constexpr UINT ID_TOOL_NEW_FORM = 32794;
constexpr UINT ID_TOOL_EDIT_FORMS = 32799;
constexpr UINT ID_TOOL_LOOKUP = 32791;
constexpr UINT ID_TOOL_ANALYSIS = 32796;
constexpr UINT ID_TOOL_ADMINISTRATION = 32797;

// Menu "Добави" and the manual.
constexpr UINT ID_ADD_OBSERVER = 32777;
constexpr UINT ID_ADD_USER = 32793;
constexpr UINT ID_HELP_MANUAL = 32807;

// Icons of the workflow tree (one per mode, then one per family of form types), of the
// mode list and of the final step's actions.
constexpr UINT IDI_TREE_NEW_FORM = 259;
constexpr UINT IDI_TREE_EDIT_FORMS = 260;
constexpr UINT IDI_TREE_LOOKUP = 265;
constexpr UINT IDI_TREE_ANALYSIS = 262;
constexpr UINT IDI_TREE_ADMINISTRATION = 258;
constexpr UINT IDI_TREE_START = 278;
constexpr UINT IDI_MODE_NEW_FORM = 254;
constexpr UINT IDI_MODE_EDIT_FORMS = 255;
constexpr UINT IDI_MODE_LOOKUP = 256;
constexpr UINT IDI_MODE_ANALYSIS = 252;
constexpr UINT IDI_MODE_ADMINISTRATION = 253;
constexpr UINT IDI_ACTION_REPORT = 153;
constexpr UINT IDI_ACTION_STORE = 299;
