#include "pages/species/SpecFormBat03Houses.h"

#include "pages/common/PageTable.h"
#include "pages/species/DlgBatHouseAdd.h"
#include "pages/species/DlgBatHouseSpecies.h"
#include "platform/MessageBox.h"
#include "res/BatIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Bat_03_Houses, CFormPage)

namespace {

constexpr int kFormNumLength = 50;

}  // namespace

CSpecForm_Bat_03_Houses::CSpecForm_Bat_03_Houses() : CFormPage(IDD_BAT_HOUSES) {}

const MessageMap& CSpecForm_Bat_03_Houses::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(IDC_ADD_HOUSE, &CSpecForm_Bat_03_Houses::OnAddHouse),
        OnClicked(IDC_DELETE_HOUSE, &CSpecForm_Bat_03_Houses::OnDeleteHouse),
        OnClicked(IDC_ADD_SPECIES, &CSpecForm_Bat_03_Houses::OnAddSpecies),
        OnClicked(IDC_DELETE_SPECIES, &CSpecForm_Bat_03_Houses::OnDeleteSpecies),
        OnNotify(IDC_HOUSES, GVN_SELCHANGING, &CSpecForm_Bat_03_Houses::OnHouseSelChanging),
    });
    return map;
}

void CSpecForm_Bat_03_Houses::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_HOUSES, m_housesGrid);
    DDX_Control(pDX, IDC_SPECIES, m_speciesGrid);
    DDX_Text(pDX, IDC_FORM_NUM, m_formNum);
    DDV_MaxChars(pDX, m_formNum, kFormNumLength);
}

void CSpecForm_Bat_03_Houses::PreparePage() {
    LoadFromDocument();
    SetupHousesGrid();
    SetupPageGrid(m_speciesGrid, {{"Наблюдавани видове", 135}, {"Брой индивиди", 105}});
    RefillHousesGrid();
}

void CSpecForm_Bat_03_Houses::LoadRecord() {
    const CSpecData_Bat_03_Houses& houses = Document()->SpecData_Bat_03_Houses;
    m_houses = houses.BatHouses;
    m_formNum = houses.BatHousesFormNum;
}

void CSpecForm_Bat_03_Houses::SaveRecord() {
    CSpecData_Bat_03_Houses& houses = Document()->SpecData_Bat_03_Houses;
    houses.BatHouses = m_houses;
    houses.BatHousesFormNum = m_formNum;
}

// The houses have no "№" column: the house number comes first, with the house's index as
// its item data.
void CSpecForm_Bat_03_Houses::SetupHousesGrid() {
    m_housesGrid.SetListMode(TRUE);
    m_housesGrid.SetSingleRowSelection(TRUE);
    m_housesGrid.SetEditable(FALSE);
    m_housesGrid.SetFixedRowCount(1);
    m_housesGrid.SetFixedColumnCount(0);
    m_housesGrid.SetColumnWidth(m_housesGrid.InsertColumn("Къщичка №", DT_CENTER | DT_VCENTER | DT_SINGLELINE), 50);
    m_housesGrid.SetColumnWidth(m_housesGrid.InsertColumn("Състояние", DT_CENTER | DT_VCENTER | DT_SINGLELINE), 40);
    m_housesGrid.ExpandColumnsToFit(TRUE);
}

void CSpecForm_Bat_03_Houses::RefillHousesGrid() {
    m_housesGrid.DeleteNonFixedRows();
    for (int i = 0; i < m_houses.GetSize(); ++i) {
        const int row = m_housesGrid.InsertRow(m_houses[i].HouseNum);
        m_housesGrid.SetItemData(row, 0, i);
        m_housesGrid.SetItemText(row, 1, m_houses[i].HouseConditionIDName);
    }
    m_housesGrid.Refresh();
}

// -1: no house, the grid empty.
void CSpecForm_Bat_03_Houses::ShowSpeciesOf(int house) {
    if (house < 0 || house >= m_houses.GetSize()) {
        m_speciesGrid.DeleteNonFixedRows();
        m_speciesGrid.Refresh();
        return;
    }
    RefillPageGrid(m_speciesGrid, m_houses[house].Species, [](const CBatHouseSpecies& species) {
        return PageGridRow{{species.BatsInHouseName, species.SpeciesCount}, std::nullopt};
    });
}

void CSpecForm_Bat_03_Houses::OnHouseSelChanging(NMHDR* header, LRESULT*) {
    const int house = ElementIndexOfRow(m_housesGrid, reinterpret_cast<NM_GRIDVIEW*>(header)->iRow);
    if (house >= 0) ShowSpeciesOf(house);
}

void CSpecForm_Bat_03_Houses::OnAddHouse() {
    CDlg_BatHouse_Add dialog;
    if (dialog.DoModal() != IDOK) return;
    CBatHouse house;
    static_cast<CBatHouseInfo&>(house) = dialog.m_row;
    m_houses.Add(house);  // numbers may repeat
    RefillHousesGrid();
    ShowSpeciesOf(m_houses.GetUpperBound());
}

void CSpecForm_Bat_03_Houses::OnDeleteHouse() {
    const int house = SelectedElementIndex(m_housesGrid);
    if (house < 0 || house >= m_houses.GetSize()) return;
    m_houses.RemoveAt(house);
    RefillHousesGrid();
    ShowSpeciesOf(-1);  // the removed house's species must not stay on show
}

void CSpecForm_Bat_03_Houses::OnAddSpecies() {
    if (m_houses.IsEmpty()) {
        AfxMessageBox("Моля първо въведете къщичка за която искате да добавите вид!", MB_OK);
        return;
    }
    const int house = SelectedElementIndex(m_housesGrid);
    if (house < 0 || house >= m_houses.GetSize()) {
        AfxMessageBox("Моля първо изберете  къщичка за която искате да добавите вид!", MB_OK);
        return;
    }
    CDlg_BatHouse_Species dialog;
    if (dialog.DoModal() != IDOK) return;
    m_houses[house].Species.Add(dialog.m_row);  // a species may be listed twice in one house
    ShowSpeciesOf(house);
}

void CSpecForm_Bat_03_Houses::OnDeleteSpecies() {
    const int house = SelectedElementIndex(m_housesGrid);
    const int species = SelectedElementIndex(m_speciesGrid);
    if (house < 0 || house >= m_houses.GetSize() || species < 0) return;
    CArray<CBatHouseSpecies>& seen = m_houses[house].Species;
    if (species >= seen.GetSize()) return;
    seen.RemoveAt(species);
    ShowSpeciesOf(house);
}
