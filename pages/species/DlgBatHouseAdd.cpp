#include "pages/species/DlgBatHouseAdd.h"

#include "controls/ComboHelpers.h"
#include "pages/common/PageLists.h"
#include "res/BatIds.h"

REGISTER_DIALOG_CLASS(CDlg_BatHouse_Add)

CDlg_BatHouse_Add::CDlg_BatHouse_Add(const CBatHouseInfo* house, CWnd* parent)
    : CRowDialogOf(IDD_BAT_HOUSE_ADD, house, parent) {}

void CDlg_BatHouse_Add::DoDataExchange(CDataExchange* pDX) {
    CRowDialogOf::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CONDITION, m_condition);
    DDX_Text(pDX, IDC_NUMBER, m_number);
}

void CDlg_BatHouse_Add::FillLists() { FillComboFromColumns(m_condition, "ID", "Name", "nBatHousesCondition"); }

BOOL CDlg_BatHouse_Add::ShowRow() {
    CComboHelpers::SelectByItemData(m_condition, static_cast<DWORD>(m_row.HouseConditionID));
    m_number = m_row.HouseNum;
    return TRUE;
}

BOOL CDlg_BatHouse_Add::CheckInput() { return RequireText(m_number, "Моля въведете номер на къщичката!", TRUE); }

void CDlg_BatHouse_Add::TakeRow() {
    m_row.HouseNum = m_number;
    CComboHelpers::GetSelection(m_condition, m_row.HouseConditionID, m_row.HouseConditionIDName);
}
