#include "pages/species/DlgBatChoice.h"

#include "res/BatIds.h"

REGISTER_DIALOG_CLASS(CDlg_Choice, CForestMethodFlags{}, CForestMethodFlags{1, 1, 1, 1})

CDlg_Choice::CDlg_Choice(const CForestMethodFlags& checked, const CForestMethodFlags& enabled, CWnd* parent)
    : CRowDialog(IDD_BAT_CHOICE, parent), m_checked(checked), m_enabled(enabled) {}

BOOL CDlg_Choice::ShowRow() {
    for (int i = 0; i < kForestMethods; ++i) CheckDlgButton(IDC_FIRST_METHOD + i, CheckValue(static_cast<signed char>(m_checked[i])));
    ApplyMethodStates(IDC_FIRST_METHOD, m_enabled.data(), kForestMethods);
    return FALSE;
}

void CDlg_Choice::TakeRow() { m_methods = ReadMethods(IDC_FIRST_METHOD, kForestMethods, m_checked.data()); }
