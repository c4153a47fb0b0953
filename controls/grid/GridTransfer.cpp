// Moving the selected cells' text out of and into the grid: the clipboard commands, Del,
// and dragging the text with the mouse (off unless a window allows it).
#include <string_view>
#include <vector>

#include "controls/grid/GridCtrl.h"
#include "platform/Controls.h"
#include "platform/DC.h"
#include "platform/Desktop.h"

namespace {

// The pieces of the text between any of the delimiters, empty pieces kept.
std::vector<CString> SplitAt(const CString& text, std::string_view delimiters) {
    std::vector<CString> pieces;
    const std::string_view all(text.GetString(), static_cast<size_t>(text.ByteLength()));
    size_t start = 0;
    for (;;) {
        const size_t end = all.find_first_of(delimiters, start);
        pieces.emplace_back(std::string(all.substr(start, end - start)));
        if (end == std::string_view::npos) return pieces;
        start = end + 1;
    }
}

// The data cell under a point of the client area; none over the headings.
CCellID DataCellAt(const CGridCtrl& grid, CPoint point) {
    const CCellID cell = grid.GetCellFromPt(point);
    if (cell.row < grid.GetFixedRowCount() || cell.col < grid.GetFixedColumnCount()) return CCellID();
    return cell;
}

}  // namespace

void CGridCtrl::CutSelectedText() {
    if (!IsEditable()) return;
    const auto selected = m_SelectedCellMap;  // emptying a cell may change the selection
    for (const auto& [key, cell] : selected) SetItemTextWithNotify(cell.row, cell.col, "");
}

std::unique_ptr<COleDataSource> CGridCtrl::CopyTextFromGrid() {
    const CCellRange range = GetSelectedCellRange();
    if (!IsValid(range)) return nullptr;
    if (m_bVirtualMode) SendCacheHintToParent(range);

    // Separators stand only between the rows and columns that are shown, so a hidden last
    // column or row leaves no stray tab or line break.
    CString text;
    bool firstRow = true;
    for (int row = range.GetMinRow(); row <= range.GetMaxRow(); ++row) {
        if (GetRowHeight(row) == 0) continue;
        if (!firstRow) text += "\r\n";
        firstRow = false;
        bool firstCol = true;
        for (int col = range.GetMinCol(); col <= range.GetMaxCol(); ++col) {
            if (GetColumnWidth(col) == 0) continue;
            if (!firstCol) text += "\t";
            firstCol = false;
            if (IsCellSelected(row, col)) text += GetItemText(row, col);
        }
    }

    if (m_bVirtualMode) SendCacheHintToParent(CCellRange(-1, -1, -1, -1));
    auto source = std::make_unique<COleDataSource>();
    source->CacheText(text);
    return source;
}

BOOL CGridCtrl::PasteTextToGrid(CCellID cell, COleDataObject* data, BOOL selectPastedCells) {
    if (!IsValid(cell) || !IsCellEditable(cell) || data == nullptr || !data->IsDataAvailable(CF_TEXT)) return FALSE;
    const CString text = data->GetText();
    if (RefuseUnstorableText(text)) return FALSE;

    std::vector<CString> lines = SplitAt(text, "\n");
    // A text that ends with a line break (as a copied row does) has no empty last row to paste.
    if (lines.size() > 1 && CString(lines.back()).Trim().IsEmpty()) lines.pop_back();

    CCellID last = cell;
    int row = cell.row;
    for (const CString& line : lines) {
        while (row < m_nRows && GetRowHeight(row) == 0) ++row;
        if (row >= m_nRows) break;
        int col = cell.col;
        for (CString field : SplitAt(line, "\t,")) {
            while (col < m_nCols && GetColumnWidth(col) == 0) ++col;
            if (col >= m_nCols) break;
            SetItemTextWithNotify(row, col, field.Trim());
            SetItemState(row, col, GetItemState(row, col) & ~GVIS_SELECTED);
            last = CCellID(std::max(last.row, row), std::max(last.col, col));
            ++col;
        }
        ++row;
    }

    if (selectPastedCells) {
        SetSelectedRange(cell.row, cell.col, last.row, last.col, TRUE);
    } else {
        ResetSelectedRange();
        Refresh();
    }
    return TRUE;
}

void CGridCtrl::OnEditCopy() {
    if (const auto source = CopyTextFromGrid()) source->SetClipboard();
}

void CGridCtrl::OnEditCut() {
    if (!IsEditable()) return;
    OnEditCopy();
    CutSelectedText();
}

void CGridCtrl::OnEditPaste() {
    if (!IsEditable()) return;
    const CCellRange selected = GetSelectedCellRange();
    CCellID target = IsValid(selected) ? selected.GetTopLeft() : m_idCurrentCell;
    if (!IsValid(target)) target = GetTopleftNonFixedCell();
    if (!IsValid(target)) return;

    // An open editor pastes into its own text.
    if (CGridCellBase* cell = GetCell(target.row, target.col); cell && cell->IsEditing()) {
        if (auto* editor = dynamic_cast<CEdit*>(cell->GetEditWnd())) {
            editor->Paste();
            return;
        }
    }
    COleDataObject data;
    if (data.AttachClipboard()) PasteTextToGrid(target, &data, TRUE);
}

// ---- drag and drop --------------------------------------------------------------------------

void CGridCtrl::OnBeginDrag() {
    if (!m_bAllowDragAndDrop) return;
    const auto source = CopyTextFromGrid();
    if (!source) return;
    const CCellRange range = GetSelectedCellRange();
    SendMessageToParent(range.GetMinRow(), range.GetMinCol(), GVN_BEGINDRAG);
    m_MouseMode = MouseMode::Dragging;
    m_bLMouseButtonDown = FALSE;
    const DROPEFFECT effect = source->DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE);
    if (effect & DROPEFFECT_MOVE) CutSelectedText();
    if (m_MouseMode == MouseMode::Dragging) m_MouseMode = MouseMode::Nothing;
}

DROPEFFECT CGridCtrl::DropEffect(DWORD keyState) const {
    return (keyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

void CGridCtrl::SetDropHighlight(const CCellID& cell, bool on) {
    if (!IsValid(cell)) return;
    const UINT state = GetItemState(cell.row, cell.col);
    SetItemState(cell.row, cell.col, on ? state | GVIS_DROPHILITED : state & ~GVIS_DROPHILITED);
    RedrawCell(cell);
}

DROPEFFECT CGridCtrl::OnDragEnter(COleDataObject* data, DWORD keyState, CPoint point) {
    if (!m_bAllowDragAndDrop || data == nullptr || !data->IsDataAvailable(CF_TEXT)) return DROPEFFECT_NONE;
    m_LastDragOverCell = DataCellAt(*this, point);
    if (!IsValid(m_LastDragOverCell) || !IsCellEditable(m_LastDragOverCell)) return DROPEFFECT_NONE;
    SetDropHighlight(m_LastDragOverCell, true);
    return DropEffect(keyState);
}

DROPEFFECT CGridCtrl::OnDragOver(COleDataObject* data, DWORD keyState, CPoint point) {
    if (!m_bAllowDragAndDrop || !IsEditable() || data == nullptr || !data->IsDataAvailable(CF_TEXT))
        return DROPEFFECT_NONE;
    const CCellID cell = DataCellAt(*this, point);
    if (!IsValid(cell)) {
        OnDragLeave();
        m_LastDragOverCell = CCellID();
        return DROPEFFECT_NONE;
    }
    if (!IsCellEditable(cell)) return DROPEFFECT_NONE;
    if (cell != m_LastDragOverCell) {
        SetDropHighlight(m_LastDragOverCell, false);
        m_LastDragOverCell = cell;
        SetDropHighlight(cell, true);
    }
    return DropEffect(keyState);
}

void CGridCtrl::OnDragLeave() { SetDropHighlight(m_LastDragOverCell, false); }

BOOL CGridCtrl::OnDrop(COleDataObject* data, DROPEFFECT, CPoint) {
    m_MouseMode = MouseMode::Nothing;
    if (!m_bAllowDragAndDrop || !IsValid(m_LastDragOverCell) || !IsCellEditable(m_LastDragOverCell)) return FALSE;
    OnDragLeave();
    return PasteTextToGrid(m_LastDragOverCell, data, FALSE);
}

std::unique_ptr<CImageList> CGridCtrl::CreateDragImage(CPoint* hotSpot) {
    CClientDC screen(nullptr);
    CRect rect;
    if (screen.GetSafeHdc() == nullptr || !GetCellRect(m_idCurrentCell, &rect)) return nullptr;
    if (hotSpot) *hotSpot = rect.BottomRight();
    rect = CRect(0, 0, rect.Width() + 1, rect.Height() + 1);

    auto images = std::make_unique<CImageList>();
    if (!images->Create(rect.Width(), rect.Height(), ILC_MASK, 1, 1)) return nullptr;
    const CRect cellRect(0, 0, rect.Width() - 1, rect.Height() - 1);  // the cell's last pixels included
    CDC memory;
    CBitmap bitmap;
    if (!memory.CreateCompatibleDC(&screen) || !bitmap.CreateCompatibleBitmap(&screen, rect.Width(), rect.Height()))
        return nullptr;
    CBitmap* oldBitmap = memory.SelectObject(&bitmap);
    if (CGridCellBase* cell = GetCell(m_idCurrentCell.row, m_idCurrentCell.col))
        cell->Draw(&memory, m_idCurrentCell.row, m_idCurrentCell.col, cellRect, TRUE);
    if (oldBitmap) memory.SelectObject(oldBitmap);
    images->Add(&bitmap, m_cellDefault.GetBackClr());
    return images;
}

// ---- the drop target --------------------------------------------------------------------------

BOOL CGridDropTarget::Register(CGridCtrl* grid) {
    static bool registering = false;  // a registration that sizes the grid comes back here
    if (m_bRegistered || registering || grid == nullptr) return FALSE;
    registering = true;
    m_pGridCtrl = grid;
    m_bRegistered = COleDropTarget::Register(grid);
    registering = false;
    return m_bRegistered;
}

void CGridDropTarget::Revoke() {
    m_bRegistered = FALSE;
    COleDropTarget::Revoke();
}

CGridCtrl* CGridDropTarget::GridOf(CWnd* window) const {
    return m_pGridCtrl != nullptr && window == m_pGridCtrl ? m_pGridCtrl : nullptr;
}

DROPEFFECT CGridDropTarget::OnDragEnter(CWnd* window, COleDataObject* data, DWORD keyState, CPoint point) {
    CGridCtrl* grid = GridOf(window);
    return grid ? grid->OnDragEnter(data, keyState, point) : DROPEFFECT_NONE;
}

DROPEFFECT CGridDropTarget::OnDragOver(CWnd* window, COleDataObject* data, DWORD keyState, CPoint point) {
    CGridCtrl* grid = GridOf(window);
    return grid ? grid->OnDragOver(data, keyState, point) : DROPEFFECT_NONE;
}

void CGridDropTarget::OnDragLeave(CWnd* window) {
    if (CGridCtrl* grid = GridOf(window)) grid->OnDragLeave();
}

BOOL CGridDropTarget::OnDrop(CWnd* window, COleDataObject* data, DROPEFFECT effect, CPoint point) {
    CGridCtrl* grid = GridOf(window);
    return grid ? grid->OnDrop(data, effect, point) : FALSE;
}

DROPEFFECT CGridDropTarget::OnDragScroll(CWnd* window, DWORD keyState, CPoint) {
    if (GridOf(window) == nullptr) return DROPEFFECT_NONE;
    return (keyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}
