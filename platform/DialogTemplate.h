#pragma once
// Dialog templates as data: the dialogs and form pages of the program are described by
// value (caption, size, font, and per control: window class, id, text, position and size in
// dialog units, style bits, initial combo items) and registered by id:
//
//     const DialogTemplate& kProgress = RegisterDialogTemplate({227, "Запис", {186, 44}, {
//         ProgressBar(1373, {13, 18, 156, 10}),
//     }});
//
// A dialog unit is a quarter of the dialog font's average character width horizontally and
// an eighth of its height vertically. Controls are visible, enabled child windows unless a
// modifier says otherwise (`.Hidden()`, `.Disabled()`); a radio group runs from a control
// with WS_GROUP (`.Group()`) up to the next control that has it.
#include <initializer_list>
#include <string>
#include <vector>

#include "CString.h"
#include "Geometry.h"
#include "WinDefs.h"

struct TemplateFont {
    const char* face = "MS Sans Serif";
    int points = 8;
};

// Position and size in dialog units.
struct DlgRect {
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
};

struct DialogControl {
    std::string className;  // "Edit", "Button", "Static", "ComboBox", "ListBox", "SysTreeView32"...
    int id = IDC_STATIC;
    CString text;
    DlgRect rect;
    DWORD style = 0;
    DWORD exStyle = 0;
    std::vector<CString> items;  // initial entries of a combo box
    UINT imageId = 0;            // bitmap resource of a picture

    DialogControl Hidden() const { return Without(WS_VISIBLE); }
    DialogControl Disabled() const { return With(WS_DISABLED); }
    DialogControl Group() const { return With(WS_GROUP); }
    DialogControl NoTabStop() const { return Without(WS_TABSTOP); }
    DialogControl With(DWORD add) const;
    DialogControl Without(DWORD remove) const;
    DialogControl Items(std::initializer_list<const char*> entries) const;
};

struct DialogTemplate {
    UINT id = 0;
    CString caption{};
    CSize size{};  // client area in dialog units
    std::vector<DialogControl> controls{};
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;  // not visible: shown by DoModal
    TemplateFont font{};
};

// Stores the template under its id (a later one with the same id replaces it) and returns the kept copy.
const DialogTemplate& RegisterDialogTemplate(DialogTemplate dialogTemplate);
// nullptr when no template has the id.
const DialogTemplate* FindDialogTemplate(UINT id);
// The id of every registered template, ascending.
std::vector<UINT> DialogTemplateIds();

// ---- controls -------------------------------------------------------------------------
// `style` adds to the usual style of each kind.
DialogControl Label(int id, const char* text, DlgRect rect, DWORD style = 0);  // left-aligned text
inline DialogControl LText(int id, const char* text, DlgRect rect, DWORD style = 0) { return Label(id, text, rect, style); }
inline DialogControl CText(int id, const char* text, DlgRect rect, DWORD style = 0) { return Label(id, text, rect, SS_CENTER | style); }
inline DialogControl RText(int id, const char* text, DlgRect rect, DWORD style = 0) { return Label(id, text, rect, SS_RIGHT | style); }
DialogControl Picture(int id, UINT bitmapId, DlgRect rect, DWORD style = 0);  // SS_BITMAP
DialogControl Frame(int id, DlgRect rect, DWORD style = SS_BLACKFRAME);
DialogControl GroupBox(int id, const char* text, DlgRect rect, DWORD style = 0);
DialogControl Edit(int id, DlgRect rect, DWORD style = 0);  // border, tab stop; single-line: ES_AUTOHSCROLL
DialogControl Button(int id, const char* text, DlgRect rect, DWORD style = 0);
DialogControl DefPushButton(int id, const char* text, DlgRect rect, DWORD style = 0);
DialogControl CheckBox(int id, const char* text, DlgRect rect, DWORD style = 0);  // BS_AUTOCHECKBOX
DialogControl RadioButton(int id, const char* text, DlgRect rect, DWORD style = 0);  // BS_AUTORADIOBUTTON
DialogControl ComboBox(int id, DlgRect rect, DWORD style = CBS_DROPDOWNLIST);  // rect.cy: with the list
DialogControl ListBox(int id, DlgRect rect, DWORD style = LBS_NOTIFY);
DialogControl TreeControl(int id, DlgRect rect, DWORD style = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT);
DialogControl DatePicker(int id, DlgRect rect, DWORD style = 0);  // DTS_SHORTDATEFORMAT
DialogControl TimePicker(int id, DlgRect rect, DWORD style = 0);  // DTS_TIMEFORMAT
DialogControl ProgressBar(int id, DlgRect rect, DWORD style = 0);
// A window of the program's own class, drawn by the wrapper bound to it (e.g. "MFCGridCtrl").
DialogControl CustomControl(const char* className, int id, DlgRect rect, DWORD style = WS_TABSTOP);
