#include "pages/common/CommonForm04.h"

#include "controls/ComboHelpers.h"
#include "pages/common/DlgCoordinates.h"
#include "pages/common/PageControls.h"
#include "pages/common/PageLists.h"
#include "pages/common/PageTable.h"
#include "res/CommonPageIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CCommonForm_04, CFormPage)

namespace {

constexpr int kAltitudeLength = 4;
constexpr UINT kHeadingFormat = DT_RIGHT;

}  // namespace

CCommonForm_04::CCommonForm_04(int withExposure) : CFormPage(IDD_COORDINATES_PAGE), m_withExposure(withExposure) {}

const MessageMap& CCommonForm_04::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(IDC_ADD_POINT, &CCommonForm_04::OnAddPoint),
        OnClicked(IDC_DELETE_POINT, &CCommonForm_04::OnDeletePoint),
        OnNotify(IDC_POINTS, NM_DBLCLK, &CCommonForm_04::OnPointDblClk),
    });
    return map;
}

void CCommonForm_04::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_EXPOSURE, m_exposure);
    DDX_Radio(pDX, IDC_ALPINE, m_region);
    DDX_Text(pDX, IDC_ALTITUDE, m_altitude);
    DDV_MaxChars(pDX, m_altitude, kAltitudeLength);
    DDX_Control(pDX, IDC_POINTS, m_grid);
}

void CCommonForm_04::PreparePage() {
    ShowControls(this, {IDC_EXPOSURE_LABEL, IDC_EXPOSURE}, m_withExposure == 1);
    SetupPointGrid();
    // Filled also when hidden: a stored exposure then goes from load to save unchanged.
    FillComboFromColumns(m_exposure, "ID", "Name", "nMossExposure");
    LoadFromDocument();
    RefreshPointGrid();
}

void CCommonForm_04::SetupPointGrid() {
    m_grid.SetListMode(TRUE);
    m_grid.SetSingleRowSelection(TRUE);
    m_grid.SetEditable(FALSE);
    m_grid.SetColumnWidth(m_grid.InsertColumn("№", kHeadingFormat), 25);
    m_grid.SetColumnWidth(m_grid.InsertColumn("Longitude", kHeadingFormat), 105);
    m_grid.SetColumnWidth(m_grid.InsertColumn("Latitude", kHeadingFormat), 105);
    m_grid.SetFixedRowCount(1);
    m_grid.SetFixedColumnCount(0);
}

void CCommonForm_04::RefreshPointGrid() {
    RefillPageGrid(m_grid, m_points, [](const CGeoPoint& point) {
        return PageGridRow{{point.FormatLongitude(), point.FormatLatitude()}, std::nullopt};
    });
}

void CCommonForm_04::LoadRecord() {
    const CCommonData_04& coordinates = Document()->CommonData_04;
    m_region = coordinates.BioRegionID;
    m_altitude = coordinates.Altitude;
    m_points = coordinates.Points;
    CComboHelpers::SelectByItemData(m_exposure, coordinates.ExposureID);
}

void CCommonForm_04::SaveRecord() {
    CCommonData_04& coordinates = Document()->CommonData_04;
    coordinates.BioRegionID = m_region;
    coordinates.Altitude = m_altitude;
    CComboHelpers::GetSelection(m_exposure, coordinates.ExposureID, coordinates.ExposureIDName);
    coordinates.Points = m_points;
}

void CCommonForm_04::OnAddPoint() {
    CDlg_Coordinates dialog;
    if (dialog.DoModal() != IDOK) return;
    m_points.Add(dialog.m_point);
    RefreshPointGrid();
}

void CCommonForm_04::OnPointDblClk(NMHDR* header, LRESULT*) {
    const int index = ElementIndexOfRow(m_grid, reinterpret_cast<NM_GRIDVIEW*>(header)->iRow);
    if (index < 0 || index >= m_points.GetSize()) return;
    CDlg_Coordinates dialog(&m_points[index]);
    if (dialog.DoModal() != IDOK) return;
    m_points[index] = dialog.m_point;
    RefreshPointGrid();
}

void CCommonForm_04::OnDeletePoint() {
    const int index = SelectedElementIndex(m_grid);
    if (index < 0 || index >= m_points.GetSize()) return;
    m_points.RemoveAt(index);
    RefreshPointGrid();
}
