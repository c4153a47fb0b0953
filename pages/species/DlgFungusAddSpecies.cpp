#include "pages/species/DlgFungusAddSpecies.h"

#include "controls/ComboHelpers.h"
#include "pages/common/PageLists.h"
#include "res/FungusPageIds.h"
#include "store/SqlText.h"

REGISTER_DIALOG_CLASS(CDlg_Fungus_AddSpecies)

namespace {

constexpr int kCountChars = 4;

}  // namespace

CDlg_Fungus_AddSpecies::CDlg_Fungus_AddSpecies(const CFungus05Row* row, CWnd* parent)
    : CRowDialogOf(IDD_FUNGUS_ADD_SPECIES, row, parent) {}

void CDlg_Fungus_AddSpecies::DoDataExchange(CDataExchange* pDX) {
    CRowDialogOf::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SPECIES, m_species);
    DDX_Text(pDX, IDC_COUNT, m_count);
    DDV_MaxChars(pDX, m_count, kCountChars);
}

void CDlg_Fungus_AddSpecies::FillLists() {
    FillComboFromQuery(m_species, FormatSql("select %s, %s from %s ", "ID", "Name", "_AllFungi"), "ID", "Name");
}

BOOL CDlg_Fungus_AddSpecies::ShowRow() {
    CComboHelpers::SelectByItemData(m_species, static_cast<DWORD>(m_row.FungiID));
    m_count = m_row.Count;
    return TRUE;
}

BOOL CDlg_Fungus_AddSpecies::CheckInput() {
    return RequireChoice(m_species, "Моля изберете вид.") &&
           RequireText(m_count, "Моля въведете брой плодни тела.", TRUE);
}

void CDlg_Fungus_AddSpecies::TakeRow() {
    CComboHelpers::GetSelection(m_species, m_row.FungiID, m_row.FungiIDName);
    m_row.Count = m_count;
}
