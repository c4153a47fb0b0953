#include "Resources.h"

#include <map>

namespace {

// One table per kind of resource, keyed by id; a later registration replaces the earlier.
template <class Resource>
std::map<UINT, Resource>& Table() {
    static std::map<UINT, Resource> table;
    return table;
}

template <class Resource>
const Resource& Register(Resource resource) {
    auto& table = Table<Resource>();
    const UINT id = resource.id;
    return table[id] = std::move(resource);
}

template <class Resource>
const Resource* Find(UINT id) {
    const auto& table = Table<Resource>();
    const auto found = table.find(id);
    return found == table.end() ? nullptr : &found->second;
}

std::map<UINT, CString>& Strings() {
    static std::map<UINT, CString> strings;
    return strings;
}

// The part of a prompt string before (0) or after (1) its first line break.
CString PromptPart(UINT id, int part) {
    const CString text = LoadStringResource(id);
    const int brk = text.Find('\n');
    if (brk < 0) return part == 0 ? text : CString();
    return part == 0 ? text.Left(brk) : text.Mid(brk + 1);
}

}  // namespace

void RegisterStrings(std::initializer_list<StringResource> strings) {
    for (const StringResource& s : strings) Strings()[s.id] = CString(s.text ? s.text : "");
}

BOOL LoadStringResource(UINT id, CString& text) {
    const auto found = Strings().find(id);
    if (found == Strings().end()) {
        text.Empty();
        return FALSE;
    }
    text = found->second;
    return TRUE;
}

CString LoadStringResource(UINT id) {
    CString text;
    LoadStringResource(id, text);
    return text;
}

CString CommandPrompt(UINT id) { return PromptPart(id, 0); }
CString CommandToolTip(UINT id) { return PromptPart(id, 1); }

MenuTemplateItem MenuItem(const char* text, UINT id, UINT flags) { return {CString(text), id, flags, {}}; }

MenuTemplateItem MenuPopup(const char* text, std::initializer_list<MenuTemplateItem> items) {
    return {CString(text), 0, MF_POPUP, items};
}

MenuTemplateItem MenuSeparator() { return {CString(), 0, MF_SEPARATOR, {}}; }

const MenuTemplate& RegisterMenu(MenuTemplate menu) { return Register(std::move(menu)); }
const MenuTemplate* FindMenu(UINT id) { return Find<MenuTemplate>(id); }

UINT AcceleratorTable::Find(UINT key, UINT modifiers) const {
    constexpr UINT kModifierMask = FSHIFT | FCONTROL | FALT;
    for (const AcceleratorEntry& entry : entries)
        if (entry.key == key && (entry.modifiers & kModifierMask) == (modifiers & kModifierMask)) return entry.command;
    return 0;
}

const AcceleratorTable& RegisterAccelerators(AcceleratorTable table) { return Register(std::move(table)); }
const AcceleratorTable* FindAccelerators(UINT id) { return Find<AcceleratorTable>(id); }

const ToolBarTemplate& RegisterToolBar(ToolBarTemplate toolBar) { return Register(std::move(toolBar)); }
const ToolBarTemplate* FindToolBar(UINT id) { return Find<ToolBarTemplate>(id); }
