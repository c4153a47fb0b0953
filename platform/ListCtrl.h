#pragma once
// The list view control: items with a text per column, an image from the image list and a
// data value, shown as large icons (LVS_ICON) or as a report with column headings
// (LVS_REPORT). The kind is chosen by the style when the control is made.
//
// Notifications to the owner (WM_NOTIFY, with NMITEMACTIVATE for clicks and NMLVKEYDOWN
// for keys): NM_CLICK, NM_RCLICK and NM_DBLCLK after the click was handled (iItem -1 on
// empty space), LVN_KEYDOWN before the control handles the key; when the notified window
// destroyed the control meanwhile, the key goes no further.
#include "ImageList.h"
#include "Position.h"
#include "Wnd.h"

// Styles of the kind of view and of selection.
constexpr DWORD LVS_ICON = 0x0000;
constexpr DWORD LVS_REPORT = 0x0001;
constexpr DWORD LVS_SMALLICON = 0x0002;
constexpr DWORD LVS_LIST = 0x0003;
constexpr DWORD LVS_TYPEMASK = 0x0003;
constexpr DWORD LVS_SINGLESEL = 0x0004;
constexpr DWORD LVS_SHOWSELALWAYS = 0x0008;
constexpr DWORD LVS_NOCOLUMNHEADER = 0x4000;

// Extended styles.
constexpr DWORD LVS_EX_TRACKSELECT = 0x0008;  // the item the mouse rests on becomes selected
constexpr DWORD LVS_EX_FULLROWSELECT = 0x0020;  // a report always selects whole rows here

constexpr UINT LVIS_FOCUSED = 0x0001;
constexpr UINT LVIS_SELECTED = 0x0002;

constexpr int LVNI_ALL = 0x0000;
constexpr int LVNI_FOCUSED = 0x0001;
constexpr int LVNI_SELECTED = 0x0002;

constexpr int LVSIL_NORMAL = 0;
constexpr int LVSIL_SMALL = 1;

constexpr int LVCFMT_LEFT = 0x0000;
constexpr int LVCFMT_RIGHT = 0x0001;
constexpr int LVCFMT_CENTER = 0x0002;

constexpr UINT LVIR_BOUNDS = 0;
constexpr UINT LVIR_ICON = 1;
constexpr UINT LVIR_LABEL = 2;

constexpr UINT LVHT_NOWHERE = 0x0001;
constexpr UINT LVHT_ONITEM = 0x000E;

constexpr int LVN_KEYDOWN = -155;

struct NMITEMACTIVATE {
    NMHDR hdr;
    int iItem = -1;
    int iSubItem = 0;
    UINT uNewState = 0;
    UINT uOldState = 0;
    UINT uChanged = 0;
    CPoint ptAction;
    LPARAM lParam = 0;
    UINT uKeyFlags = 0;
};
using LPNMITEMACTIVATE = NMITEMACTIVATE*;

struct NMLVKEYDOWN {
    NMHDR hdr;
    WORD wVKey = 0;
    UINT flags = 0;
};
using LPNMLVKEYDOWN = NMLVKEYDOWN*;

class CListCtrl : public CWnd {
    DECLARE_DYNAMIC(CListCtrl)
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    DWORD GetExtendedStyle() const;
    DWORD SetExtendedStyle(DWORD exStyle);  // returns the previous extended style
    // The control shows the images of the list; the list must outlive the control's use of it.
    CImageList* SetImageList(CImageList* images, int kind);
    CImageList* GetImageList(int kind) const;

    // Report view columns; `width` -1 fits the heading.
    int InsertColumn(int column, LPCTSTR heading, int format = LVCFMT_LEFT, int width = -1, int subItem = -1);
    BOOL DeleteColumn(int column);
    BOOL SetColumnWidth(int column, int width);
    int GetColumnWidth(int column) const;

    // Inserts before `index` (past the end: appends); the new item's index, -1 on failure.
    int InsertItem(int index, LPCTSTR text);
    int InsertItem(int index, LPCTSTR text, int image);
    BOOL DeleteItem(int item);
    BOOL DeleteAllItems();
    int GetItemCount() const;

    BOOL SetItemText(int item, int subItem, LPCTSTR text);
    CString GetItemText(int item, int subItem) const;
    BOOL SetItemData(int item, DWORD_PTR data);
    DWORD_PTR GetItemData(int item) const;  // 0 for a wrong index

    // LVIS_SELECTED and LVIS_FOCUSED; `mask` says which of the bits `state` sets or clears.
    BOOL SetItemState(int item, UINT state, UINT mask);
    UINT GetItemState(int item, UINT mask) const;
    UINT GetSelectedCount() const;
    POSITION GetFirstSelectedItemPosition() const;
    int GetNextSelectedItem(POSITION& position) const;
    // The next item after `start` (-1: from the first) that has the flags (LVNI_SELECTED,
    // LVNI_FOCUSED); -1 when none.
    int GetNextItem(int start, int flags) const;

    BOOL EnsureVisible(int item, BOOL partialOK);
    BOOL GetItemRect(int item, LPRECT rect, UINT code) const;  // client coordinates
    int HitTest(CPoint point, UINT* flags = nullptr) const;     // the item at a client point, or -1

protected:
    // A list view of a dialog template gets its list when the wrapper is bound to it.
    void PreSubclassWindow() override;
};
