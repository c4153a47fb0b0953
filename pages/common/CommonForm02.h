#pragma once
// The step "Климатични особености": cloudiness, precipitation, wind, air and water
// temperature and the ground surface. Four flags of the constructor choose which of them
// the page asks for; each form type's variant passes its own (CommonForm02Variants.h).
// The page edits the document's weather record.
#include "controls/NumericEdit.h"
#include "pages/common/FormPage.h"
#include "platform/ListControls.h"

class CCommonForm_02 : public CFormPage {
    DECLARE_DYNCREATE(CCommonForm_02)
public:
    static constexpr int IDC_CLOUDS_GROUP = 2812, IDC_CLOUDS_LABEL = 2813, IDC_CLOUDS = 2050;
    static constexpr int IDC_RAINFALL_LABEL = 1400, IDC_RAINFALL = 2102;
    static constexpr int IDC_TEMPERATURE_GROUP = 1372, IDC_AIR_LABEL = 2779, IDC_AIR = 2103, IDC_WATER_LABEL = 2778,
                         IDC_WATER = 2104;
    static constexpr int IDC_WIND_GROUP = 1401, IDC_WIND_WEAK = 2520, IDC_WIND_MODERATE = 2084, IDC_WIND_STRONG = 2092;
    static constexpr int IDC_GROUND_LABEL = 1386, IDC_GROUND = 2488;

    // Which fields the page shows: the air and the water temperature, the ground surface;
    // `onlyAir` leaves nothing but the air temperature.
    explicit CCommonForm_02(BOOL air = TRUE, BOOL water = TRUE, BOOL ground = TRUE, BOOL onlyAir = FALSE);

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void ShowFields();

    BOOL m_air;
    BOOL m_water;
    BOOL m_ground;
    BOOL m_onlyAir;
    int m_cloudiness = -1;
    CString m_rainfall;
    int m_wind = -1;
    CString m_airTemperature;
    CString m_waterTemperature;
    CComboBox m_cloudinessList;
    CComboBox m_groundList;
    CNumericEdit m_airEdit;
    CNumericEdit m_waterEdit;
};
