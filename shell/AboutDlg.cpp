#include "shell/AboutDlg.h"

#include "platform/DC.h"
#include "platform/ImageListDraw.h"

REGISTER_DIALOG_CLASS(CAboutDlg)

CAboutDlg::CAboutDlg() : CDialog(IDD) {}

BOOL CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_icon.Create(32, 32, ILC_COLOR32 | ILC_MASK, 1, 0);
    m_icon.AddIconResource(kProgramIcon);
    return TRUE;
}

// The icon stands where the template keeps its frame.
void CAboutDlg::OnPaint() {
    CPaintDC dc(this);
    CWnd* frame = GetDlgItem(IDC_ICON_FRAME);
    if (!frame) return;
    CRect rect;
    frame->GetWindowRect(&rect);
    ScreenToClient(&rect);
    DrawImageListImage(&m_icon, 0, &dc, rect.TopLeft());
}
