#pragma once
// The static splitter: a frame's client split into panes side by side (one row) or one
// above the other (one column), each pane a view, with bars the user drags. Panes are
// created with CreateView from a view's run-time class record and can be deleted and
// created again, which is how a pane's view is replaced.
//
// Widths: every pane but the last keeps its ideal size (given to CreateView or
// SetColumnInfo, then where the user dragged the bar); the last pane takes the rest.
#include <vector>

#include "View.h"

class CSplitterWnd : public CWnd {
    DECLARE_DYNAMIC(CSplitterWnd)
public:
    CSplitterWnd();
    ~CSplitterWnd() override;

    const MessageMap& GetMessageMap() const override;

    // One row of `cols` panes or one column of `rows` panes (a grid of both is refused).
    virtual BOOL CreateStatic(CWnd* parent, int rows, int cols, DWORD style = WS_CHILD | WS_VISIBLE,
                              UINT id = AFX_IDW_PANE_FIRST);
    // Creates a view of the class in the empty pane, sized `initialSize`, with the context's
    // document. FALSE when the pane is taken, the class makes no view, or creation fails.
    virtual BOOL CreateView(int row, int col, const CRuntimeClass* viewClass, SIZE initialSize,
                            CCreateContext* context);
    // Destroys the pane's view (which deletes itself); the pane is empty afterwards.
    virtual void DeleteView(int row, int col);

    int GetRowCount() const { return m_rows; }
    int GetColumnCount() const { return m_cols; }
    CWnd* GetPane(int row, int col) const;
    int IdFromRowCol(int row, int col) const;
    BOOL IsChildPane(CWnd* window, int* row, int* col) const;

    void SetColumnInfo(int col, int ideal, int minimum);
    void GetColumnInfo(int col, int& current, int& minimum) const;
    void SetRowInfo(int row, int ideal, int minimum);
    void GetRowInfo(int row, int& current, int& minimum) const;
    // Places the panes and bars in the splitter's client area.
    virtual void RecalcLayout();

    // The pane holding the frame's active view; nullptr when the active view is elsewhere.
    virtual CWnd* GetActivePane(int* row = nullptr, int* col = nullptr) const;
    virtual void SetActivePane(int row, int col, CWnd* window = nullptr);
    // Makes the next (or previous) pane's view the active view, wrapping round.
    virtual void ActivateNext(BOOL previous = FALSE);

protected:
    void OnSize(UINT type, int cx, int cy) override;

private:
    struct Track {
        int ideal = 0;
        int minimum = 0;
    };
    bool Horizontal() const { return m_rows == 1; }
    int PaneIndex(int row, int col) const { return Horizontal() ? col : row; }
    bool ValidPane(int row, int col) const { return row >= 0 && row < m_rows && col >= 0 && col < m_cols; }
    void RememberDraggedSizes();
    void SetTrackInfo(bool column, int index, int ideal, int minimum);
    void GetTrackInfo(bool column, int index, int& current, int& minimum) const;

    int m_rows = 0;
    int m_cols = 0;
    std::vector<Track> m_rowInfo;
    std::vector<Track> m_colInfo;
};
