#include "pages/species/DlgWolfKilled.h"

#include "pages/common/PageValues.h"
#include "res/WolfIds.h"

REGISTER_DIALOG_CLASS(CDlg_Wolf_Killed)

namespace {

constexpr int kAgeChars = 2, kWeightChars = 3;

}  // namespace

CDlg_Wolf_Killed::CDlg_Wolf_Killed(const CWolf10Row* row, CWnd* parent) : CRowDialogOf(IDD_WOLF_KILLED, row, parent) {}

// The dialog edits its row's own fields: the answers' words follow them on OK.
void CDlg_Wolf_Killed::DoDataExchange(CDataExchange* pDX) {
    CRowDialogOf::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_MALE, m_row.Sex);
    DDX_Text(pDX, IDC_AGE, m_row.Age);
    DDV_MaxChars(pDX, m_row.Age, kAgeChars);
    DDX_Text(pDX, IDC_WEIGHT, m_row.Weight);
    DDV_MaxChars(pDX, m_row.Weight, kWeightChars);
    DDX_Text(pDX, IDC_COLOUR, m_row.Color);
    DDX_Radio(pDX, IDC_FRONT_YES, m_row.ExistsFingerFrontLeg);
    DDX_Radio(pDX, IDC_BACK_YES, m_row.ExistsFingerBackLeg);
}

BOOL CDlg_Wolf_Killed::ShowRow() { return TRUE; }

void CDlg_Wolf_Killed::TakeRow() {
    m_row.SexName = ChoiceWord(m_row.Sex, "М", "Ж");
    m_row.ExistsFingerFrontLegName = ChoiceWord(m_row.ExistsFingerFrontLeg, "Да", "Не");
    m_row.ExistsFingerBackLegName = ChoiceWord(m_row.ExistsFingerBackLeg, "Да", "Не");
}
