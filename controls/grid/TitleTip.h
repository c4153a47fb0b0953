#pragma once
// The small popup that shows the whole text of a grid cell too narrow for it, laid exactly
// over the cell. While shown it holds the mouse: a move off the cell hides it, and every
// mouse message it gets goes on to the grid below.
#include "controls/grid/GridTypes.h"
#include "platform/Gdi.h"
#include "platform/Wnd.h"

class CGridTitleTip : public CWnd {
public:
    CGridTitleTip();
    ~CGridTitleTip() override;

    BOOL Create(CWnd* parent);
    void SetParentWnd(CWnd* parent) { m_pParentWnd = parent; }
    // title and hover in the parent's client pixels; the tip shows only when the text does not
    // fit the title rectangle.
    void Show(CRect title, LPCTSTR text, int xOffset = 0, LPRECT hover = nullptr, const LOGFONT* font = nullptr,
              COLORREF textClr = CLR_DEFAULT, COLORREF backClr = CLR_DEFAULT);
    void Hide();
    BOOL DestroyWindow() override;
    BOOL IsShown() const { return GetSafeHwnd() && IsWindowVisible(); }
    const CString& GetText() const { return m_strText; }

protected:
    void OnPaint() override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnLButtonDblClk(UINT flags, CPoint point) override;
    void OnRButtonDown(UINT flags, CPoint point) override;
    void OnRButtonUp(UINT flags, CPoint point) override;
    BOOL OnMouseWheel(UINT flags, short delta, CPoint screenPoint) override;

private:
    // Hides the tip and gives the mouse message to the parent in its client pixels.
    void PassOn(UINT message, UINT flags, CPoint point);

    CWnd* m_pParentWnd = nullptr;
    CRect m_rectHover;  // in the tip's client pixels
    BOOL m_bCreated = FALSE;
    DWORD m_dwLastLButtonDown = static_cast<DWORD>(-1);
    DWORD m_dwDblClickMsecs = 0;
    CString m_strText;
    CFont m_font;
    COLORREF m_crText = CLR_DEFAULT;
    COLORREF m_crBack = CLR_DEFAULT;
};
