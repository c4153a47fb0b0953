#pragma once
// A thin bar between two groups of controls that the user drags to move the boundary. The
// bar only reports how far it was dragged (WM_NOTIFY with code NM_SPLITTERBAR_MOVED to its
// owner); the owner moves and sizes its controls, with ChangeWidth and ChangePos.
#include "platform/Controls.h"

constexpr int NM_SPLITTERBAR_MOVED = 1025;

struct NM_SPLITTERBAR {
    NMHDR hdr;
    int delta = 0;  // pixels, positive to the right (vertical bar) or down (horizontal bar)
};

class CSplitterBar : public CStatic {
    DECLARE_DYNAMIC(CSplitterBar)
public:
    enum Orientation { kVertical = 1, kHorizontal = 2 };
    static constexpr int kThickness = 5;

    // Vertical when the rectangle is narrower than high; the bar is kThickness pixels thick
    // from the rectangle's left (or top) edge. The range is cleared (SetRange(0, 0, -1)).
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    // Drags stay within [centre - below, centre + above] (screen coordinates along the
    // bar's axis); a negative centre means the bar's middle where it stands when a drag
    // starts, so the range follows the bar through layout, moves and resizes.
    void SetRange(int below, int above, int centre = -1);

    Orientation GetOrientation() const { return m_orientation; }
    BOOL IsDragging() const { return m_dragging; }

    // Moves the window within its parent by dx to the LEFT and dy down.
    static void ChangePos(CWnd* window, int dx, int dy);
    // Side 1 moves the window's right edge by dx; side 2 moves its left edge left by dx.
    static void ChangeWidth(CWnd* window, int dx, int side);

protected:
    // The track line at `position` (screen coordinates along the axis); drawing it twice
    // removes it.
    virtual void DrawTrackLine(int position);

    void OnPaint() override;
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;

private:
    int AxisOf(CPoint clientPoint) const;  // the point along the drag axis, screen coordinates
    int Clamped(int position) const;

    BOOL m_dragging = FALSE;
    Orientation m_orientation = kVertical;
    int m_trackX = 0;
    int m_trackY = 0;
    int m_rangeBelow = 0;
    int m_rangeAbove = 0;
    int m_rangeCentre = -1;
    int m_rangeLow = 0;   // of the drag in progress
    int m_rangeHigh = -1;
    int m_dragStart = 0;
};
