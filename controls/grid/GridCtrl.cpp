// The grid's object, window and storage: construction, rows, columns and cells, items,
// options, the modified flag, virtual mode and the notifications to the owner.
#include "controls/grid/GridCtrl.h"

#include <cstring>
#include <new>

#include "platform/CommandIds.h"
#include "platform/SystemInfo.h"

IMPLEMENT_DYNCREATE(CGridCtrl, CWnd)

namespace {

constexpr UINT kMsgSysColorChange = 0x0015;  // the desktop's colours changed

}  // namespace

CGridCtrl::CGridCtrl(int rows, int cols, int fixedRows, int fixedCols) {
    ReadSystemColours();
    UINT lines = 3;
    if (SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) m_nRowsPerWheelNotch = static_cast<int>(lines);

    m_pRtcDefault = RUNTIME_CLASS(CGridCell);
    for (CGridDefaultCell* cell : {&m_cellDefault, &m_cellFixedColDef, &m_cellFixedRowDef, &m_cellFixedRowColDef}) {
        cell->SetGrid(this);
        cell->SetTextClr(m_crWindowText);
        cell->SetBackClr(m_cr3DFace);
    }
    m_cellDefault.SetBackClr(m_crWindowColour);
    m_crGridBkColour = m_crShadow;

    SetRowCount(rows);
    SetColumnCount(cols);
    SetFixedRowCount(fixedRows);
    SetFixedColumnCount(fixedCols);
}

CGridCtrl::~CGridCtrl() {
    if (GetSafeHwnd()) DestroyWindow();
    DeleteAllItems();
}

BOOL CGridCtrl::Create(const RECT& rect, CWnd* parent, UINT id, DWORD style) {
    if (!CWnd::Create("MFCGridCtrl", nullptr, style, rect, parent, id)) return FALSE;
    m_TitleTip.SetParentWnd(this);
    ResetScrollBars();
    return TRUE;
}

const MessageMap& CGridCtrl::GetMessageMap() const {
    static const MessageMap map(CWnd::GetMessageMap(), {
        OnNotify(IDC_INPLACE_CONTROL, GVN_ENDLABELEDIT, &CGridCtrl::OnEndInPlaceEdit),
        OnCommand(ID_EDIT_COPY, &CGridCtrl::OnEditCopy),
        OnCommand(ID_EDIT_CUT, &CGridCtrl::OnEditCut),
        OnCommand(ID_EDIT_PASTE, &CGridCtrl::OnEditPaste),
        OnCommand(ID_EDIT_SELECT_ALL, &CGridCtrl::OnEditSelectAll),
        OnUpdateCommandUI(ID_EDIT_COPY, &CGridCtrl::OnUpdateEditCopy),
        OnUpdateCommandUI(ID_EDIT_CUT, &CGridCtrl::OnUpdateEditCut),
        OnUpdateCommandUI(ID_EDIT_PASTE, &CGridCtrl::OnUpdateEditPaste),
        OnUpdateCommandUI(ID_EDIT_SELECT_ALL, &CGridCtrl::OnUpdateEditSelectAll),
    });
    return map;
}

// Attached to a dialog template's control: the title tip learns its parent, and the window
// is nudged by one pixel and back so that its frame and scroll bars are laid out afresh.
void CGridCtrl::PreSubclassWindow() {
    CWnd::PreSubclassWindow();
    if (m_bInPreSubclass) return;
    m_bInPreSubclass = true;
    m_TitleTip.SetParentWnd(this);
    if (GetSafeHwnd()) {
        ModifyStyle(0, 0x200);
        CRect rect;
        GetWindowRect(&rect);
        if (CWnd* parent = GetParent()) parent->ScreenToClient(&rect);
        CRect grown = rect;
        grown.InflateRect(1, 1);
        MoveWindow(&grown, TRUE);
        MoveWindow(&rect, TRUE);
        ResetScrollBars();
    }
    m_bInPreSubclass = false;
}

// An editor still open goes with the grid, quietly: its edit never ended. So does the title tip.
// The window that goes is the in-place control, not what the cell reports as its editor: for
// a drop-down list that is the combo box's edit field, and the whole combo box must go.
void CGridCtrl::OnDestroy() {
    if (CGridCellBase* cell = GetCell(m_idCurrentCell.row, m_idCurrentCell.col); cell && cell->IsEditing())
        cell->OnEndEdit();
    while (CWnd* editor = GetDlgItem(IDC_INPLACE_CONTROL))
        if (!editor->DestroyWindow()) break;
    if (m_TitleTip.GetSafeHwnd()) m_TitleTip.DestroyWindow();
    CWnd::OnDestroy();
}

LRESULT CGridCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETFONT: {
            const LRESULT result = CWnd::WindowProc(message, wParam, lParam);
            OnSetFont(reinterpret_cast<HFONT>(wParam));
            return result;
        }
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(m_cellDefault.GetFontObject()->GetSafeHandle());
        case kMsgPostedClick:
            PostClickCommand();
            return 0;
        case kMsgSysColorChange: {
            const LRESULT result = CWnd::WindowProc(message, wParam, lParam);
            OnSysColorChange();
            return result;
        }
        default:
            return CWnd::WindowProc(message, wParam, lParam);
    }
}

void CGridCtrl::OnSize(UINT type, int cx, int cy) {
    if (m_bInSize) return;
    m_bInSize = true;
    if (GetSafeHwnd()) {
        EndEditing();
        CWnd::OnSize(type, cx, cy);
        ResetScrollBars();
        if (!m_DropTarget.IsRegistered()) m_DropTarget.Register(this);
    }
    m_bInSize = false;
}

// The new font becomes the default cells' font; existing sizes stay as they are.
void CGridCtrl::OnSetFont(HFONT font) {
    CFont* object = CFont::FromHandle(font);
    LOGFONT logFont;
    if (object == nullptr || !object->GetLogFont(&logFont)) return;
    for (CGridDefaultCell* cell : {&m_cellDefault, &m_cellFixedColDef, &m_cellFixedRowDef, &m_cellFixedRowColDef})
        cell->SetFont(&logFont);
    Refresh();
}

void CGridCtrl::ReadSystemColours() {
    m_crWindowText = GetSysColor(COLOR_WINDOWTEXT);
    m_crWindowColour = GetSysColor(COLOR_WINDOW);
    m_cr3DFace = GetSysColor(COLOR_3DFACE);
    m_crShadow = GetSysColor(COLOR_3DSHADOW);
}

// Default colours that still follow the desktop move with it; chosen ones stay.
void CGridCtrl::OnSysColorChange() {
    for (CGridDefaultCell* cell : {&m_cellDefault, &m_cellFixedColDef, &m_cellFixedRowDef, &m_cellFixedRowColDef}) {
        if (cell->GetTextClr() == m_crWindowText) cell->SetTextClr(GetSysColor(COLOR_WINDOWTEXT));
        if (cell->GetBackClr() == m_crWindowColour) cell->SetBackClr(GetSysColor(COLOR_WINDOW));
    }
    if (m_crGridBkColour == m_crShadow) m_crGridBkColour = GetSysColor(COLOR_3DSHADOW);
    ReadSystemColours();
}

// The selected-cell map's key: wide enough for any row count.
std::uint64_t CGridCtrl::CellKey(int row, int col) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(col)) << 32) | static_cast<std::uint32_t>(row);
}

// ---- cells --------------------------------------------------------------------------------

CGridCellBase* CGridCtrl::CreateCell(int row, int col) {
    if (m_pRtcDefault == nullptr || !m_pRtcDefault->IsDerivedFrom(RUNTIME_CLASS(CGridCellBase))) return nullptr;
    // The class was checked above, so the object is a cell: no run-time cast per cell, which
    // a long list would pay a million times.
    auto* cell = static_cast<CGridCellBase*>(m_pRtcDefault->CreateObject());
    if (cell == nullptr) return nullptr;
    cell->SetGrid(this);
    cell->SetCoords(row, col);
    SetFixedFlags(cell, row < m_nFixedRows, col < m_nFixedCols);
    if (CGridCellBase* defaultCell = cell->GetDefaultCell()) cell->SetFormat(defaultCell->GetFormat());
    return cell;
}

void CGridCtrl::SetFixedFlags(CGridCellBase* cell, bool fixedRow, bool fixedCol) {
    DWORD state = cell->GetState();
    if (fixedCol) state |= GVIS_FIXED | GVIS_FIXEDCOL;
    if (fixedRow) state |= GVIS_FIXED | GVIS_FIXEDROW;
    cell->SetState(state);
}

void CGridCtrl::DestroyCell(int row, int col) {
    if (m_bVirtualMode || row < 0 || row >= static_cast<int>(m_RowData.size())) return;
    CGridRow& cells = m_RowData[static_cast<size_t>(row)];
    if (col >= 0 && col < static_cast<int>(cells.size())) cells[static_cast<size_t>(col)].reset();
}

CGridCellBase* CGridCtrl::GetCell(int row, int col) const {
    if (!IsValid(row, col)) return nullptr;
    if (m_bVirtualMode) return DisplayCell(row, col);
    if (row >= static_cast<int>(m_RowData.size())) return nullptr;
    const CGridRow& cells = m_RowData[static_cast<size_t>(row)];
    return col < static_cast<int>(cells.size()) ? cells[static_cast<size_t>(col)].get() : nullptr;
}

CGridCellBase* CGridCtrl::GetDefaultCell(BOOL fixedRow, BOOL fixedCol) const {
    if (fixedRow && fixedCol) return &m_cellFixedRowColDef;
    if (fixedRow) return &m_cellFixedRowDef;
    if (fixedCol) return &m_cellFixedColDef;
    return &m_cellDefault;
}

BOOL CGridCtrl::IsValid(const CCellRange& range) const {
    return range.IsValid() && range.GetMaxRow() < m_nRows && range.GetMaxCol() < m_nCols;
}

BOOL CGridCtrl::SetDefaultCellType(const CRuntimeClass* cellClass) {
    if (cellClass == nullptr || !cellClass->IsDerivedFrom(RUNTIME_CLASS(CGridCellBase))) return FALSE;
    m_pRtcDefault = cellClass;
    return TRUE;
}

// One display item and one display cell serve the whole process: a request's answer is valid
// until the next request.
CGridCellBase* CGridCtrl::DisplayCell(int row, int col) const {
    static GV_DISPINFO request;
    static CGridCell cell;
    const bool fixedRow = row < m_nFixedRows;
    const bool fixedCol = col < m_nFixedCols;
    const CGridCellBase* defaultCell = GetDefaultCell(fixedRow, fixedCol);

    GV_ITEM& item = request.item;
    item.row = row;
    item.col = col;
    item.mask = static_cast<UINT>(-1);
    item.nState = 0;
    item.nFormat = defaultCell->GetFormat();
    item.iImage = defaultCell->GetImage();
    item.crBkClr = defaultCell->GetBackClr();
    item.crFgClr = defaultCell->GetTextClr();
    item.lParam = defaultCell->GetData();
    item.lfFont = defaultCell->GetFont() ? *defaultCell->GetFont() : LOGFONT{};
    item.nMargin = defaultCell->GetMargin();
    item.strText.Empty();
    if (m_SelectedCellMap.count(CellKey(row, col))) item.nState |= GVIS_SELECTED;
    if (fixedRow) item.nState |= GVIS_FIXED | GVIS_FIXEDROW;
    if (fixedCol) item.nState |= GVIS_FIXED | GVIS_FIXEDCOL;
    if (CCellID(row, col) == m_idCurrentCell) item.nState |= GVIS_FOCUSED;

    if (m_pfnCallback) m_pfnCallback(&request, m_lParam);
    else SendDisplayRequestToParent(&request);

    cell.SetGrid(const_cast<CGridCtrl*>(this));
    cell.SetState(item.nState);
    cell.SetFormat(item.nFormat);
    cell.SetImage(item.iImage);
    cell.SetData(item.lParam);
    cell.SetBackClr(item.crBkClr);
    cell.SetTextClr(item.crFgClr);
    const LOGFONT* defaultFont = defaultCell->GetFont();
    const bool sameFont = defaultFont && std::memcmp(defaultFont, &item.lfFont, sizeof(LOGFONT)) == 0;
    cell.SetFont(sameFont ? nullptr : &item.lfFont);
    cell.SetMargin(item.nMargin);
    cell.SetText(item.strText);
    return &cell;
}

// ---- counts ---------------------------------------------------------------------------------

BOOL CGridCtrl::SetRowCount(int rows) {
    if (rows == m_nRows) return TRUE;
    if (rows < 0) return FALSE;
    m_idTopLeftCell.row = -1;
    if (rows < m_nFixedRows) m_nFixedRows = rows;
    if (m_idCurrentCell.row >= rows) m_idCurrentCell = CCellID();

    if (rows < m_nRows && !m_bVirtualMode) {
        m_RowData.resize(static_cast<size_t>(rows));
    }
    BOOL result = TRUE;
    try {
        const UINT height = static_cast<UINT>(m_cellDefault.GetHeight());
        if (m_bVirtualMode) {
            m_arRowHeights.SetSize(rows, height);
            m_nRows = rows;
        } else if (rows < m_nRows) {
            m_arRowHeights.SetSize(rows, height);
            m_nRows = rows;
        } else {
            m_RowData.reserve(static_cast<size_t>(rows));
            for (int row = m_nRows; row < rows; ++row) {
                CGridRow cells(static_cast<size_t>(m_nCols));
                for (int col = 0; col < m_nCols; ++col) cells[static_cast<size_t>(col)].reset(CreateCell(row, col));
                m_RowData.push_back(std::move(cells));
                m_arRowHeights.Append(height);
                ++m_nRows;
            }
        }
    } catch (const std::bad_alloc&) {
        result = FALSE;
    }
    SetModified(TRUE, -1, -1);
    ResetScrollBars();
    Refresh();
    return result;
}

BOOL CGridCtrl::SetColumnCount(int cols) {
    if (cols == m_nCols) return TRUE;
    if (cols < 0) return FALSE;
    m_idTopLeftCell.row = -1;
    if (cols < m_nFixedCols) m_nFixedCols = cols;
    if (m_idCurrentCell.col >= cols) m_idCurrentCell = CCellID();

    BOOL result = TRUE;
    const int oldCols = m_nCols;
    try {
        m_arColWidths.SetSize(cols, static_cast<UINT>(m_cellFixedColDef.GetWidth()));
        if (!m_bVirtualMode) {
            for (int row = 0; row < static_cast<int>(m_RowData.size()); ++row) {
                CGridRow& cells = m_RowData[static_cast<size_t>(row)];
                cells.resize(static_cast<size_t>(cols));
                for (int col = oldCols; col < cols; ++col) cells[static_cast<size_t>(col)].reset(CreateCell(row, col));
            }
        }
        m_nCols = cols;
    } catch (const std::bad_alloc&) {
        result = FALSE;
    }
    SetModified(TRUE, -1, -1);
    ResetScrollBars();
    Refresh();
    return result;
}

BOOL CGridCtrl::SetFixedRowCount(int fixedRows) { return SetFixedCount(true, fixedRows); }

BOOL CGridCtrl::SetFixedColumnCount(int fixedCols) { return SetFixedCount(false, fixedCols); }

// Heading rows (or columns) added or taken away: their cells gain or lose the heading look,
// and both colours go back to the defaults of their new kind.
BOOL CGridCtrl::SetFixedCount(bool rows, int count) {
    int& fixed = rows ? m_nFixedRows : m_nFixedCols;
    if (count == fixed) return TRUE;
    if (count < 0) return FALSE;
    ResetSelectedRange();
    m_idTopLeftCell.row = -1;
    if (count > (rows ? m_nRows : m_nCols) && !(rows ? SetRowCount(count) : SetColumnCount(count))) return FALSE;
    if ((rows ? m_idCurrentCell.row : m_idCurrentCell.col) < count) SetFocusCell(-1, -1);

    if (!m_bVirtualMode) {
        const bool growing = count > fixed;
        const DWORD bit = rows ? GVIS_FIXEDROW : GVIS_FIXEDCOL;
        const int across = rows ? m_nCols : m_nRows;
        const int fixedAcross = rows ? m_nFixedCols : m_nFixedRows;
        for (int i = std::min(count, fixed); i < std::max(count, fixed); ++i) {
            for (int j = 0; j < across; ++j) {
                CGridCellBase* cell = rows ? GetCell(i, j) : GetCell(j, i);
                if (cell == nullptr) continue;
                const bool stillFixed = j < fixedAcross;
                const DWORD state = cell->GetState();
                if (growing) cell->SetState(state | GVIS_FIXED | bit);
                else cell->SetState(state & ~(stillFixed ? bit : (GVIS_FIXED | bit)));
                if (growing || !stillFixed) {
                    cell->SetBackClr(CLR_DEFAULT);
                    cell->SetTextClr(CLR_DEFAULT);
                }
            }
        }
    }
    fixed = count;
    ResetScrollBars();
    Refresh();
    return TRUE;
}

// ---- insertion and deletion -------------------------------------------------------------------

int CGridCtrl::InsertColumn(LPCTSTR heading, UINT format, int column) {
    if (column >= 0 && (column < m_nFixedCols || column > m_nCols)) return -1;
    m_idTopLeftCell.row = -1;
    ResetSelectedRange();
    if (m_nRows < 1) SetRowCount(1);
    if (column < 0) column = m_nCols;

    try {
        m_arColWidths.InsertAt(column, 0);
        if (!m_bVirtualMode) {
            for (int row = 0; row < m_nRows; ++row) {
                CGridRow& cells = m_RowData[static_cast<size_t>(row)];
                cells.emplace(cells.begin() + column, CreateCell(row, column));
            }
        }
    } catch (const std::bad_alloc&) {
        return -1;
    }
    ++m_nCols;

    SetItemText(0, column, heading);
    for (int row = 0; row < m_nRows; ++row) SetItemFormat(row, column, format);
    m_arColWidths.Set(column, static_cast<UINT>(std::max(0, GetTextExtent(0, column, heading).cx)));
    if (m_idCurrentCell.col != -1 && column < m_idCurrentCell.col) ++m_idCurrentCell.col;

    ResetScrollBars();
    SetModified(TRUE, -1, -1);
    return column;
}

int CGridCtrl::InsertRow(LPCTSTR heading, int row) {
    if (row >= 0 && (row < m_nFixedRows || row >= m_nRows)) return -1;
    m_idTopLeftCell.row = -1;
    ResetSelectedRange();
    if (m_nCols < 1) SetColumnCount(1);
    if (row < 0) row = m_nRows;

    try {
        m_arRowHeights.InsertAt(row, 0);
        if (!m_bVirtualMode) {
            m_RowData.emplace(m_RowData.begin() + row, static_cast<size_t>(m_nCols));
            CGridRow& cells = m_RowData[static_cast<size_t>(row)];
            for (int col = 0; col < m_nCols; ++col) cells[static_cast<size_t>(col)].reset(CreateCell(row, col));
        }
    } catch (const std::bad_alloc&) {
        return -1;
    }
    ++m_nRows;

    SetItemText(row, 0, heading);
    const bool noHeading = heading == nullptr || *heading == '\0';
    const int height = noHeading ? m_cellFixedRowDef.GetHeight() : GetTextExtent(row, 0, heading).cy;
    m_arRowHeights.Set(row, static_cast<UINT>(std::max(0, height)));
    if (m_idCurrentCell.row != -1 && row < m_idCurrentCell.row) ++m_idCurrentCell.row;

    ResetScrollBars();
    SetModified(TRUE, -1, -1);
    return row;
}

BOOL CGridCtrl::DeleteRow(int row) {
    if (row < 0 || row >= m_nRows) return FALSE;
    ResetSelectedRange();
    if (!m_bVirtualMode) {
        if (row >= static_cast<int>(m_RowData.size())) return FALSE;
        m_RowData.erase(m_RowData.begin() + row);
    }
    m_arRowHeights.RemoveAt(row);
    --m_nRows;
    if (row < m_nFixedRows) --m_nFixedRows;
    if (row == m_idCurrentCell.row) m_idCurrentCell = CCellID();
    else if (row < m_idCurrentCell.row) --m_idCurrentCell.row;
    m_idTopLeftCell.row = -1;
    ResetScrollBars();
    SetModified(TRUE, -1, -1);
    return TRUE;
}

BOOL CGridCtrl::DeleteNonFixedRows() {
    ResetSelectedRange();
    if (m_nRows <= m_nFixedRows) return TRUE;
    // In one step: a long list is emptied without laying the grid out once per row.
    if (!m_bVirtualMode) m_RowData.resize(static_cast<size_t>(m_nFixedRows));
    m_arRowHeights.SetSize(m_nFixedRows, 0);
    m_nRows = m_nFixedRows;
    if (m_idCurrentCell.row >= m_nFixedRows) m_idCurrentCell = CCellID();
    m_idTopLeftCell.row = -1;
    ResetScrollBars();
    SetModified(TRUE, -1, -1);
    return TRUE;
}

BOOL CGridCtrl::DeleteAllItems() {
    ResetSelectedRange();
    m_arColWidths.RemoveAll();
    m_arRowHeights.RemoveAll();
    m_RowData.clear();
    m_idCurrentCell = CCellID();
    m_idTopLeftCell.row = -1;
    m_nRows = m_nFixedRows = m_nCols = m_nFixedCols = 0;
    ResetScrollBars();
    SetModified(TRUE, -1, -1);
    return TRUE;
}

// ---- items -------------------------------------------------------------------------------------

CGridCellBase* CGridCtrl::StoredCell(int row, int col) const { return m_bVirtualMode ? nullptr : GetCell(row, col); }

BOOL CGridCtrl::SetItemText(int row, int col, LPCTSTR text) {
    CGridCellBase* cell = StoredCell(row, col);
    if (cell == nullptr) return FALSE;
    cell->SetText(text);
    SetModified(TRUE, row, col);
    return TRUE;
}

BOOL CGridCtrl::SetItemText(int row, int col, CString&& text) {
    CGridCellBase* cell = StoredCell(row, col);
    if (cell == nullptr) return FALSE;
    cell->TakeText(std::move(text));
    SetModified(TRUE, row, col);
    return TRUE;
}

BOOL CGridCtrl::SetItemData(int row, int col, LPARAM data) {
    CGridCellBase* cell = StoredCell(row, col);
    if (cell == nullptr) return FALSE;
    cell->SetData(data);
    SetModified(TRUE, row, col);
    return TRUE;
}

// The selected-cell map follows first, also in virtual mode, where it is all there is.
BOOL CGridCtrl::SetItemState(int row, int col, UINT state) {
    if (!IsValid(row, col)) return FALSE;
    const std::uint64_t key = CellKey(row, col);
    const bool selectedNow = m_SelectedCellMap.count(key) != 0;
    if (!selectedNow && (state & GVIS_SELECTED)) m_SelectedCellMap.emplace(key, CCellID(row, col));
    else if (selectedNow && !(state & GVIS_SELECTED)) m_SelectedCellMap.erase(key);
    if (m_bVirtualMode) return TRUE;
    CGridCellBase* cell = GetCell(row, col);
    if (cell == nullptr) return FALSE;
    cell->SetState(state);
    return TRUE;
}

BOOL CGridCtrl::SetItemFormat(int row, int col, UINT format) {
    CGridCellBase* cell = StoredCell(row, col);
    if (cell) cell->SetFormat(format);
    return cell != nullptr;
}

BOOL CGridCtrl::SetItemBkColour(int row, int col, COLORREF colour) {
    CGridCellBase* cell = StoredCell(row, col);
    if (cell) cell->SetBackClr(colour);
    return cell != nullptr;
}

BOOL CGridCtrl::SetItemFgColour(int row, int col, COLORREF colour) {
    CGridCellBase* cell = StoredCell(row, col);
    if (cell) cell->SetTextClr(colour);
    return cell != nullptr;
}

CString CGridCtrl::GetItemText(int row, int col) const {
    const CGridCellBase* cell = GetCell(row, col);
    return cell ? CString(cell->GetText()) : CString();
}

LPARAM CGridCtrl::GetItemData(int row, int col) const {
    const CGridCellBase* cell = GetCell(row, col);
    return cell ? cell->GetData() : 0;
}

UINT CGridCtrl::GetItemState(int row, int col) const {
    const CGridCellBase* cell = GetCell(row, col);
    return cell ? cell->GetState() : 0;
}

UINT CGridCtrl::GetItemFormat(int row, int col) const {
    const CGridCellBase* cell = GetCell(row, col);
    return cell ? cell->GetFormat() : 0;
}

COLORREF CGridCtrl::GetItemBkColour(int row, int col) const {
    const CGridCellBase* cell = GetCell(row, col);
    return cell ? cell->GetBackClr() : CLR_DEFAULT;
}

COLORREF CGridCtrl::GetItemFgColour(int row, int col) const {
    const CGridCellBase* cell = GetCell(row, col);
    return cell ? cell->GetTextClr() : CLR_DEFAULT;
}

BOOL CGridCtrl::SetItemTextWithNotify(int row, int col, LPCTSTR text) {
    if (!IsCellEditable(row, col) || SendMessageToParent(row, col, GVN_BEGINLABELEDIT) < 0) return FALSE;
    const CString oldText = GetItemText(row, col);
    const CString newText = text ? text : "";
    if (oldText == newText) return TRUE;
    SetItemText(row, col, newText);
    if (ValidateEdit(row, col, newText) && SendMessageToParent(row, col, GVN_ENDLABELEDIT) >= 0) {
        SetModified(TRUE, row, col);
        RedrawCell(row, col);
        return TRUE;
    }
    SetItemText(row, col, oldText);
    return FALSE;
}

BOOL CGridCtrl::IsCellEditable(int row, int col) const {
    if (!m_bEditable) return FALSE;
    return (GetItemState(row, col) & GVIS_READONLY) == 0;
}

void CGridCtrl::RebuildItemDataMap() {
    m_ItemDataMap.clear();
    for (int row = 0; row < m_nRows; ++row) m_ItemDataMap[GetItemData(row, 1)] = row;
}

BOOL CGridCtrl::FindItemData(LPARAM data, int* row) {
    RebuildItemDataMap();
    const auto found = m_ItemDataMap.find(data);
    if (found == m_ItemDataMap.end()) return FALSE;
    if (row) *row = found->second;
    return TRUE;
}

// ---- options ---------------------------------------------------------------------------------

void CGridCtrl::SetListMode(BOOL enable) {
    ResetSelectedRange();
    SetSortColumn(-1);
    m_bListMode = enable;
    m_bFixedColumnSelection = FALSE;
    Refresh();
}

void CGridCtrl::EnableSelection(BOOL enable) {
    ResetSelectedRange();
    m_bEnableSelection = enable;
}

void CGridCtrl::SetGridLines(int lines) {
    m_nGridLines = lines;
    Refresh();
}

void CGridCtrl::SetRedraw(BOOL allowDraw, BOOL resetScrollBars) {
    m_bAllowDraw = allowDraw;
    if (allowDraw && resetScrollBars) ResetScrollBars();
    if (allowDraw) Refresh();
}

void CGridCtrl::SetVirtualMode(BOOL virtualMode) {
    DeleteAllItems();
    m_bVirtualMode = virtualMode;
}

void CGridCtrl::SetCallbackFunc(GRIDCALLBACK callback, LPARAM param) {
    m_pfnCallback = callback;
    m_lParam = param;
}

void CGridCtrl::SetModified(BOOL modified, int row, int col) {
    if (col < 0 || col == m_nSortColumn) SetSortColumn(-1);
    if (row < 0 || col < 0) {
        m_bModified = modified;
    } else if (CGridCellBase* cell = m_bVirtualMode ? nullptr : GetCell(row, col)) {
        if (modified) {
            cell->SetState(cell->GetState() | GVIS_MODIFIED);
            m_bModified = TRUE;
        } else {
            cell->SetState(cell->GetState() & ~GVIS_MODIFIED);
        }
    }
    if (!m_bModified && !m_bVirtualMode) {
        for (CGridRow& cells : m_RowData)
            for (auto& cell : cells)
                if (cell) cell->SetState(cell->GetState() & ~GVIS_MODIFIED);
    }
}

BOOL CGridCtrl::GetModified(int row, int col) const {
    if (row < 0 || col < 0) return m_bModified;
    const CGridCellBase* cell = GetCell(row, col);
    return cell ? cell->IsModified() : FALSE;
}

void CGridCtrl::Refresh() {
    if (CanDraw()) Invalidate(TRUE);
}

// ---- notifications -------------------------------------------------------------------------------

namespace {

// WM_NOTIFY to the owner (else the parent) with the header filled in; 0 when there is none.
LRESULT NotifyOwner(const CGridCtrl& grid, NMHDR& header, int code) {
    const HWND self = grid.GetSafeHwnd();
    if (self == nullptr) return 0;
    CWnd* owner = grid.GetOwner();
    if (owner == nullptr || !IsWindow(owner->GetSafeHwnd())) return 0;
    header.hwndFrom = self;
    header.idFrom = static_cast<UINT_PTR>(grid.GetDlgCtrlID());
    header.code = code;
    return owner->SendMessage(WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

}  // namespace

LRESULT CGridCtrl::SendMessageToParent(int row, int col, int code) const {
    NM_GRIDVIEW notify;
    notify.iRow = row;
    notify.iColumn = col;
    return NotifyOwner(*this, notify.hdr, code);
}

LRESULT CGridCtrl::SendDisplayRequestToParent(GV_DISPINFO* info) const {
    return info ? NotifyOwner(*this, info->hdr, GVN_GETDISPINFO) : 0;
}

LRESULT CGridCtrl::SendCacheHintToParent(const CCellRange& range) const {
    GV_CACHEHINT hint;
    hint.range = range;
    return NotifyOwner(*this, hint.hdr, GVN_CACHEHINT);
}
