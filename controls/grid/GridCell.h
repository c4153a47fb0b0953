#pragma once
// The standard text cell, and the default cells that hold the attributes a cell leaves unset.
#include <memory>

#include "controls/grid/GridCellBase.h"
#include "platform/Gdi.h"

class CGridCell : public CGridCellBase {
    DECLARE_DYNCREATE(CGridCell)
public:
    CGridCell();
    ~CGridCell() override;
    using CGridCellBase::operator=;

    void SetText(LPCTSTR text) override { m_strText = text; }
    void TakeText(CString&& text) override { m_strText = std::move(text); }
    void SetImage(int image) override { m_nImage = image; }
    void SetData(LPARAM data) override { m_lParam = data; }
    void SetFormat(DWORD format) override { m_nFormat = format; }
    void SetTextClr(COLORREF colour) override { m_crFgClr = colour; }
    void SetBackClr(COLORREF colour) override { m_crBkClr = colour; }
    void SetFont(const LOGFONT* logFont) override;
    void SetMargin(UINT margin) override { m_nMargin = margin; }
    void SetGrid(CGridCtrl* grid) override { m_pGrid = grid; }
    void SetCoords(int, int) override {}

    LPCTSTR GetText() const override { return m_strText.GetString(); }
    int GetImage() const override { return m_nImage; }
    LPARAM GetData() const override { return m_lParam; }
    DWORD GetFormat() const override;
    COLORREF GetTextClr() const override { return m_crFgClr; }
    COLORREF GetBackClr() const override { return m_crBkClr; }
    const LOGFONT* GetFont() const override;
    CFont* GetFontObject() const override;
    CGridCtrl* GetGrid() const override { return m_pGrid; }
    CWnd* GetEditWnd() const override { return m_pEditWnd; }
    UINT GetMargin() const override;

    BOOL IsDefaultFont() const override { return m_plfFont == nullptr; }
    BOOL IsEditing() const override { return m_bEditing; }

    void Reset() override;

    // Opens the in-place editor over rect (or passes ch on to the one already open).
    BOOL Edit(int row, int col, CRect rect, CPoint point, UINT id, UINT ch) override;
    void EndEdit() override;
    void OnEndEdit() override;

protected:
    // The text editor over the cell, aligned as the text, with extra edit styles.
    BOOL OpenTextEditor(int row, int col, CRect rect, UINT id, UINT ch, DWORD extraStyle);

    CString m_strText;
    LPARAM m_lParam = 0;
    int m_nImage = -1;
    DWORD m_nFormat = static_cast<DWORD>(-1);
    COLORREF m_crFgClr = CLR_DEFAULT;
    COLORREF m_crBkClr = CLR_DEFAULT;
    std::unique_ptr<LOGFONT> m_plfFont;
    UINT m_nMargin = static_cast<UINT>(-1);
    BOOL m_bEditing = FALSE;
    CGridCtrl* m_pGrid = nullptr;
    CWnd* m_pEditWnd = nullptr;  // the editor deletes itself when it closes
};

// One per kind of cell in a grid: ordinary, fixed-row, fixed-column and corner cells. It also
// knows the default column width and row height, which follow its font.
class CGridDefaultCell : public CGridCell {
    DECLARE_DYNCREATE(CGridDefaultCell)
public:
    CGridDefaultCell();
    ~CGridDefaultCell() override = default;
    using CGridCellBase::operator=;

    void SetData(LPARAM) override {}
    void SetState(DWORD) override {}
    DWORD GetState() const override { return CGridCell::GetState() | GVIS_READONLY; }
    // Also sets the default width, height and margin from the font's measure.
    void SetFont(const LOGFONT* logFont) override;
    const LOGFONT* GetFont() const override { return m_plfFont.get(); }
    CFont* GetFontObject() const override { return &m_Font; }

    DWORD GetStyle() const { return m_dwStyle; }
    void SetStyle(DWORD style) { m_dwStyle = style; }
    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }
    void SetWidth(int width) { m_nWidth = width; }
    void SetHeight(int height) { m_nHeight = height; }

protected:
    int m_nWidth = 30;
    int m_nHeight = 10;
    mutable CFont m_Font;
    DWORD m_dwStyle = 0;
};
