#include "pages/species/DlgGoatTracks.h"

#include "res/GoatPageIds.h"

REGISTER_DIALOG_CLASS(CDlgGoatTracks)

CDlgGoatTracks::CDlgGoatTracks(CWnd* parent) : CRowDialogOf(IDD_GOAT_TRACK, nullptr, parent) {}

void CDlgGoatTracks::DoDataExchange(CDataExchange* pDX) {
    CRowDialogOf::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_LENGTH, m_length);
    DDX_Text(pDX, IDC_WIDTH, m_width);
}

void CDlgGoatTracks::TakeRow() {
    m_row.Length = m_length;
    m_row.Width = m_width;
}
