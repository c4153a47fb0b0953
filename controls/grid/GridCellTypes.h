#pragma once
// The cells a grid can be given besides the plain text cell (SetDefaultCellType names one):
// a check box, a drop-down list, a date and time, a number and a link. Each edits through
// its own editor over the cell, which tells the grid the result with GVN_ENDLABELEDIT and
// closes itself, as the text cell's editor does.
#include <ctime>

#include "controls/grid/GridCell.h"
#include "platform/Arrays.h"

// A check box before the text; a click in the box of an editable cell ticks or clears it.
class CGridCellCheck : public CGridCell {
    DECLARE_DYNCREATE(CGridCellCheck)
public:
    BOOL SetCheck(BOOL checked = TRUE);  // returns the state before
    BOOL GetCheck() const { return m_bChecked; }

    CSize GetCellExtent(CDC* dc) override;
    BOOL GetTextRect(LPRECT rect) override;
    BOOL Draw(CDC* dc, int row, int col, CRect rect, BOOL eraseBackground = TRUE) override;
    void OnClick(CPoint point) override;

protected:
    // The box inside a cell rectangle.
    CRect CheckBoxRect(const CRect& cellRect) const;

    BOOL m_bChecked = FALSE;
    CRect m_Rect;  // where the cell was last drawn
};

// A choice from a list of texts; the editor is a combo box over the cell.
class CGridCellCombo : public CGridCell {
    DECLARE_DYNCREATE(CGridCellCombo)
public:
    void SetOptions(const CStringArray& options);
    const CStringArray& GetOptions() const { return m_Strings; }
    void SetStyle(DWORD style) { m_dwStyle = style; }  // CBS_DROPDOWN or CBS_DROPDOWNLIST
    DWORD GetStyle() const { return m_dwStyle; }

    BOOL Edit(int row, int col, CRect rect, CPoint point, UINT id, UINT ch) override;
    void EndEdit() override;
    // The combo box's edit field; none for a drop-down list. The combo box is the grid's
    // in-place control: closing the editor closes it as a whole.
    CWnd* GetEditWnd() const override;
    CSize GetCellExtent(CDC* dc) override;
    BOOL Draw(CDC* dc, int row, int col, CRect rect, BOOL eraseBackground = TRUE) override;

protected:
    CStringArray m_Strings;
    DWORD m_dwStyle = CBS_DROPDOWN;
};

// A date and time, edited in a picker with up and down arrows.
class CGridCellDateTime : public CGridCell {
    DECLARE_DYNCREATE(CGridCellDateTime)
public:
    CGridCellDateTime();
    void SetTime(std::time_t time) { m_cTime = time; }
    std::time_t GetTime() const { return m_cTime; }
    void SetStyle(DWORD style) { m_dwStyle = style; }
    DWORD GetStyle() const { return m_dwStyle; }

    BOOL Edit(int row, int col, CRect rect, CPoint point, UINT id, UINT ch) override;
    void EndEdit() override;
    CSize GetCellExtent(CDC* dc) override;

protected:
    std::time_t m_cTime;
    DWORD m_dwStyle = 0;
};

// A text cell whose editor takes digits only.
class CGridCellNumeric : public CGridCell {
    DECLARE_DYNCREATE(CGridCellNumeric)
public:
    BOOL Edit(int row, int col, CRect rect, CPoint point, UINT id, UINT ch) override;
};

// A text that holds links ("www.", "http:", "mailto:" ...): drawn in the link colour, with the
// pointing hand over a link, opened with the desktop's program on a click. It is not edited.
class CGridURLCell : public CGridCell {
    DECLARE_DYNCREATE(CGridURLCell)
public:
    CGridURLCell();
    void SetUrlColour(COLORREF colour) { m_clrUrl = colour; }
    COLORREF GetUrlColour() const { return m_clrUrl; }
    void SetAutoLaunchUrl(BOOL launch = TRUE) { m_bLaunchUrl = launch; }
    BOOL GetAutoLaunchUrl() const { return m_bLaunchUrl; }
    static BOOL HasUrl(const CString& text);

    BOOL Draw(CDC* dc, int row, int col, CRect rect, BOOL eraseBackground = TRUE) override;
    BOOL Edit(int, int, CRect, CPoint, UINT, UINT) override { return FALSE; }
    void OnClick(CPoint point) override;
    BOOL OnSetCursor() override;

protected:
    // The link under a point relative to the cell, when there is one.
    BOOL OverURL(CPoint point, CString& url);

    COLORREF m_clrUrl;
    BOOL m_bLaunchUrl = TRUE;
    CRect m_Rect;  // where the cell was last drawn
};
