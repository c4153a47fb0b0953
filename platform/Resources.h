#pragma once
// The program's resources other than dialog templates and pictures, described as data in
// res/ and registered by id at start-up: strings, menus, accelerator tables and toolbars.
//
//     RegisterStrings({
//         {AFX_IDS_APP_TITLE, "Quorin"},
//         {32794, "Въвеждане на данни.\nВъвеждане"},   // status prompt, then the tooltip
//     });
//     RegisterMenu({128, {
//         MenuPopup("&Файл", {
//             MenuItem("Въвеждане", 32804),
//             MenuSeparator(),
//             MenuItem("Из&ход", ID_APP_EXIT),
//         }),
//     }});
//     RegisterAccelerators({128, {
//         {FCONTROL, 'N', ID_FILE_NEW},
//         {FVIRTKEY, VK_F6, ID_NEXT_PANE},
//         {FSHIFT, VK_F6, ID_PREV_PANE},
//     }});
//     RegisterToolBar({128, {33, 33}, {32794, 32799, ID_SEPARATOR, 32791}});
//
// Menu texts use '&' before the mnemonic letter ("&&" for an ampersand) and "\t" before
// a shortcut shown at the right. A toolbar's button images are the bitmap resource with the
// toolbar's id (res/bitmaps/<id>.png), one image per button (separators have none) side by
// side; without that bitmap each button gets a plain placeholder image.
#include <initializer_list>
#include <vector>

#include "CString.h"
#include "Geometry.h"
#include "Types.h"

// ---- strings --------------------------------------------------------------------------
struct StringResource {
    UINT id;
    const char* text;
};
// Adds (or replaces) strings of the string table.
void RegisterStrings(std::initializer_list<StringResource> strings);
// FALSE (and `text` empty) when the table has no such string.
BOOL LoadStringResource(UINT id, CString& text);
CString LoadStringResource(UINT id);
// A command's prompt string split at its line break: the status bar prompt, then the tooltip.
CString CommandPrompt(UINT id);
CString CommandToolTip(UINT id);

// ---- menus ----------------------------------------------------------------------------
constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_UNCHECKED = 0x0000;
constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_POPUP = 0x0010;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_SEPARATOR = 0x0800;

struct MenuTemplateItem {
    CString text;
    UINT id = 0;
    UINT flags = MF_STRING;  // MF_POPUP, MF_SEPARATOR, MF_GRAYED, MF_CHECKED
    std::vector<MenuTemplateItem> items;  // of a popup
};

struct MenuTemplate {
    UINT id = 0;
    std::vector<MenuTemplateItem> items;  // the bar's popups, or a popup menu's sub-menus
};

MenuTemplateItem MenuItem(const char* text, UINT id, UINT flags = MF_STRING);
MenuTemplateItem MenuPopup(const char* text, std::initializer_list<MenuTemplateItem> items);
MenuTemplateItem MenuSeparator();

const MenuTemplate& RegisterMenu(MenuTemplate menu);
const MenuTemplate* FindMenu(UINT id);  // nullptr when none has the id

// ---- accelerators ---------------------------------------------------------------------
// Modifier flags of an entry; every key is a virtual key (VK_F6, 'N'...).
constexpr UINT FVIRTKEY = 0x01;
constexpr UINT FSHIFT = 0x04;
constexpr UINT FCONTROL = 0x08;
constexpr UINT FALT = 0x10;

struct AcceleratorEntry {
    UINT modifiers;  // FSHIFT | FCONTROL | FALT (FVIRTKEY is implied and ignored)
    UINT key;
    UINT command;
};

struct AcceleratorTable {
    UINT id = 0;
    std::vector<AcceleratorEntry> entries;

    // The command of the key pressed with exactly these modifiers; 0 when none.
    UINT Find(UINT key, UINT modifiers) const;
};

const AcceleratorTable& RegisterAccelerators(AcceleratorTable table);
const AcceleratorTable* FindAccelerators(UINT id);

// ---- toolbars -------------------------------------------------------------------------
struct ToolBarTemplate {
    UINT id = 0;
    CSize buttonSize{16, 15};  // of a button's image, pixels
    std::vector<UINT> buttons;  // command ids; ID_SEPARATOR (0) for a gap
};

const ToolBarTemplate& RegisterToolBar(ToolBarTemplate toolBar);
const ToolBarTemplate* FindToolBar(UINT id);
