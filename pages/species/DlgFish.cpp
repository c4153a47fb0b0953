#include "pages/species/DlgFish.h"

#include "res/FishIds.h"

REGISTER_DIALOG_CLASS(CDlg_Fish)

namespace {

constexpr int kLengthLength = 4;
constexpr int kWeightLength = 6;

}  // namespace

CDlg_Fish::CDlg_Fish(const CFish03Row* row, CWnd* parent) : CRowDialogOf(IDD_FISH, row, parent) {}

void CDlg_Fish::DoDataExchange(CDataExchange* pDX) {
    CRowDialogOf::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_STANDARD_LENGTH, m_standardLength);
    DDV_MaxChars(pDX, m_standardLength, kLengthLength);
    DDX_Text(pDX, IDC_ABS_LENGTH, m_absLength);
    DDV_MaxChars(pDX, m_absLength, kLengthLength);
    DDX_Text(pDX, IDC_WEIGHT, m_weight);
    DDV_MaxChars(pDX, m_weight, kWeightLength);
    DDX_Radio(pDX, IDC_MALE, m_sex);
    DDX_Control(pDX, IDC_MATURITY, m_maturity);
    DDX_Text(pDX, IDC_NOTES, m_notes);
}

BOOL CDlg_Fish::ShowRow() {
    m_sex = m_row.Sex;
    m_weight = m_row.Weight;
    m_notes = m_row.Notes;
    m_standardLength = m_row.StandardLen;
    m_absLength = m_row.AbsLen;
    if (!m_row.MaturityLevel.IsEmpty()) m_maturity.SelectString(-1, m_row.MaturityLevel);
    return TRUE;
}

void CDlg_Fish::TakeRow() {
    const int selected = m_maturity.GetCurSel();
    m_row.MaturityLevel = selected == CB_ERR ? CString() : m_maturity.GetLBText(selected);
    m_row.Sex = m_sex;
    m_row.SexLetter = FishSexLetter(m_sex);
    m_row.Weight = m_weight;
    m_row.Notes = m_notes;
    m_row.StandardLen = m_standardLength;
    m_row.AbsLen = m_absLength;
}
