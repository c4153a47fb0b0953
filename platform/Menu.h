#pragma once
// CMenu: a menu loaded from a menu description registered in res/ (Resources.h), shown as a
// pop-up; the command chosen goes to the owner window as WM_COMMAND.
#include <functional>
#include <memory>
#include <vector>

#include "CString.h"
#include "Geometry.h"
#include "Resources.h"
#include "WinDefs.h"

class CWnd;

constexpr UINT TPM_LEFTBUTTON = 0x0000;
constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_RIGHTBUTTON = 0x0002;
constexpr UINT TPM_CENTERALIGN = 0x0004;
constexpr UINT TPM_RIGHTALIGN = 0x0008;
constexpr UINT TPM_NONOTIFY = 0x0080;
constexpr UINT TPM_RETURNCMD = 0x0100;

class CMenu {
public:
    CMenu() = default;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    BOOL LoadMenu(UINT id);  // FALSE when no menu has the id
    BOOL CreatePopupMenu();
    BOOL DestroyMenu();
    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, LPCTSTR text = nullptr);  // MF_POPUP: id is a CMenu* given over

    CMenu* GetSubMenu(int position) const;
    UINT GetMenuItemCount() const;
    UINT GetMenuItemID(int position) const;  // 0 for a separator, -1 for a pop-up
    int GetMenuString(UINT item, CString& text, UINT flags) const;
    UINT EnableMenuItem(UINT item, UINT flags);  // returns the former state, or -1
    UINT CheckMenuItem(UINT item, UINT flags);
    UINT GetMenuState(UINT item, UINT flags) const;

    // Shows the menu at the screen point; the command chosen is posted to `owner` as
    // WM_COMMAND, or with TPM_RETURNCMD returned instead (0: nothing chosen).
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect = nullptr);

    // ---- test seam ----
    // While set, TrackPopupMenu asks the hook which command the user chooses (0: none)
    // instead of showing the menu. Returns the hook set before.
    using PopupHook = std::function<UINT(const CMenu& menu, CPoint screenPoint)>;
    static PopupHook SetPopupHook(PopupHook hook);

    struct Item {
        CString text;
        UINT id = 0;
        UINT state = MF_ENABLED;
        bool separator = false;
        std::unique_ptr<CMenu> popup;
    };
    const std::vector<Item>& Items() const { return m_items; }

private:
    Item* Find(UINT item, UINT flags);
    const Item* Find(UINT item, UINT flags) const;
    void Build(const std::vector<MenuTemplateItem>& items);

    bool m_created = false;
    std::vector<Item> m_items;
};
