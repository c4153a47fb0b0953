#include "pages/species/SpecFormBat02Forest.h"

#include "pages/common/PageTable.h"
#include "pages/species/BatPageGrids.h"
#include "pages/species/DlgBatOtherSpecies.h"
#include "res/BatIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Bat_02_Forest, CFormPage)

namespace {

constexpr int kBlankNumLength = 8;
constexpr CForestMethodFlags kAllMethods{1, 1, 1, 1};

}  // namespace

CSpecForm_Bat_02_Forest::CSpecForm_Bat_02_Forest() : CFormPage(IDD_BAT_FOREST_2) {}

const MessageMap& CSpecForm_Bat_02_Forest::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(IDC_ADD, &CSpecForm_Bat_02_Forest::OnAdd),
        OnClicked(IDC_DELETE, &CSpecForm_Bat_02_Forest::OnDelete),
        OnNotify(IDC_SPECIES, NM_DBLCLK, &CSpecForm_Bat_02_Forest::OnGridDblClk),
    });
    return map;
}

void CSpecForm_Bat_02_Forest::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SPECIES, m_grid);
    DDX_Text(pDX, IDC_CHANGES, m_changes);
    DDX_Text(pDX, IDC_NOTES, m_notes);
    DDX_Text(pDX, IDC_BLANK_NUM, m_blankNum);
    DDV_MaxChars(pDX, m_blankNum, kBlankNumLength);
}

void CSpecForm_Bat_02_Forest::PreparePage() {
    LoadFromDocument();
    SetupBatSpeciesGrid(m_grid, "Установени други видове", kForestCountWidth);
    RefillGrid();
}

void CSpecForm_Bat_02_Forest::LoadRecord() {
    const CSpecData_Bat_02_Forest& forest = Document()->SpecData_Bat_02_Forest;
    m_rows = forest.ExtraBats;
    m_changes = forest.Changes;
    m_notes = forest.Notes;
    m_blankNum = forest.BlankNum;
}

void CSpecForm_Bat_02_Forest::SaveRecord() {
    CSpecData_Bat_02_Forest& forest = Document()->SpecData_Bat_02_Forest;
    forest.ExtraBats = m_rows;
    forest.Changes = m_changes;
    forest.Notes = m_notes;
    forest.BlankNum = m_blankNum;
}

void CSpecForm_Bat_02_Forest::RefillGrid() { RefillBatSpeciesGrid(m_grid, m_rows); }

void CSpecForm_Bat_02_Forest::OnAdd() {
    CDlg_Bat_OtherSpecies dialog(kAllMethods);
    if (dialog.DoModal() != IDOK) return;
    if (RefuseListedSpecies(m_grid, dialog.m_row.SpeciesID)) return;
    m_rows.Add(dialog.m_row);
    RefillGrid();
}

void CSpecForm_Bat_02_Forest::OnGridDblClk(NMHDR* header, LRESULT*) {
    const int index = ElementIndexOfRow(m_grid, reinterpret_cast<NM_GRIDVIEW*>(header)->iRow);
    if (index < 0 || index >= m_rows.GetSize()) return;
    CDlg_Bat_OtherSpecies dialog(kAllMethods);
    dialog.SetRow(m_rows[index]);
    if (dialog.DoModal() != IDOK) return;
    if (RefuseListedSpeciesElsewhere(m_rows, index, dialog.m_row.SpeciesID)) return;
    m_rows[index] = dialog.m_row;
    RefillGrid();
}

void CSpecForm_Bat_02_Forest::OnDelete() {
    const int index = SelectedElementIndex(m_grid);
    if (index < 0 || index >= m_rows.GetSize()) return;
    m_rows.RemoveAt(index);
    RefillGrid();
}
