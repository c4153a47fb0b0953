#include "pages/common/PageTable.h"

#include "platform/MessageBox.h"

namespace {

constexpr int kNumberColumnWidth = 25;
constexpr int kTwoLineHeadingHeight = 35;
constexpr UINT kTwoLineHeading = DT_CENTER | DT_VCENTER;

}  // namespace

void SetupPageGrid(CGridCtrl& grid, std::initializer_list<PageColumn> columns) {
    grid.SetListMode(TRUE);
    grid.SetSingleRowSelection(TRUE);
    grid.SetEditable(FALSE);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(0);
    const int number = grid.InsertColumn("№", DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    grid.SetColumnWidth(number, kNumberColumnWidth);
    for (const PageColumn& column : columns) grid.SetColumnWidth(grid.InsertColumn(column.heading, column.format), column.width);
    grid.ExpandLastColumn();
}

void SetupTwoLinePageGrid(CGridCtrl& grid, const char* numberHeading, std::initializer_list<PageColumn> columns) {
    SetupPageGrid(grid, columns);
    grid.SetItemText(0, 0, numberHeading);
    for (int column = 0; column < grid.GetColumnCount(); ++column) grid.SetItemFormat(0, column, kTwoLineHeading);
    grid.SetRowHeight(0, kTwoLineHeadingHeight);
    // A heading row dragged lower or higher would cut its second line.
    grid.SetRowResize(FALSE);
}

void AppendPageGridRow(CGridCtrl& grid, int index, const PageGridRow& row) {
    CString number;
    number.Format("%d", index + 1);
    const int gridRow = grid.InsertRow(number);
    grid.SetItemData(gridRow, 0, index);
    for (int column = 0; column < row.texts.GetSize(); ++column) grid.SetItemText(gridRow, column + 1, row.texts[column]);
    if (row.id) grid.SetItemData(gridRow, 1, *row.id);
}

int ElementIndexOfRow(const CGridCtrl& grid, int row) {
    if (row < grid.GetFixedRowCount() || row >= grid.GetRowCount()) return -1;
    return static_cast<int>(grid.GetItemData(row, 0));
}

int SelectedElementIndex(const CGridCtrl& grid) {
    const CCellRange selected = grid.GetSelectedCellRange();
    const bool oneRow = selected.GetMinRow() == selected.GetMaxRow();
    const bool wholeRow = selected.GetMinCol() == 0 && selected.GetMaxCol() == grid.GetColumnCount() - 1;
    if (!oneRow || !wholeRow) return -1;
    return ElementIndexOfRow(grid, selected.GetMinRow());
}

BOOL RefuseListedSpecies(CGridCtrl& grid, int speciesId, int ownRow) {
    int row = -1;
    if (!grid.FindItemData(speciesId, &row) || row == ownRow) return FALSE;
    AfxMessageBox("Този вид вече присъства в списъка!", MB_OK);
    return TRUE;
}
