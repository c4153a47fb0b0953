#pragma once
// The lists of the later wolf pages: the page's own copy of a record's rows shown in a grid,
// added through the row dialog, changed by a double click and deleted when one whole row
// is selected. No row is refused: the same finding may stand twice.
#include "controls/grid/GridCtrl.h"
#include "pages/common/PageTable.h"
#include "platform/Arrays.h"

template <class Row, class Dialog>
class CWolfRowList {
public:
    using Cells = PageGridRow (*)(const Row&);

    explicit CWolfRowList(Cells cells) : m_cells(cells) {}

    void Refill() { RefillPageGrid(grid, rows, m_cells); }

    void Add(CWnd* parent) {
        Dialog dialog(nullptr, parent);
        if (dialog.DoModal() != IDOK) return;
        rows.Add(dialog.m_row);
        Refill();
    }

    void Change(NMHDR* header, CWnd* parent) {
        const int index = ElementIndexOfRow(grid, reinterpret_cast<NM_GRIDVIEW*>(header)->iRow);
        if (index < 0 || index >= rows.GetSize()) return;
        Dialog dialog(&rows[index], parent);
        if (dialog.DoModal() != IDOK) return;
        rows[index] = dialog.m_row;
        Refill();
    }

    void Delete() {
        const int index = SelectedElementIndex(grid);
        if (index < 0 || index >= rows.GetSize()) return;
        rows.RemoveAt(index);
        Refill();
    }

    CArray<Row> rows;
    CGridCtrl grid;

private:
    Cells m_cells;
};
