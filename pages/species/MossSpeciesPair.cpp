#include "pages/species/MossSpeciesPair.h"

#include "controls/ComboHelpers.h"
#include "pages/common/PageLists.h"
#include "platform/MessageBox.h"

namespace {

void Follow(const CComboBox& from, CComboBox& to) {
    const int selected = from.GetCurSel();
    CComboHelpers::SelectByItemData(to, selected == CB_ERR ? static_cast<DWORD>(-1) : from.GetItemData(selected));
}

}  // namespace

void CMossSpeciesPair::Fill(const char* table) {
    FillComboFromColumns(m_bulgarian, "ID", "Name_bg", table);
    FillComboFromColumns(m_latin, "ID", "Name_lat", table);
}

void CMossSpeciesPair::Select(int bulgarianId, int latinId) {
    CComboHelpers::SelectByItemData(m_bulgarian, static_cast<DWORD>(bulgarianId));
    CComboHelpers::SelectByItemData(m_latin, static_cast<DWORD>(latinId));
}

void CMossSpeciesPair::FollowBulgarian() { Follow(m_bulgarian, m_latin); }

void CMossSpeciesPair::FollowLatin() { Follow(m_latin, m_bulgarian); }

BOOL CMossSpeciesPair::CheckChosen() const {
    if (m_latin.GetCurSel() != CB_ERR) return TRUE;
    AfxMessageBox("Моля изберете вид!", MB_OK);
    return FALSE;
}

void CMossSpeciesPair::Take(CString& latinName, int& latinId, CString& bulgarianName, int& bulgarianId) const {
    CComboHelpers::GetSelection(m_latin, latinId, latinName);
    CComboHelpers::GetSelection(m_bulgarian, bulgarianId, bulgarianName);
}
