#include "pages/species/DlgWolfTrack.h"

#include "res/WolfIds.h"

REGISTER_DIALOG_CLASS(CDlg_Wolf_Track)

namespace {

constexpr int kSizeChars = 3;

void DDX_Size(CDataExchange* pDX, int id, CString& size) {
    DDX_Text(pDX, id, size);
    DDV_MaxChars(pDX, size, kSizeChars);
}

}  // namespace

CDlg_Wolf_Track::CDlg_Wolf_Track(const CWolf11Row* row, CWnd* parent) : CRowDialogOf(IDD_WOLF_TRACK, row, parent) {}

void CDlg_Wolf_Track::DoDataExchange(CDataExchange* pDX) {
    CRowDialogOf::DoDataExchange(pDX);
    DDX_Size(pDX, IDC_FRONT_LENGTH, m_row.FrontLen);
    DDX_Size(pDX, IDC_FRONT_WIDTH, m_row.FrontWid);
    DDX_Size(pDX, IDC_BACK_LENGTH, m_row.BackLen);
    DDX_Size(pDX, IDC_BACK_WIDTH, m_row.BackWid);
    DDX_Size(pDX, IDC_STRIDE, m_row.StepLen);
}
