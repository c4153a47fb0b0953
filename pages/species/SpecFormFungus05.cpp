#include "pages/species/SpecFormFungus05.h"

#include "pages/common/PageTable.h"
#include "pages/species/DlgFungusAddSpecies.h"
#include "res/FungusPageIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Fungus_05, CFormPage)

CSpecForm_Fungus_05::CSpecForm_Fungus_05() : CFormPage(IDD_FUNGUS_PAGE_5) {}

const MessageMap& CSpecForm_Fungus_05::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(IDC_ADD, &CSpecForm_Fungus_05::OnAdd),
        OnClicked(IDC_DELETE, &CSpecForm_Fungus_05::OnDelete),
        OnNotify(IDC_SPECIES, NM_DBLCLK, &CSpecForm_Fungus_05::OnSpeciesDblClk),
    });
    return map;
}

void CSpecForm_Fungus_05::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SPECIES, m_grid);
}

void CSpecForm_Fungus_05::PreparePage() {
    SetupPageGrid(m_grid, {{"Вид", 300}, {"Брой плодни тела", 20}});
    LoadFromDocument();
    RefreshSpeciesGrid();
}

void CSpecForm_Fungus_05::RefreshSpeciesGrid() {
    RefillPageGrid(m_grid, m_species,
                   [](const CFungus05Row& found) { return PageGridRow{{found.FungiIDName, found.Count}, found.FungiID}; });
}

void CSpecForm_Fungus_05::LoadRecord() { m_species = Document()->SpecData_Fungus_05.Species; }

void CSpecForm_Fungus_05::SaveRecord() { Document()->SpecData_Fungus_05.Species = m_species; }

void CSpecForm_Fungus_05::OnAdd() {
    CDlg_Fungus_AddSpecies dialog;
    if (dialog.DoModal() != IDOK) return;
    if (RefuseListedSpecies(m_grid, dialog.m_row.FungiID)) return;
    m_species.Add(dialog.m_row);
    RefreshSpeciesGrid();
}

// The same species with a new count is a change; a species of another row is refused.
void CSpecForm_Fungus_05::OnSpeciesDblClk(NMHDR* header, LRESULT*) {
    const int row = reinterpret_cast<NM_GRIDVIEW*>(header)->iRow;
    const int index = ElementIndexOfRow(m_grid, row);
    if (index < 0 || index >= m_species.GetSize()) return;
    CDlg_Fungus_AddSpecies dialog(&m_species[index]);
    if (dialog.DoModal() != IDOK) return;
    if (RefuseListedSpecies(m_grid, dialog.m_row.FungiID, row)) return;
    m_species[index] = dialog.m_row;
    RefreshSpeciesGrid();
}

void CSpecForm_Fungus_05::OnDelete() {
    const int index = SelectedElementIndex(m_grid);
    if (index < 0 || index >= m_species.GetSize()) return;
    m_species.RemoveAt(index);
    RefreshSpeciesGrid();
}
