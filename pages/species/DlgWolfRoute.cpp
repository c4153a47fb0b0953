#include "pages/species/DlgWolfRoute.h"

#include "controls/ComboHelpers.h"
#include "pages/common/CityLists.h"
#include "pages/common/DlgCoordinates.h"
#include "pages/common/PageLists.h"
#include "pages/common/RioswLists.h"
#include "res/WolfIds.h"
#include "store/SqlText.h"
#include "store/FormDocument.h"

REGISTER_DIALOG_CLASS(CDlg_Wolf_Route, static_cast<CTovan_splitDoc*>(document)->RIOSW_ID, CWolf06Row())

namespace {

constexpr int kAltitudeLength = 4;
// A settlement's entry ends with its EKATTE code of five characters.
constexpr int kEkatteLength = 5;

}  // namespace

CDlg_Wolf_Route::CDlg_Wolf_Route(int inspectorateId, const CWolf06Row& point, CWnd* parent)
    : CRowDialogOf(IDD_WOLF_ROUTE, &point, parent), m_inspectorateId(inspectorateId) {}

const MessageMap& CDlg_Wolf_Route::GetMessageMap() const {
    static const MessageMap map(CRowDialogOf::GetMessageMap(), {
        OnClicked(IDC_POINT, &CDlg_Wolf_Route::OnPoint),
        OnSelChange(IDC_CITY, &CDlg_Wolf_Route::OnCitySelChange),
    });
    return map;
}

void CDlg_Wolf_Route::DoDataExchange(CDataExchange* pDX) {
    CRowDialogOf::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CITY, m_city);
    DDX_Control(pDX, IDC_DDS, m_dds);
    DDX_Control(pDX, IDC_DL, m_dl);
    DDX_Control(pDX, IDC_PARK_SECTION, m_parkSection);
    DDX_Control(pDX, IDC_EXPOSURE, m_exposure);
    DDX_Text(pDX, IDC_EKATTE, m_ekatte);
    DDX_Text(pDX, IDC_PLACE, m_place);
    DDX_Text(pDX, IDC_DEPARTMENT, m_department);
    DDX_Text(pDX, IDC_SUBDEPARTMENT, m_subdepartment);
    DDX_Text(pDX, IDC_LONGITUDE, m_longitude);
    DDX_Text(pDX, IDC_LATITUDE, m_latitude);
    DDX_Text(pDX, IDC_ALTITUDE, m_altitude);
    DDV_MaxChars(pDX, m_altitude, kAltitudeLength);
}

void CDlg_Wolf_Route::FillLists() {
    FillCitiesOfInspectorate(m_city, m_inspectorateId);
    FillComboFromColumns(m_exposure, "ID", "Name", "nMossExposure");
    // A park's sections are listed under the park's own id, which is the login's id.
    FillComboFromQuery(m_parkSection, FormatSql("select ID, Name from nPU where NP_ID = %d ", m_inspectorateId), "ID",
                       "Name");
    FillInspectorateUnits(m_dl, "nDL", "rDL__RIOSW_NP_PP", "dlID", m_inspectorateId);
    FillInspectorateUnits(m_dds, "nDDS", "rDDS__RIOSW_NP_PP", "ddsID", m_inspectorateId);
}

BOOL CDlg_Wolf_Route::ShowRow() {
    CComboHelpers::SelectByItemData(m_city, m_row.CityID);
    CComboHelpers::SelectByItemData(m_dl, m_row.DL_ID);
    CComboHelpers::SelectByItemData(m_dds, m_row.DDS_ID);
    CComboHelpers::SelectByItemData(m_exposure, m_row.ExposureID);
    CComboHelpers::SelectByItemData(m_parkSection, m_row.PU_ID);
    m_altitude = m_row.Altitude;
    m_department = m_row.Department;
    m_ekatte = m_row.EKNM;
    m_latitude = m_row.Lattitude;
    m_longitude = m_row.Longitude;
    m_place = m_row.Place;
    m_subdepartment = m_row.Subdepartment;
    return TRUE;
}

void CDlg_Wolf_Route::OnCitySelChange() {
    if (const std::optional<CCityRow> city = ChosenCityRow(m_city)) SetDlgItemText(IDC_EKATTE, city->ekatte);
}

// The coordinate dialog always starts empty; the position is taken only on its OK.
void CDlg_Wolf_Route::OnPoint() {
    UpdateData(TRUE);
    CDlg_Coordinates coordinates(nullptr, this);
    if (coordinates.DoModal() != IDOK) return;
    m_row.GpsPoint = coordinates.m_point;
    m_latitude = coordinates.m_point.FormatLatitude();
    m_longitude = coordinates.m_point.FormatLongitude();
    UpdateData(FALSE);
}

void CDlg_Wolf_Route::TakeRow() {
    CComboHelpers::GetSelection(m_city, m_row.CityID, m_row.CityIDName);
    CComboHelpers::GetSelection(m_dl, m_row.DL_ID, m_row.DL_IDName);
    CComboHelpers::GetSelection(m_dds, m_row.DDS_ID, m_row.DDS_IDName);
    CComboHelpers::GetSelection(m_exposure, m_row.ExposureID, m_row.ExposureIDName);
    CComboHelpers::GetSelection(m_parkSection, m_row.PU_ID, m_row.PU_IDName);
    // The settlement's name alone: its entry less the code and the padding before it.
    if (m_row.CityIDName.GetLength() > kEkatteLength) {
        m_row.CityIDName = m_row.CityIDName.Left(m_row.CityIDName.GetLength() - kEkatteLength);
        m_row.CityIDName.TrimRight();
    }
    m_row.Altitude = m_altitude;
    m_row.Department = m_department;
    m_row.EKNM = m_ekatte;
    m_row.Lattitude = m_latitude;
    m_row.Longitude = m_longitude;
    m_row.Place = m_place;
    m_row.Subdepartment = m_subdepartment;
}
