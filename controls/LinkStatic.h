#pragma once
// A static text shown as a link: blue and underlined (purple once visited, the highlight
// colour while the mouse is over it), a pointing hand as cursor and the target as tooltip.
// A click opens the target (a web or mail address, or a file) with the desktop's program;
// when that fails the reason is shown. The window fits itself to its text.
#include <cstdint>

#include "platform/Controls.h"
#include "platform/Gdi.h"
#include "platform/SystemInfo.h"
#include "platform/ToolTipCtrl.h"

class CLinkStatic : public CStatic {
    DECLARE_DYNAMIC(CLinkStatic)
public:
    CLinkStatic();
    ~CLinkStatic() override;

    const MessageMap& GetMessageMap() const override;
    BOOL PreTranslateMessage(MSG* msg) override;

    // Stores the flag; a window that exists gets its font rebuilt and is repainted.
    void SetUnderline(BOOL underline = TRUE);
    BOOL GetUnderline() const { return m_underline; }
    // The visited flag; repaints.
    void SetAttribute(BOOL visited);
    BOOL IsVisited() const { return m_visited; }
    // What a click opens; empty: the window's text (taken when the window is attached).
    void SetLinkTarget(const CString& target) { m_target = target; }
    const CString& GetLinkTarget() const { return m_target; }

    // The colour the text is drawn in now.
    COLORREF TextColour() const;

    // Opens a target as a click does: the desktop's answer (above 32 on success).
    static std::intptr_t OpenTarget(const CString& target);
    // "Unable to open hyperlink:" and the reason for a failure code of OpenTarget.
    static CString OpenErrorText(int code);

protected:
    void PreSubclassWindow() override;
    void OnPaint() override;
    void OnMouseMove(UINT flags, CPoint point) override;
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message) override;
    // The reflected click: opens the target.
    virtual void OnClicked();
    // Mouse tracking ends (the over flag cleared, the capture released), e.g. before a
    // modal window takes the input.
    void StopHover();

private:
    void BuildFont();
    void FitToText();

    COLORREF m_linkColour = RGB(0, 0, 238);
    COLORREF m_visitedColour = RGB(85, 26, 139);
    COLORREF m_hoverColour;
    BOOL m_over = FALSE;
    BOOL m_visited = FALSE;
    BOOL m_underline = TRUE;
    BOOL m_adjustToFit = TRUE;
    CString m_target;
    CFont m_font;
    HCURSOR m_hand = nullptr;
    CToolTipCtrl m_toolTip;
};
