#include "pages/species/SpeciesNameList.h"

#include "pages/common/PageTable.h"
#include "pages/species/DlgAddSpecies.h"

namespace {

constexpr int kSpeciesColumnWidth = 200;

}  // namespace

void SetupSpeciesNameGrid(CGridCtrl& grid) { SetupPageGrid(grid, {{"Вид", kSpeciesColumnWidth}}); }

void RefillSpeciesNameGrid(CGridCtrl& grid, const CArray<CSpeciesNameRow>& rows) {
    RefillPageGrid(grid, rows, [](const CSpeciesNameRow& row) { return PageGridRow{{row.SpeciesIDName}, row.SpeciesID}; });
}

void AddSpeciesName(CGridCtrl& grid, CArray<CSpeciesNameRow>& rows, int formCode) {
    CDlg_AddSpecies dialog(formCode);
    if (dialog.DoModal() != IDOK) return;
    if (RefuseListedSpecies(grid, dialog.m_row.SpeciesID)) return;
    rows.Add(dialog.m_row);
    RefillSpeciesNameGrid(grid, rows);
}

void DeleteSpeciesName(CGridCtrl& grid, CArray<CSpeciesNameRow>& rows) {
    const int index = SelectedElementIndex(grid);
    if (index < 0 || index >= rows.GetSize()) return;
    rows.RemoveAt(index);
    RefillSpeciesNameGrid(grid, rows);
}
