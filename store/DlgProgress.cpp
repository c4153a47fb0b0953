#include "DlgProgress.h"

REGISTER_DIALOG_CLASS(CDlgProgress)

void CDlgProgress::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROGRESS, m_progress);
}

BOOL CDlgProgress::OnInitDialog() {
    CDialog::OnInitDialog();
    m_progress.SetRange32(0, 10000);
    return TRUE;
}
