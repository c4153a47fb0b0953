#include "pages/species/DlgMossAddTuft.h"

#include "controls/ComboHelpers.h"
#include "pages/common/PageControls.h"
#include "pages/common/PageLists.h"
#include "res/MossPageIds.h"

REGISTER_DIALOG_CLASS(CDlg_Moss_AddTuft, nullptr)

namespace {

constexpr int kAreaLength = 7;

}  // namespace

CDlg_Moss_AddTuft::CDlg_Moss_AddTuft(const CMoss15Row* row, CWnd* parent)
    : CRowDialogOf(IDD_MOSS_ADD_TUFT, row, parent) {}

void CDlg_Moss_AddTuft::DoDataExchange(CDataExchange* pDX) {
    CRowDialogOf::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_AREA, m_areaEdit);
    DDX_Text(pDX, IDC_AREA, m_area);
    DDV_MaxChars(pDX, m_area, kAreaLength);
    DDX_Control(pDX, IDC_ARCHEGONIA, m_archegonia);
}

void CDlg_Moss_AddTuft::FillLists() { FillComboFromColumns(m_archegonia, "ID", "Name", "nMossYesNo"); }

BOOL CDlg_Moss_AddTuft::ShowRow() {
    m_area = m_row.TorfArea;
    CComboHelpers::SelectByItemData(m_archegonia, static_cast<DWORD>(m_row.ArhegonExistance));
    return TRUE;
}

BOOL CDlg_Moss_AddTuft::CheckInput() {
    if (!RequireText(m_area, kAreaRequired, TRUE)) return FALSE;
    int archegonia = -1;
    CString name;
    CComboHelpers::GetSelection(m_archegonia, archegonia, name);
    return archegonia != -1 || Refuse(kArchegoniaRequired);
}

void CDlg_Moss_AddTuft::TakeRow() {
    m_row.TorfArea = m_area;
    CComboHelpers::GetSelection(m_archegonia, m_row.ArhegonExistance, m_row.ArhegonExistanceName);
}
