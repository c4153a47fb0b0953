#include "pages/species/MossTables.h"

#include "pages/species/DlgMossRows.h"
#include "platform/MessageBox.h"

int GridRowOf(NMHDR* header) { return reinterpret_cast<NM_GRIDVIEW*>(header)->iRow; }

BOOL AcceptSpeciesInRow(CGridCtrl& grid, int speciesId, int gridRow) {
    int listedRow = -1;
    if (!grid.FindItemData(speciesId, &listedRow) || listedRow == gridRow) return TRUE;
    AfxMessageBox("Този вид вече присъства в списъка!", MB_OK);
    return FALSE;
}

// ---- CMossSpeciesTable ----

CMossSpeciesTable::CMossSpeciesTable(int listKind, BOOL editRefusesListed)
    : m_listKind(listKind), m_editRefusesListed(editRefusesListed) {}

void CMossSpeciesTable::Setup() { SetupPageGrid(m_grid, {{"Име - латински", 180}, {"Име - български", 150}}); }

void CMossSpeciesTable::Refill() {
    RefillPageGrid(m_grid, m_rows, [](const CMossSpeciesRow& species) {
        return PageGridRow{{species.Name_lat, species.Name_bg}, species.ID_lat};
    });
}

void CMossSpeciesTable::Add(CWnd* parent) {
    CDlg_Moss_AddSpecies dialog(m_listKind, nullptr, parent);
    if (dialog.DoModal() != IDOK || RefuseListedSpecies(m_grid, dialog.m_row.ID_lat)) return;
    m_rows.Add(dialog.m_row);
    Refill();
}

void CMossSpeciesTable::Edit(int gridRow, CWnd* parent) {
    const int index = ElementIndexOfRow(m_grid, gridRow);
    if (index < 0 || index >= m_rows.GetSize()) return;
    CDlg_Moss_AddSpecies dialog(m_listKind, &m_rows[index], parent);
    if (dialog.DoModal() != IDOK) return;
    if (m_editRefusesListed && !AcceptSpeciesInRow(m_grid, dialog.m_row.ID_lat, gridRow)) return;
    m_rows[index] = dialog.m_row;
    Refill();
}

void CMossSpeciesTable::Delete() {
    if (DeleteTableRow(m_grid, m_rows)) Refill();
}

// ---- CMossTuftTable ----

void CMossTuftTable::Setup(std::initializer_list<PageColumn> columns) { SetupPageGrid(m_grid, columns); }

void CMossTuftTable::Refill() {
    const BOOL withSpore = m_sporeFlag != 0;
    RefillPageGrid(m_grid, m_rows, [withSpore](const CMoss04Row& tuft) {
        return withSpore ? PageGridRow{{tuft.TurfArea, tuft.SporeExistsName}, std::nullopt}
                         : PageGridRow{{tuft.TurfArea}, std::nullopt};
    });
}

void CMossTuftTable::Add(CWnd* parent) {
    CDlg_Moss_Tuft dialog(nullptr, m_sporeFlag, parent);
    if (dialog.DoModal() != IDOK) return;
    m_rows.Add(dialog.m_row);
    Refill();
}

void CMossTuftTable::Edit(int gridRow, CWnd* parent) {
    const int index = ElementIndexOfRow(m_grid, gridRow);
    if (index < 0 || index >= m_rows.GetSize()) return;
    CDlg_Moss_Tuft dialog(&m_rows[index], m_sporeFlag, parent);
    if (dialog.DoModal() != IDOK) return;
    m_rows[index] = dialog.m_row;
    Refill();
}

void CMossTuftTable::Delete() {
    if (DeleteTableRow(m_grid, m_rows)) Refill();
}
