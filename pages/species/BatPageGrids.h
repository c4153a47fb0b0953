#pragma once
// The species grids of the bat pages: "№", the species, the methods and the count of each
// row, the species id as item data of the second cell.
#include "controls/grid/GridCtrl.h"
#include "pages/common/PageTable.h"
#include "platform/MessageBox.h"

constexpr int kForestCountWidth = 105;
constexpr int kCaveCountWidth = 105;
constexpr int kWetlandCountWidth = 100;

void SetupBatSpeciesGrid(CGridCtrl& grid, const char* speciesHeading, int countWidth);

template <class Row>
void RefillBatSpeciesGrid(CGridCtrl& grid, const CArray<Row>& rows) {
    RefillPageGrid(grid, rows, [](const Row& row) {
        CString count;
        count.Format("%d", row.Count);
        return PageGridRow{{row.SpeciesName, row.Methods, count}, row.SpeciesID};
    });
}

// On a change: TRUE, after saying so, when another row than the changed one has the species.
template <class Row>
BOOL RefuseListedSpeciesElsewhere(const CArray<Row>& rows, int changed, int speciesId) {
    for (int i = 0; i < rows.GetSize(); ++i)
        if (i != changed && rows[i].SpeciesID == speciesId) {
            AfxMessageBox("Този вид вече присъства в списъка!", MB_OK);
            return TRUE;
        }
    return FALSE;
}
