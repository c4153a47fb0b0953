#include "pages/species/DlgWolfScat.h"

#include "pages/common/PageValues.h"
#include "res/WolfIds.h"

REGISTER_DIALOG_CLASS(CDlg_Wolf_Scat)

namespace {

constexpr int kSizeChars = 2;

}  // namespace

CDlg_Wolf_Scat::CDlg_Wolf_Scat(const CWolf12Row* row, CWnd* parent) : CRowDialogOf(IDD_WOLF_SCAT, row, parent) {}

void CDlg_Wolf_Scat::DoDataExchange(CDataExchange* pDX) {
    CRowDialogOf::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_LENGTH, m_row.Len);
    DDV_MaxChars(pDX, m_row.Len, kSizeChars);
    DDX_Text(pDX, IDC_WIDTH, m_row.Wid);
    DDV_MaxChars(pDX, m_row.Wid, kSizeChars);
    DDX_Text(pDX, IDC_COLOUR, m_row.Color);
    DDX_Text(pDX, IDC_HAIR, m_row.Fur);
    DDX_Radio(pDX, IDC_BONES_YES, m_row.BonesPresence);
}

void CDlg_Wolf_Scat::TakeRow() { m_row.BonesPresenceName = ChoiceWord(m_row.BonesPresence, "Да", "Не"); }
