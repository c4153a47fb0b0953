#include "pages/common/DlgCoordinates.h"

#include "platform/MessageBox.h"
#include "res/CommonPageIds.h"
#include "shell/PageHeader.h"

REGISTER_DIALOG_CLASS(CDlg_Coordinates)

const char* const CDlg_Coordinates::kOutsideMessage =
    "Точката не попада в границите на България! \n\nЕдна точка попада в границите на България ако тя \nима "
    "географска ширина в интервала [41,45]\nи географска дължина в интервала [22,29].";

const char* const CDlg_Coordinates::kLeadingZeroMessage =
    "Частта от секундата не може да започва с 0: „05“ би се записало като 5, т.е. .5''.\n"
    "Въведете цифрите след точката без водеща нула (например 5 за .5'' или 25 за .25'') или само 0.";

namespace {

// The fraction is kept as a whole number and shown after the point, so "05" would come back
// as ".5", another point: such a value is refused, never changed.
void RefuseLeadingZero(CDataExchange* pDX, int id) {
    if (!pDX->m_bSaveAndValidate) return;
    CString text;
    pDX->m_pDlgWnd->GetDlgItemText(id, text);
    text.TrimLeft();
    text.TrimRight();
    if (text.GetLength() < 2 || text[0] != '0') return;
    AfxMessageBox(CDlg_Coordinates::kLeadingZeroMessage, MB_OK | MB_ICONEXCLAMATION);
    pDX->Fail();
}

}  // namespace

CDlg_Coordinates::CDlg_Coordinates(const CGeoPoint* point, CWnd* parent)
    : CDialog(IDD_COORDINATES, parent), m_point(point ? *point : CGeoPoint()) {}

BOOL CDlg_Coordinates::OnInitDialog() {
    m_latDeg = m_point.LatDeg;
    m_latMin = m_point.LatMin;
    m_latSec = m_point.LatSec;
    m_latFraction = m_point.LatFraction;
    m_lonDeg = m_point.LonDeg;
    m_lonMin = m_point.LonMin;
    m_lonSec = m_point.LonSec;
    m_lonFraction = m_point.LonFraction;
    const BOOL defaultFocus = CDialog::OnInitDialog();
    for (int id = IDC_FIRST_SEPARATOR; id <= IDC_LAST_SEPARATOR; ++id) SetControlFont(this, "Times New Roman", id);
    return defaultFocus;
}

void CDlg_Coordinates::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    // Each field is checked as soon as it is read, in this order; the first refused one
    // takes the focus.
    DDX_Text(pDX, IDC_LAT_DEG, m_latDeg);
    DDV_MinMaxInt(pDX, m_latDeg, 0, 90);
    DDX_Text(pDX, IDC_LAT_MIN, m_latMin);
    DDV_MinMaxInt(pDX, m_latMin, 0, 59);
    DDX_Text(pDX, IDC_LAT_FRACTION, m_latFraction);
    DDV_MinMaxInt(pDX, m_latFraction, 0, 9999);
    RefuseLeadingZero(pDX, IDC_LAT_FRACTION);
    DDX_Text(pDX, IDC_LON_SEC, m_lonSec);
    DDV_MinMaxInt(pDX, m_lonSec, 0, 59);
    DDX_Text(pDX, IDC_LON_DEG, m_lonDeg);
    DDV_MinMaxInt(pDX, m_lonDeg, 0, 180);
    DDX_Text(pDX, IDC_LON_FRACTION, m_lonFraction);
    DDV_MinMaxInt(pDX, m_lonFraction, 0, 9999);
    RefuseLeadingZero(pDX, IDC_LON_FRACTION);
    DDX_Text(pDX, IDC_LAT_SEC, m_latSec);
    DDV_MinMaxInt(pDX, m_latSec, 0, 59);
    DDX_Text(pDX, IDC_LON_MIN, m_lonMin);
    DDV_MinMaxInt(pDX, m_lonMin, 0, 59);
}

void CDlg_Coordinates::OnOK() {
    if (!UpdateData(TRUE)) return;
    m_point.LatDeg = m_latDeg;
    m_point.LatMin = m_latMin;
    m_point.LatSec = m_latSec;
    m_point.LatFraction = m_latFraction;
    m_point.LonDeg = m_lonDeg;
    m_point.LonMin = m_lonMin;
    m_point.LonSec = m_lonSec;
    m_point.LonFraction = m_lonFraction;
    if (!m_point.IsInsideBulgaria()) {
        AfxMessageBox(kOutsideMessage, MB_OK);
        return;
    }
    EndDialog(IDOK);
}
