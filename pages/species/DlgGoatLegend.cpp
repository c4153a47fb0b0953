#include "pages/species/DlgGoatLegend.h"

#include "res/GoatPageIds.h"

REGISTER_DIALOG_CLASS(CDlgGoatLegend)

CDlgGoatLegend::CDlgGoatLegend(CWnd* parent) : CDialog(IDD_GOAT_LEGEND, parent) {}

BOOL CDlgGoatLegend::OnInitDialog() {
    CDialog::OnInitDialog();
    m_white.CreateSolidBrush(RGB(255, 255, 255));
    return TRUE;
}

// The dialog and every picture and caption on it.
HBRUSH CDlgGoatLegend::OnCtlColor(CDC*, CWnd*, UINT) { return m_white; }
