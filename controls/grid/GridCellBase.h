#pragma once
// The abstract grid cell: its state bits, and everything that can be said in terms of the
// other operations (drawing, measuring, printing, copying, the default-cell lookup). The
// stored attributes live in CGridCell.
#include "controls/grid/GridTypes.h"
#include "platform/DC.h"
#include "platform/Object.h"

class CGridCtrl;
class CWnd;

class CGridCellBase : public CObject {
    DECLARE_DYNAMIC(CGridCellBase)
public:
    ~CGridCellBase() override = default;

    virtual void SetText(LPCTSTR text) = 0;
    // The same, handing over a text the caller no longer needs, so a long list is not copied twice.
    virtual void TakeText(CString&& text) { SetText(text.GetString()); }
    virtual void SetImage(int image) = 0;
    virtual void SetData(LPARAM data) = 0;
    virtual void SetState(DWORD state) { m_nState = state; }
    virtual void SetFormat(DWORD format) = 0;
    virtual void SetTextClr(COLORREF colour) = 0;
    virtual void SetBackClr(COLORREF colour) = 0;
    virtual void SetFont(const LOGFONT* logFont) = 0;
    virtual void SetMargin(UINT margin) = 0;
    virtual void SetGrid(CGridCtrl* grid) = 0;
    virtual void SetCoords(int row, int col) = 0;

    virtual LPCTSTR GetText() const = 0;  // never null
    virtual LPCTSTR GetTipText() const { return GetText(); }
    virtual int GetImage() const = 0;
    virtual LPARAM GetData() const = 0;
    virtual DWORD GetState() const { return m_nState; }
    virtual DWORD GetFormat() const = 0;
    virtual COLORREF GetTextClr() const = 0;
    virtual COLORREF GetBackClr() const = 0;
    virtual const LOGFONT* GetFont() const = 0;
    virtual CFont* GetFontObject() const = 0;
    virtual CGridCtrl* GetGrid() const = 0;
    virtual CWnd* GetEditWnd() const = 0;
    virtual UINT GetMargin() const = 0;
    // The grid's default cell for this cell's kind (ordinary, fixed row, fixed column, corner).
    virtual CGridCellBase* GetDefaultCell() const;

    virtual BOOL IsDefaultFont() const = 0;
    virtual BOOL IsEditing() const = 0;
    virtual BOOL IsFocused() const { return (GetState() & GVIS_FOCUSED) != 0; }
    virtual BOOL IsFixed() const { return (GetState() & GVIS_FIXED) != 0; }
    virtual BOOL IsFixedCol() const { return (GetState() & GVIS_FIXEDCOL) != 0; }
    virtual BOOL IsFixedRow() const { return (GetState() & GVIS_FIXEDROW) != 0; }
    virtual BOOL IsSelected() const { return (GetState() & GVIS_SELECTED) != 0; }
    virtual BOOL IsReadOnly() const { return (GetState() & GVIS_READONLY) != 0; }
    virtual BOOL IsModified() const { return (GetState() & GVIS_MODIFIED) != 0; }
    virtual BOOL IsDropHighlighted() const { return (GetState() & GVIS_DROPHILITED) != 0; }

    // Takes over every attribute of the other cell through the setters.
    virtual CGridCellBase& operator=(const CGridCellBase& cell);
    virtual void Reset() { m_nState = 0; }

    // rect: the cell's rectangle with its right and bottom edge inside the cell.
    virtual BOOL Draw(CDC* dc, int row, int col, CRect rect, BOOL eraseBackground = TRUE);
    virtual BOOL GetTextRect(LPRECT rect);
    virtual BOOL GetTipTextRect(LPRECT rect) { return GetTextRect(rect); }
    virtual CSize GetTextExtent(LPCTSTR text, CDC* dc = nullptr);
    virtual CSize GetCellExtent(CDC* dc);

    // In-place editing; ch is the character that started it (VK_LBUTTON for a click).
    virtual BOOL Edit(int, int, CRect, CPoint, UINT, UINT) { return FALSE; }
    virtual BOOL ValidateEdit(LPCTSTR) { return TRUE; }
    virtual void EndEdit() {}

    virtual BOOL PrintCell(CDC* dc, int row, int col, CRect rect);

    // Called by the grid when the cell's editor has closed.
    virtual void OnEndEdit() {}
    virtual void OnMouseEnter() {}
    virtual void OnMouseOver() {}
    virtual void OnMouseLeave() {}
    // Points are relative to the cell's top-left corner.
    virtual void OnClick(CPoint) {}
    virtual void OnClickDown(CPoint) {}
    virtual void OnRClick(CPoint) {}
    virtual void OnDblClick(CPoint) {}
    virtual BOOL OnSetCursor();

protected:
    CGridCellBase() = default;
    CGridCellBase(const CGridCellBase&) = delete;

    // The image size when the cell shows an image of the grid's image list.
    bool GetImageSize(CSize* size) const;
    // The text and background colours before highlighting: the cell's own, else its default cell's.
    COLORREF EffectiveTextClr() const;
    COLORREF EffectiveBackClr() const;

    DWORD m_nState = 0;

private:
    void DrawFixedCellFrame(CDC* dc, int row, int col, CRect& rect, bool allowSunken) const;
    void DrawSortArrow(CDC* dc, CRect& rect) const;
};
