#include "pages/common/CommonForm02.h"

#include "controls/ComboHelpers.h"
#include "controls/DialogHelpers.h"
#include "pages/common/PageControls.h"
#include "pages/common/PageLists.h"
#include "res/CommonPageIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CCommonForm_02, CFormPage)

namespace {

constexpr int kTemperatureLength = 6;

}  // namespace

CCommonForm_02::CCommonForm_02(BOOL air, BOOL water, BOOL ground, BOOL onlyAir)
    : CFormPage(IDD_CLIMATE_PAGE), m_air(air), m_water(water), m_ground(ground), m_onlyAir(onlyAir) {}

void CCommonForm_02::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CLOUDS, m_cloudinessList);
    DDX_Control(pDX, IDC_GROUND, m_groundList);
    DDX_Control(pDX, IDC_AIR, m_airEdit);
    DDX_Control(pDX, IDC_WATER, m_waterEdit);
    DDX_CBIndex(pDX, IDC_CLOUDS, m_cloudiness);
    DDX_Text(pDX, IDC_RAINFALL, m_rainfall);
    DDX_Radio(pDX, IDC_WIND_WEAK, m_wind);
    DDX_Text(pDX, IDC_AIR, m_airTemperature);
    DDV_MaxChars(pDX, m_airTemperature, kTemperatureLength);
    DDX_Text(pDX, IDC_WATER, m_waterTemperature);
    DDV_MaxChars(pDX, m_waterTemperature, kTemperatureLength);
}

void CCommonForm_02::PreparePage() {
    ShowFields();
    CComboHelpers::SetDroppedWidthToFit(m_cloudinessList);
    FillComboFromTable(m_groundList, "nTortoiseGround");
    LoadFromDocument();
    m_airEdit.SetAllowNegative(TRUE);
    m_waterEdit.SetAllowNegative(TRUE);
}

void CCommonForm_02::ShowFields() {
    ShowControls(this, {IDC_WATER_LABEL, IDC_WATER}, m_water);
    ShowControls(this, {IDC_AIR_LABEL, IDC_AIR}, m_air);
    ShowControls(this, {IDC_TEMPERATURE_GROUP}, m_air || m_water);
    ShowControls(this, {IDC_GROUND_LABEL, IDC_GROUND}, m_ground);
    if (!m_onlyAir) return;
    ShowControls(this,
                 {IDC_CLOUDS_GROUP, IDC_CLOUDS_LABEL, IDC_CLOUDS, IDC_RAINFALL_LABEL, IDC_RAINFALL, IDC_WATER_LABEL,
                  IDC_WATER, IDC_WIND_GROUP, IDC_WIND_WEAK, IDC_WIND_MODERATE, IDC_WIND_STRONG, IDC_GROUND_LABEL, IDC_GROUND},
                 FALSE);
    // The air temperature alone takes the place of the first group, under the header.
    const CRect first = WindowRectInParent(*GetDlgItem(IDC_CLOUDS_GROUP));
    const CRect temperature = WindowRectInParent(*GetDlgItem(IDC_TEMPERATURE_GROUP));
    for (const int id : {IDC_TEMPERATURE_GROUP, IDC_AIR_LABEL, IDC_AIR})
        CDialogHelpers::FitControlToControl(this, id, first.left - temperature.left, first.top - temperature.top);
}

void CCommonForm_02::LoadRecord() {
    const CCommonData_02& weather = Document()->CommonData_02;
    m_cloudiness = weather.Cloudness;
    m_rainfall = weather.Rainfall;
    m_wind = weather.Wind;
    m_airTemperature = weather.TemperatureAir;
    m_waterTemperature = weather.TemperatureWater;
    CComboHelpers::SelectByItemData(m_groundList, weather.SurfaceID);
}

void CCommonForm_02::SaveRecord() {
    CCommonData_02& weather = Document()->CommonData_02;
    weather.Cloudness = m_cloudiness;
    weather.Rainfall = m_rainfall;
    weather.Wind = m_wind;
    weather.TemperatureAir = m_airTemperature;
    weather.TemperatureWater = m_waterTemperature;
    CComboHelpers::GetSelection(m_groundList, weather.SurfaceID, weather.SurfaceIDName);
}
