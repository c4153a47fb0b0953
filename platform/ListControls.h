#pragma once
// Combo boxes and list boxes: entries with a text and a 32-bit item data value. Index
// answers are CB_ERR / LB_ERR (-1) when there is no such entry.
#include "Wnd.h"

struct COMBOBOXINFO {
    CRect rcItem;
    CRect rcButton;
    HWND hwndCombo = nullptr;
    HWND hwndItem = nullptr;  // the edit part of an editable combo box, else nullptr
    HWND hwndList = nullptr;  // the drop-down list (window class "ComboLBox")
};

class CComboBox : public CWnd {
    DECLARE_DYNAMIC(CComboBox)
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);  // -1 clears the selection (and an editable combo's text)
    // Appends, or with CBS_SORT inserts in alphabetical order (case ignored); returns the index.
    int AddString(LPCTSTR text);
    int InsertString(int index, LPCTSTR text);  // -1 appends; never sorts
    int DeleteString(UINT index);  // returns the count left
    void ResetContent();
    int GetLBText(int index, CString& text) const;  // length, or CB_ERR
    CString GetLBText(int index) const;
    int GetLBTextLen(int index) const;
    DWORD GetItemData(int index) const;  // CB_ERR as DWORD for a wrong index
    int SetItemData(int index, DWORD data);
    // First entry after `startAfter` (-1: from the top) whose text begins with `text`,
    // case ignored, wrapping round the end; CB_ERR when none.
    int FindString(int startAfter, LPCTSTR text) const;
    int FindStringExact(int startAfter, LPCTSTR text) const;
    // FindString, then selects what it found; the selection stays when nothing is found.
    int SelectString(int startAfter, LPCTSTR text);
    // Width of the drop-down list in pixels; never narrower than the combo box.
    int SetDroppedWidth(UINT width);
    int GetDroppedWidth() const;
    // Index -1: the height of the selection field (the closed box) in pixels; the entries'
    // height is not set here (CB_ERR).
    int SetItemHeight(int index, UINT height);
    // Width in pixels the drop-down list can be scrolled over (with WS_HSCROLL); 0: none.
    void SetHorizontalExtent(UINT extent);
    UINT GetHorizontalExtent() const;
    void ShowDropDown(BOOL show = TRUE);
    BOOL GetDroppedState() const;
    // Most characters the edit part of an editable combo box takes (0: no limit of our own).
    BOOL LimitText(int maxChars);
    BOOL GetComboBoxInfo(COMBOBOXINFO* info) const;
    // Shows the selection field (an editable combo box's edit field, else the closed box) in
    // these colours instead of the desktop's; the dropped list keeps the usual ones.
    void SetFieldColours(COLORREF text, COLORREF back);
};

class CListBox : public CWnd {
    DECLARE_DYNAMIC(CListBox)
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);  // -1 clears the selection
    int AddString(LPCTSTR text);  // in alphabetical order with LBS_SORT
    int InsertString(int index, LPCTSTR text);
    int DeleteString(UINT index);
    void ResetContent();
    int GetText(int index, CString& text) const;
    CString GetText(int index) const;
    int GetTextLen(int index) const;
    DWORD GetItemData(int index) const;
    int SetItemData(int index, DWORD data);
    int FindString(int startAfter, LPCTSTR text) const;
    int FindStringExact(int startAfter, LPCTSTR text) const;
    int SelectString(int startAfter, LPCTSTR text);
    // Width in pixels the list can be scrolled over horizontally (with WS_HSCROLL).
    void SetHorizontalExtent(int extent);
    int GetHorizontalExtent() const;
    int GetItemRect(int index, LPRECT rect) const;  // client coordinates; LB_ERR for a wrong index
    // The entry nearest to a client point; `outside` is TRUE when the point is on no entry.
    UINT ItemFromPoint(CPoint point, BOOL& outside) const;
    int GetTopIndex() const;
    int SetTopIndex(int index);
    int GetItemHeight(int index) const;
};
