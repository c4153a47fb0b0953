#include "DialogTemplate.h"

#include <map>

namespace {

std::map<UINT, DialogTemplate>& Registry() {
    static std::map<UINT, DialogTemplate> templates;
    return templates;
}

DialogControl Make(const char* className, int id, const char* text, DlgRect rect, DWORD style) {
    DialogControl control;
    control.className = className;
    control.id = id;
    control.text = text ? text : "";
    control.rect = rect;
    control.style = WS_CHILD | WS_VISIBLE | style;
    return control;
}

}  // namespace

DialogControl DialogControl::With(DWORD add) const {
    DialogControl copy = *this;
    copy.style |= add;
    return copy;
}

DialogControl DialogControl::Without(DWORD remove) const {
    DialogControl copy = *this;
    copy.style &= ~remove;
    return copy;
}

DialogControl DialogControl::Items(std::initializer_list<const char*> entries) const {
    DialogControl copy = *this;
    for (const char* entry : entries) copy.items.emplace_back(entry);
    return copy;
}

const DialogTemplate& RegisterDialogTemplate(DialogTemplate dialogTemplate) {
    const UINT id = dialogTemplate.id;
    return Registry().insert_or_assign(id, std::move(dialogTemplate)).first->second;
}

const DialogTemplate* FindDialogTemplate(UINT id) {
    const auto found = Registry().find(id);
    return found == Registry().end() ? nullptr : &found->second;
}

std::vector<UINT> DialogTemplateIds() {
    std::vector<UINT> ids;
    for (const auto& entry : Registry()) ids.push_back(entry.first);
    return ids;
}

// Static texts start a new group, as the resource compiler makes them.
DialogControl Label(int id, const char* text, DlgRect rect, DWORD style) { return Make("Static", id, text, rect, WS_GROUP | style); }

DialogControl Picture(int id, UINT bitmapId, DlgRect rect, DWORD style) {
    DialogControl control = Make("Static", id, "", rect, SS_BITMAP | style);
    control.imageId = bitmapId;
    return control;
}

DialogControl Frame(int id, DlgRect rect, DWORD style) { return Make("Static", id, "", rect, style); }

DialogControl GroupBox(int id, const char* text, DlgRect rect, DWORD style) {
    return Make("Button", id, text, rect, BS_GROUPBOX | style);
}

DialogControl Edit(int id, DlgRect rect, DWORD style) {
    // A single-line field scrolls sideways; a multi-line one wraps its lines.
    const DWORD scroll = (style & ES_MULTILINE) ? ES_AUTOVSCROLL : ES_AUTOHSCROLL;
    return Make("Edit", id, "", rect, scroll | WS_BORDER | WS_TABSTOP | style);
}

DialogControl Button(int id, const char* text, DlgRect rect, DWORD style) {
    return Make("Button", id, text, rect, BS_PUSHBUTTON | WS_TABSTOP | style);
}

DialogControl DefPushButton(int id, const char* text, DlgRect rect, DWORD style) {
    return Make("Button", id, text, rect, BS_DEFPUSHBUTTON | WS_TABSTOP | style);
}

DialogControl CheckBox(int id, const char* text, DlgRect rect, DWORD style) {
    return Make("Button", id, text, rect, BS_AUTOCHECKBOX | WS_TABSTOP | style);
}

DialogControl RadioButton(int id, const char* text, DlgRect rect, DWORD style) {
    return Make("Button", id, text, rect, BS_AUTORADIOBUTTON | style);
}

DialogControl ComboBox(int id, DlgRect rect, DWORD style) {
    return Make("ComboBox", id, "", rect, WS_VSCROLL | WS_TABSTOP | style);
}

DialogControl ListBox(int id, DlgRect rect, DWORD style) {
    return Make("ListBox", id, "", rect, WS_BORDER | WS_VSCROLL | WS_TABSTOP | style);
}

DialogControl TreeControl(int id, DlgRect rect, DWORD style) {
    return Make("SysTreeView32", id, "", rect, WS_BORDER | WS_TABSTOP | style);
}

DialogControl DatePicker(int id, DlgRect rect, DWORD style) {
    return Make("SysDateTimePick32", id, "", rect, WS_TABSTOP | DTS_SHORTDATEFORMAT | style);
}

DialogControl TimePicker(int id, DlgRect rect, DWORD style) {
    return Make("SysDateTimePick32", id, "", rect, WS_TABSTOP | DTS_TIMEFORMAT | style);
}

DialogControl ProgressBar(int id, DlgRect rect, DWORD style) {
    return Make("msctls_progress32", id, "", rect, WS_BORDER | style);
}

DialogControl CustomControl(const char* className, int id, DlgRect rect, DWORD style) {
    return Make(className, id, "", rect, style);
}
