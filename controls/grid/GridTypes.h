#pragma once
// The small types the grid control shares with its owners: cell positions and ranges, cell
// state bits, the notification codes and the payloads sent with them.
#include "platform/CString.h"
#include "platform/Gdi.h"
#include "platform/WinDefs.h"

// A cell position; (-1, -1) names no cell.
class CCellID {
public:
    int row = -1;
    int col = -1;

    constexpr CCellID() = default;
    constexpr CCellID(int nRow, int nCol) : row(nRow), col(nCol) {}

    // Names some cell; whether the grid has it is CGridCtrl::IsValid.
    constexpr bool IsValid() const { return row >= 0 && col >= 0; }
    friend constexpr bool operator==(const CCellID&, const CCellID&) = default;
};

// An inclusive block of cells. The grid's "nothing selected" reads (row count, column count,
// -1, -1), so that a test for one whole row never passes on it.
class CCellRange {
public:
    constexpr CCellRange() = default;
    constexpr CCellRange(int minRow, int minCol, int maxRow, int maxCol)
        : m_minRow(minRow), m_minCol(minCol), m_maxRow(maxRow), m_maxCol(maxCol) {}

    void Set(int minRow = -1, int minCol = -1, int maxRow = -1, int maxCol = -1) {
        m_minRow = minRow;
        m_minCol = minCol;
        m_maxRow = maxRow;
        m_maxCol = maxCol;
    }
    int GetMinRow() const { return m_minRow; }
    int GetMinCol() const { return m_minCol; }
    int GetMaxRow() const { return m_maxRow; }
    int GetMaxCol() const { return m_maxCol; }
    void SetMinRow(int row) { m_minRow = row; }
    void SetMinCol(int col) { m_minCol = col; }
    void SetMaxRow(int row) { m_maxRow = row; }
    void SetMaxCol(int col) { m_maxCol = col; }
    int GetRowSpan() const { return m_maxRow - m_minRow + 1; }
    int GetColSpan() const { return m_maxCol - m_minCol + 1; }
    CCellID GetTopLeft() const { return {m_minRow, m_minCol}; }

    // All bounds set and in order; whether the grid has the cells is CGridCtrl::IsValid.
    bool IsValid() const {
        return m_minRow >= 0 && m_minCol >= 0 && m_maxRow >= 0 && m_maxCol >= 0 && m_minRow <= m_maxRow &&
               m_minCol <= m_maxCol;
    }
    bool InRange(int row, int col) const {
        return row >= m_minRow && row <= m_maxRow && col >= m_minCol && col <= m_maxCol;
    }
    bool InRange(const CCellID& cell) const { return InRange(cell.row, cell.col); }
    friend bool operator==(const CCellRange&, const CCellRange&) = default;

private:
    int m_minRow = -1;
    int m_minCol = -1;
    int m_maxRow = -1;
    int m_maxCol = -1;
};

// Cell state bits.
constexpr UINT GVIS_FOCUSED = 0x01;
constexpr UINT GVIS_SELECTED = 0x02;
constexpr UINT GVIS_DROPHILITED = 0x04;
constexpr UINT GVIS_READONLY = 0x08;
constexpr UINT GVIS_FIXED = 0x10;
constexpr UINT GVIS_FIXEDROW = 0x20;
constexpr UINT GVIS_FIXEDCOL = 0x40;
constexpr UINT GVIS_MODIFIED = 0x80;

// Which grid lines are drawn.
constexpr int GVL_NONE = 0;
constexpr int GVL_HORZ = 1;
constexpr int GVL_VERT = 2;
constexpr int GVL_BOTH = 3;

// Which cells a divider double click measures.
constexpr int GVS_DEFAULT = 0;
constexpr int GVS_HEADER = 1;
constexpr int GVS_DATA = 2;
constexpr int GVS_BOTH = 3;

// "Not set: use the default cell's colour." Never handed to a device context.
constexpr COLORREF CLR_DEFAULT = 0xFF000000;

// Notification codes (NM_CLICK, NM_DBLCLK and NM_RCLICK are the common controls' own).
constexpr int GVN_SELCHANGING = -100;
constexpr int GVN_SELCHANGED = -101;
constexpr int GVN_BEGINLABELEDIT = -105;
constexpr int GVN_ENDLABELEDIT = -106;
constexpr int GVN_BEGINDRAG = -109;
constexpr int GVN_CACHEHINT = -113;
constexpr int GVN_GETDISPINFO = -150;

// Item mask bits of an in-place editor's end notification (those of the list view's items).
constexpr UINT GVIF_TEXT = 0x0001;
constexpr UINT GVIF_PARAM = 0x0004;

// The payload of every grid notification but the display request and the cache hint.
// Row 0 is the heading row.
struct NM_GRIDVIEW {
    NMHDR hdr;
    int iRow = -1;
    int iColumn = -1;
};

// One cell as a display request (virtual mode) or an editor's end notification carries it.
struct GV_ITEM {
    int row = -1;
    int col = -1;
    UINT mask = 0;
    UINT nState = 0;
    UINT nFormat = 0;
    int iImage = -1;
    COLORREF crBkClr = CLR_DEFAULT;
    COLORREF crFgClr = CLR_DEFAULT;
    LPARAM lParam = 0;
    LOGFONT lfFont;
    UINT nMargin = 0;
    CString strText;
};

struct GV_DISPINFO {
    NMHDR hdr;
    GV_ITEM item;
};

struct GV_CACHEHINT {
    NMHDR hdr;
    CCellRange range;
};

// Supplies the cells of a grid in virtual mode; TRUE when it filled the item.
using GRIDCALLBACK = BOOL (*)(GV_DISPINFO* info, LPARAM param);
