// The main window's strings, menu, accelerators and toolbar.
#include "platform/CommandIds.h"
#include "platform/Resources.h"
#include "platform/WinDefs.h"
#include "res/ShellIds.h"

namespace {

const bool kStrings = [] {
    RegisterStrings({
        {AFX_IDS_APP_TITLE, "Quorin"},
        {IDR_MAINFRAME, "Quorin\n\nTovan_\n\n\nTovansplit.Document\nTovan_ Document"},
        {AFX_IDS_IDLEMESSAGE, "Готов"},
        {ID_TOOL_NEW_FORM, "Въвеждане на данни.\nВъвеждане"},
        {ID_TOOL_EDIT_FORMS, "Редакция\nРедакция"},
        {ID_TOOL_LOOKUP, "Справка.\nСправка"},
        {ID_TOOL_ANALYSIS, "Анализ.\nАнализ"},
        {ID_TOOL_ADMINISTRATION, "Администриране.\nАдминистриране"},
        {ID_ADD_OBSERVER, "Добавяне на нов наблюдател.\nНаблюдател"},
        {ID_ADD_USER, "Добавяне на нов потребител на системата.\nПотребител"},
        {ID_HELP_MANUAL, "Наръчник за работа с програмата.\nНаръчник"},
    });
    return true;
}();

const MenuTemplate& kMenu = RegisterMenu({IDR_MAINFRAME, {
    MenuPopup("&Файл", {
        MenuSeparator(),
        MenuItem("Въвеждане", ID_MENU_NEW_FORM),
        MenuItem("Редакция", ID_MENU_EDIT_FORMS),
        MenuItem("Справка", ID_MENU_LOOKUP),
        MenuSeparator(),
        MenuItem("Из&ход", ID_APP_EXIT),
    }),
    MenuPopup("&Изглед", {
        MenuItem("Лента с инструменти", ID_VIEW_TOOLBAR),
        MenuItem("Лента за състояние", ID_VIEW_STATUS_BAR),
    }),
    MenuPopup("Добави", {
        MenuItem("Наблюдател", ID_ADD_OBSERVER),
        MenuItem("Потребител", ID_ADD_USER),
    }),
    MenuPopup("&Помощ", {
        MenuItem("Наръчник", ID_HELP_MANUAL),
        MenuItem("&За програмата...", ID_APP_ABOUT),
    }),
}});

// The framework's new, open and save commands are left out: the document has no file, and
// a new document would prepare the shown page a second time.
const AcceleratorTable& kAccelerators = RegisterAccelerators({IDR_MAINFRAME, {
    {FCONTROL, 'P', ID_FILE_PRINT},
    {FCONTROL, 'Z', ID_EDIT_UNDO},
    {FALT, VK_BACK, ID_EDIT_UNDO},
    {FCONTROL, 'X', ID_EDIT_CUT},
    {FSHIFT, VK_DELETE, ID_EDIT_CUT},
    {FCONTROL, 'C', ID_EDIT_COPY},
    {FCONTROL, VK_INSERT, ID_EDIT_COPY},
    {FCONTROL, 'V', ID_EDIT_PASTE},
    {FSHIFT, VK_INSERT, ID_EDIT_PASTE},
    {FVIRTKEY, VK_F6, ID_NEXT_PANE},
    {FSHIFT, VK_F6, ID_PREV_PANE},
}});

const ToolBarTemplate& kToolBar = RegisterToolBar({IDR_MAINFRAME, {33, 33}, {
    ID_TOOL_NEW_FORM, ID_TOOL_EDIT_FORMS, ID_TOOL_LOOKUP, ID_TOOL_ANALYSIS, ID_TOOL_ADMINISTRATION,
}});

}  // namespace
