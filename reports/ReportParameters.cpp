#include "ReportParameters.h"

#include <algorithm>

#include "platform/CrystalCtrl.h"
#include "store/FormDocument.h"

namespace {

constexpr int kMaxValueLength = 250;
constexpr int kCutValueLength = 246;
constexpr int kTeamRows = 4;

}  // namespace

CString CReportParameters::DateText(const COleDateTime& date) { return date.Format("%Y-%m-%d"); }
CString CReportParameters::HourText(const COleDateTime& time) { return time.Format("%H:%M"); }

CString CReportParameters::RowName(const char* format, int row) {
    CString name;
    name.Format(format, row);
    return name;
}

void CReportParameters::SetText(const CString& text) {
    // The control numbers its parameters with 16 bits.
    m_control.SetParameterField(static_cast<short>(m_index), text);
    ++m_index;
}

void CReportParameters::SetParam(const char* name, const CString& value) {
    // The control splits the text at its semicolons.
    CString prepared = value;
    prepared.Replace(";", "  ");
    if (prepared.GetLength() > kMaxValueLength) prepared = prepared.Left(kCutValueLength) + "...";
    CString text;
    text.Format("%s;%s;%s", name, prepared, "TRUE");
    SetText(text);
}

void CReportParameters::SetIntParam(const char* name, int value) {
    CString text;
    text.Format("%s;%d;%s", name, value, "TRUE");
    SetText(text);
}

void CReportParameters::SetYesNoParam(const char* name, int flag) { SetParam(name, flag != 0 ? "да" : "не"); }

void CReportParameters::SetCheckParam(const char* name, int flag) { SetParam(name, flag != 0 ? "+" : ""); }

void CReportParameters::FillSpeciesAndTime() {
    const CCommonData_01& place = m_document.CommonData_01;
    SetParam("PARAM_SPECIES", m_document.SpeciesName);
    SetParam("PARAM_CODE_SPECIES", m_document.SpeciesCode);
    SetParam("PARAM_DATE", DateText(place.Date));
    SetParam("PARAM_HOUR1", HourText(place.StartTime));
    SetParam("PARAM_HOUR2", HourText(place.EndTime));
}

void CReportParameters::FillSiteHeader() {
    const CCommonData_01& place = m_document.CommonData_01;
    FillSpeciesAndTime();
    SetParam("PARAM_PLACE", place.SiteName);
    // A site typed as new (not stored yet) or none at all has no code to print.
    if (place.PlaceID > 0) SetIntParam("PARAM_CODE_PLACE", place.PlaceID);
}

void CReportParameters::FillAreaHeader(bool withWeather) {
    const CCommonData_01& place = m_document.CommonData_01;
    SetParam("PARAM_PROVINCE", place.EKNM_ProvinceIDName);
    SetParam("PARAM_MUNICIPALITY", place.EKNM_MunicipalityIDName);
    FillNuts();
    SetParam("PARAM_RIOSW", place.RIOSW_ID_Name);
    SetParam("PARAM_RUG", place.RUG_IDName);
    FillBioRegions();
    if (withWeather) FillWeather();
    FillProtectedAreas();
    FillTeam();
}

void CReportParameters::FillLocationRows(int n) {
    const CCommonData_01& place = m_document.CommonData_01;
    const CCommonData_04& coordinates = m_document.CommonData_04;
    SetParam(RowName("PARAM_EKATTE_%d", n), place.EKNM_CityCode);
    SetParam(RowName("PARAM_CITY_%d", n), place.EKNM_CityIDName);
    SetParam(RowName("PARAM_PLACE_%d", n), place.SiteName);
    if (place.PlaceID > 0) SetIntParam(RowName("PARAM_CODE_PLACE_%d", n), place.PlaceID);
    SetParam(RowName("PARAM_DDS_%d", n), place.DDS_IDName);
    SetParam(RowName("PARAM_DL_%d", n), place.DL_IDName);
    SetParam(RowName("PARAM_PU_%d", n), m_document.CommonData_05.NP_PU_IDName);
    SetParam(RowName("PARAM_DEPARTMENT_%d", n), place.Department);
    SetParam(RowName("PARAM_SUBDEPARTMENT_%d", n), place.SubDepartment);
    SetParam(RowName("PARAM_ATTITUDE_%d", n), coordinates.Altitude);
    SetParam(RowName("PARAM_EXPOSURE_%d", n), coordinates.ExposureIDName);
    if (coordinates.Points.IsEmpty()) return;
    SetParam(RowName("PARAM_LONGITUDE_%d", n), coordinates.Points[0].FormatLongitude());
    SetParam(RowName("PARAM_LATITUDE_%d", n), coordinates.Points[0].FormatLatitude());
}

void CReportParameters::FillLocationRows6(const CWolf06Row& point, int k) {
    const int placeId = m_document.CommonData_01.PlaceID;
    SetParam(RowName("PARAM_EKATTE_6%d", k), point.EKNM);
    SetParam(RowName("PARAM_CITY_6%d", k), point.CityIDName);
    if (placeId > 0) SetIntParam(RowName("PARAM_CODE_PLACE_6%d", k), placeId);
    SetParam(RowName("PARAM_PLACE_6%d", k), point.Place);
    SetParam(RowName("PARAM_DDS_6%d", k), point.DDS_IDName);
    SetParam(RowName("PARAM_DL_6%d", k), point.DL_IDName);
    SetParam(RowName("PARAM_PU_6%d", k), point.PU_IDName);
    SetParam(RowName("PARAM_DEPARTMENT_6%d", k), point.Department);
    SetParam(RowName("PARAM_SUBDEPARTMENT_6%d", k), point.Subdepartment);
    SetParam(RowName("PARAM_ATTITUDE_6%d", k), point.Altitude);
    SetParam(RowName("PARAM_LONGITUDE_6%d", k), point.Longitude);
    SetParam(RowName("PARAM_LATITUDE_6%d", k), point.Lattitude);
    SetParam(RowName("PARAM_EXPOSURE_6%d", k), point.ExposureIDName);
}

void CReportParameters::FillCommonHeader() {
    const CCommonData_01& place = m_document.CommonData_01;
    FillSiteHeader();
    FillAdminLocation();
    SetParam("PARAM_FIELD_NUM", place.DynamicStrContent);
    FillCoordinates();
    SetParam("PARAM_ATTITUDE", m_document.CommonData_04.Altitude);
    FillBioRegions();
    FillProtectedAreas();
    FillTeam();
}

void CReportParameters::FillPlaceAndTeam() {
    FillSiteHeader();
    FillLocationAndTeam();
}

void CReportParameters::FillLocationAndTeam() {
    FillAdminLocation();
    FillCoordinates();
    SetParam("PARAM_ATTITUDE", m_document.CommonData_04.Altitude);
    FillBioRegions();
    FillProtectedAreas();
    FillTeam();
}

void CReportParameters::FillAdminLocation() {
    const CCommonData_01& place = m_document.CommonData_01;
    SetParam("PARAM_CITY", place.EKNM_CityIDName);
    SetParam("PARAM_EKATTE", place.EKNM_CityCode);
    SetParam("PARAM_PROVINCE", place.EKNM_ProvinceIDName);
    SetParam("PARAM_MUNICIPALITY", place.EKNM_MunicipalityIDName);
    FillNuts();
    SetParam("PARAM_RIOSW", place.RIOSW_ID_Name);
    SetParam("PARAM_RUG", place.RUG_IDName);
    SetParam("PARAM_DL", place.DL_IDName);
    SetParam("PARAM_DDS", place.DDS_IDName);
    SetParam("PARAM_DEPARTMENT", place.Department);
    SetParam("PARAM_SUBDEPARTMENT", place.SubDepartment);
}

void CReportParameters::FillNuts() {
    // The NUTS name opens with its code: "BG411 София-град".
    const CString& name = m_document.CommonData_01.NUTS_IDName;
    const int blank = name.Find(' ');
    SetParam("PARAM_NUTS", blank < 0 ? CString() : name.Left(blank));
}

void CReportParameters::FillBioRegions() {
    const int region = m_document.CommonData_04.BioRegionID;
    SetParam("PARAM_BIO_REGION1", region == 0 ? "x" : "");
    SetParam("PARAM_BIO_REGION2", region == 1 ? "x" : "");
    SetParam("PARAM_BIO_REGION3", region == 2 ? "x" : "");
}

void CReportParameters::FillWeather() {
    const CCommonData_02& weather = m_document.CommonData_02;
    if (weather.Cloudness > -1) SetIntParam("PARAM_METERO1", weather.Cloudness);
    if (weather.Wind > -1) {
        static const char* const kWinds[] = {"слаб", "умерен", "силен"};
        SetParam("PARAM_METERO2", weather.Wind < 3 ? kWinds[weather.Wind] : "");
    }
    SetParam("PARAM_METERO3", weather.Rainfall);
}

void CReportParameters::FillTeam() {
    const CArray<CPersonRow>& observers = m_document.CommonData_06.Observers;
    const int rows = std::min(observers.GetSize(), kTeamRows);
    for (int row = 1; row <= rows; ++row) {
        const CPersonRow& person = observers[row - 1];
        CString fullName;
        fullName.Format("%s %s %s", person.FirstName, person.MidName, person.LastName);
        SetParam(RowName("PARAM_EKIP%d", row), fullName);
        SetParam(RowName("PARAM_INSTITUTION%d", row), person.Organization);
    }
}

void CReportParameters::FillCoordinates() {
    const CArray<CGeoPoint>& points = m_document.CommonData_04.Points;
    if (points.IsEmpty()) return;
    SetParam("PARAM_LONGITUDE", points[0].FormatLongitude());
    SetParam("PARAM_LATITUDE", points[0].FormatLatitude());
}

void CReportParameters::FillProtectedAreas() {
    struct AreaField {
        const char* name;
        CString CCommonData_05::*value;
    };
    static constexpr AreaField kAreas[] = {
        {"PARAM_PU", &CCommonData_05::NP_PU_IDName},
        {"PARAM_NP", &CCommonData_05::NP_IDName},
        {"PARAM_PP", &CCommonData_05::PP_IDName},
        {"PARAM_RESERVE", &CCommonData_05::Reserve_IDName},
        {"PARAM_PR", &CCommonData_05::PR_IDName},
        {"PARAM_PZ", &CCommonData_05::PZ_IDName},
        {"PARAM_ZM", &CCommonData_05::ZM_IDName},
        {"PARAM_CORINE", &CCommonData_05::Corine_IDName},
        {"PARAM_OVM", &CCommonData_05::OVM_IDName},
        {"PARAM_NATURE2000", &CCommonData_05::Natura_200_IDName},
        {"PARAM_RAMSAS", &CCommonData_05::Ramsar_IDName},
    };
    for (const AreaField& area : kAreas) SetParam(area.name, m_document.CommonData_05.*area.value);
}

void CReportParameters::FillPhotoMap() {
    const CCommonData_InsertImages& images = m_document.CommonData_InsertImages;
    SetCheckParam("PARAM_PHOTO", !images.PhotoImages.IsEmpty());
    SetCheckParam("PARAM_MAP", !images.MapImages.IsEmpty());
}

void CReportParameters::FillThreats(int maxRows) {
    const CThreatArray& threats = m_document.CommonData_07_Threat.Threats;
    const int rows = std::min(threats.GetSize(), maxRows);
    for (int row = 1; row <= rows; ++row) SetParam(RowName("PARAM_THREAT_%d", row), threats[row - 1].Name);
}
