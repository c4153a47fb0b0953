#pragma once
// A window that owns one grid and writes down what the grid tells it, and the gestures the
// tests make on the grid: clicks, double clicks and keys sent as window messages.
#include <vector>

#include "controls/grid/GridCtrl.h"
#include "platform/DC.h"

// Delivers posted messages, timers and repaints that are due.
void Pump();

struct GridNotice {
    int code;
    int row;
    int col;
    friend bool operator==(const GridNotice&, const GridNotice&) = default;
};

class GridOwner : public CWnd {
public:
    static constexpr UINT kGridId = 1001;

    // A shown top-level window with the grid over its client area.
    explicit GridOwner(int width = 420, int height = 260);
    ~GridOwner() override;

    const MessageMap& GetMessageMap() const override;
    void ForgetNotices() {
        notices.clear();
        selectedRows.clear();
    }

    CGridCtrl grid;
    std::vector<GridNotice> notices;
    std::vector<int> selectedRows;  // the first selected row as each notice came
    int clickCommands = 0;
    LRESULT beginEditAnswer = 0;  // the owner's answer to GVN_BEGINLABELEDIT
    LRESULT endEditAnswer = 0;    // and to GVN_ENDLABELEDIT

private:
    void OnGridNotify(NMHDR* header, LRESULT* result);
    void OnGridClicked();
};

// The grid drawn into a bitmap of its client size, to read pixels from.
class GridPicture {
public:
    explicit GridPicture(CGridCtrl& grid);
    COLORREF At(int x, int y) const { return m_dc.GetPixel(x, y); }

private:
    CDC m_dc;
    CBitmap m_bitmap;
};

// The layout the program's windows give their grids: a heading row with the given headings,
// whole-row single selection, not editable, list mode. Each data row r has the texts
// "r<r>c<c>" and the item data 100 + r in column 1.
void MakeListGrid(CGridCtrl& grid, int dataRows, int cols = 3);

CPoint CellCentre(const CGridCtrl& grid, int row, int col);
void Click(CGridCtrl& grid, CPoint point, UINT flags = 0);
void DoubleClick(CGridCtrl& grid, CPoint point);
void RightClick(CGridCtrl& grid, CPoint point);
void Key(CWnd& window, UINT key);
void Char(CWnd& window, UINT ch);
