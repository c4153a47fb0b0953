#include "tests/controls/GridTestSupport.h"

#include "platform/GuiRuntime.h"

void Pump() { GuiRuntime::PumpMessages(); }

GridOwner::GridOwner(int width, int height) {
    CreateEx(0, nullptr, "Grid owner", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, width + 20, height + 20), nullptr, 0);
    grid.Create(CRect(0, 0, width, height), this, kGridId);
    Pump();
}

GridOwner::~GridOwner() {
    grid.DestroyWindow();
    DestroyWindow();
}

const MessageMap& GridOwner::GetMessageMap() const {
    static const MessageMap map(CWnd::GetMessageMap(), {
        OnNotify(kGridId, NM_CLICK, &GridOwner::OnGridNotify),
        OnNotify(kGridId, NM_DBLCLK, &GridOwner::OnGridNotify),
        OnNotify(kGridId, NM_RCLICK, &GridOwner::OnGridNotify),
        OnNotify(kGridId, GVN_SELCHANGING, &GridOwner::OnGridNotify),
        OnNotify(kGridId, GVN_SELCHANGED, &GridOwner::OnGridNotify),
        OnNotify(kGridId, GVN_BEGINLABELEDIT, &GridOwner::OnGridNotify),
        OnNotify(kGridId, GVN_ENDLABELEDIT, &GridOwner::OnGridNotify),
        OnNotify(kGridId, GVN_BEGINDRAG, &GridOwner::OnGridNotify),
        OnClicked(kGridId, &GridOwner::OnGridClicked),
    });
    return map;
}

void GridOwner::OnGridNotify(NMHDR* header, LRESULT* result) {
    const auto* notify = reinterpret_cast<const NM_GRIDVIEW*>(header);
    notices.push_back({notify->hdr.code, notify->iRow, notify->iColumn});
    selectedRows.push_back(grid.GetSelectedCellRange().GetMinRow());
    if (notify->hdr.code == GVN_BEGINLABELEDIT) *result = beginEditAnswer;
    if (notify->hdr.code == GVN_ENDLABELEDIT) *result = endEditAnswer;
}

void GridOwner::OnGridClicked() { ++clickCommands; }

GridPicture::GridPicture(CGridCtrl& grid) {
    CRect client;
    grid.GetClientRect(&client);
    m_dc.CreateCompatibleDC(nullptr);
    m_bitmap.CreateCompatibleBitmap(nullptr, client.Width(), client.Height());
    m_dc.SelectObject(&m_bitmap);
    grid.OnDraw(&m_dc);
}

void MakeListGrid(CGridCtrl& grid, int dataRows, int cols) {
    for (int col = 0; col < cols; ++col) {
        CString heading;
        heading.Format("Heading %d", col);
        grid.InsertColumn(heading, DT_CENTER, -1);
    }
    grid.SetFixedRowCount(1);
    for (int col = 0; col < cols; ++col) grid.SetColumnWidth(col, 90);
    grid.SetSingleRowSelection(TRUE);
    grid.SetEditable(FALSE);
    grid.SetListMode(TRUE);
    for (int r = 1; r <= dataRows; ++r) {
        const int row = grid.InsertRow("", -1);
        for (int col = 0; col < cols; ++col) {
            CString text;
            text.Format("r%dc%d", row, col);
            grid.SetItemText(row, col, text);
        }
        grid.SetItemData(row, 1, 100 + row);
    }
}

CPoint CellCentre(const CGridCtrl& grid, int row, int col) {
    CRect rect;
    grid.GetCellRect(row, col, &rect);
    return rect.CenterPoint();
}

void Click(CGridCtrl& grid, CPoint point, UINT flags) {
    const LPARAM where = MAKELPARAM(point.x, point.y);
    grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | flags, where);
    grid.SendMessage(WM_LBUTTONUP, flags, where);
}

void DoubleClick(CGridCtrl& grid, CPoint point) {
    Click(grid, point);
    const LPARAM where = MAKELPARAM(point.x, point.y);
    grid.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, where);
    grid.SendMessage(WM_LBUTTONUP, 0, where);
}

void RightClick(CGridCtrl& grid, CPoint point) {
    const LPARAM where = MAKELPARAM(point.x, point.y);
    grid.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, where);
    grid.SendMessage(WM_RBUTTONUP, 0, where);
}

void Key(CWnd& window, UINT key) { window.SendMessage(WM_KEYDOWN, key, 0); }

void Char(CWnd& window, UINT ch) { window.SendMessage(WM_CHAR, ch, 0); }
