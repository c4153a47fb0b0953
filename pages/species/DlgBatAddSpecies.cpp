#include "pages/species/DlgBatAddSpecies.h"

#include "controls/ComboHelpers.h"
#include "pages/common/PageLists.h"
#include "pages/common/PageValues.h"
#include "res/BatIds.h"

// In a cave and in a wetland, every method enabled.
REGISTER_DIALOG_CLASS(CDlg_Bat_AddSpecies, kCaveMethods, nullptr, FALSE, TRUE)
REGISTER_DIALOG_CLASS(CDlg_Bat_AddSpecies, kWetlandMethods, nullptr, TRUE, TRUE)

namespace {

// The template's boxes carry the cave methods; a wetland has four of its own.
const char* const kWetlandMethodTexts[kWetlandMethods] = {"1. Трансект с ултразвуков детектор", "2. Точка с ултразвуков детектор",
                                       "3. Улов с мрежи за прилепи", "4. Косвени данни"};
constexpr int kFifthBox = CDlg_Bat_AddSpecies::IDC_FIRST_METHOD + 4;

}  // namespace

CDlg_Bat_AddSpecies::CDlg_Bat_AddSpecies(int methodCount, const BYTE* enabled, BOOL wetland, BOOL ownList, CWnd* parent)
    : CRowDialogOf(IDD_BAT_ADD_SPECIES, nullptr, parent),
      m_methodCount(methodCount),
      m_enabled(enabled),
      m_wetland(wetland),
      m_ownList(ownList) {
    m_row = CBat04Row(methodCount);
}

void CDlg_Bat_AddSpecies::DoDataExchange(CDataExchange* pDX) {
    CRowDialogOf::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SPECIES, m_species);
    DDX_Text(pDX, IDC_COUNT, m_count);
}

void CDlg_Bat_AddSpecies::FillLists() {
    const char* list = !m_ownList ? "_AllBats" : m_wetland ? "_BatsInWetlands" : "_BatsInCaves";
    FillComboFromColumns(m_species, "ID", "Name_lat", list);
}

BOOL CDlg_Bat_AddSpecies::ShowRow() {
    if (m_wetland) {
        for (int i = 0; i < kWetlandMethods; ++i) SetDlgItemText(IDC_FIRST_METHOD + i, kWetlandMethodTexts[i]);
        if (CWnd* fifth = GetDlgItem(kFifthBox)) fifth->ShowWindow(SW_HIDE);
    }
    ApplyMethodStates(IDC_FIRST_METHOD, m_enabled, m_methodCount);
    return FALSE;
}

BOOL CDlg_Bat_AddSpecies::CheckInput() {
    return RequireChoice(m_species, "Моля изберете вид!") && RequireText(m_count, "Моля въведете брой!", TRUE) &&
           RequireAnyChecked(IDC_FIRST_METHOD, m_methodCount, "Моля изберете метод!");
}

void CDlg_Bat_AddSpecies::TakeRow() {
    CComboHelpers::GetSelection(m_species, m_row.SpeciesID, m_row.SpeciesName);
    m_row.Methods = ReadMethods(IDC_FIRST_METHOD, m_methodCount, m_row.MethodFlags.data());
    m_row.Count = LeadingInteger(m_count);
}
