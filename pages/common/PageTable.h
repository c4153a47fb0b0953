#pragma once
// The tables of the pages: a grid that mirrors an array of the page's rows. The first
// column "№" numbers the rows from 1 and its cell's item data is the row's index in the
// array; the second cell's item data is the row's species ID where it has one.
//
//     SetupPageGrid(m_grid, {{"Вид", 200}, {"Брой", 60}});
//     RefillPageGrid(m_grid, m_rows, [](const CRow& row) {
//         return PageGridRow{{row.name, row.count}, row.speciesId};
//     });
//     const int index = SelectedElementIndex(m_grid);    // the delete button
//     if (index >= 0) { m_rows.RemoveAt(index); RefillPageGrid(...); }
#include <initializer_list>
#include <optional>

#include "controls/grid/GridCtrl.h"
#include "platform/Arrays.h"

struct PageColumn {
    const char* heading;
    int width;
    UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
};

// The texts of a row's cells after "№": written in braces, or added one by one.
struct PageGridTexts : CStringArray {
    PageGridTexts() = default;
    PageGridTexts(std::initializer_list<CString> texts) {
        for (const CString& text : texts) Add(text);
    }
};

struct PageGridRow {
    PageGridTexts texts;     // the cells after "№"
    std::optional<int> id;   // the species ID, item data of the second cell
};

// Whole rows, one at a time, nothing editable; "№" (25 pixels) and the columns after it,
// one heading row, no fixed column; the last column widened to fill the grid.
void SetupPageGrid(CGridCtrl& grid, std::initializer_list<PageColumn> columns);

// The same for headings of two lines ("Тегло\n[г]"): the heading row 35 pixels high, each
// heading centred with its line breaks kept, and "№" written as `numberHeading`.
void SetupTwoLinePageGrid(CGridCtrl& grid, const char* numberHeading, std::initializer_list<PageColumn> columns);

// Appends the row of element `index` of the page's array.
void AppendPageGridRow(CGridCtrl& grid, int index, const PageGridRow& row);

// Empties the grid's data rows and writes one row per element, then redraws.
template <class Row, class Cells>
void RefillPageGrid(CGridCtrl& grid, const CArray<Row>& rows, Cells cells) {
    grid.DeleteNonFixedRows();
    for (int i = 0; i < rows.GetSize(); ++i) AppendPageGridRow(grid, i, cells(rows[i]));
    grid.Refresh();
}

// The element index of the selected row when exactly one whole row is selected; -1 for
// any other selection (none, several rows, part of a row).
int SelectedElementIndex(const CGridCtrl& grid);

// The element index of a data row (its first cell's item data); -1 for the heading row.
int ElementIndexOfRow(const CGridCtrl& grid, int row);

// TRUE, after saying "Този вид вече присъства в списъка!", when a row of the grid has the
// species already; the grid row `ownRow` (the row being changed) does not count.
BOOL RefuseListedSpecies(CGridCtrl& grid, int speciesId, int ownRow = -1);
