// The weather page with its variants, and the forestry units page.
#include "pages/common/CommonForm02Variants.h"
#include "pages/common/CommonForm03.h"
#include "tests/pages/PageFixture.h"

namespace {

using Weather = CCommonForm_02;

class ClimateForestryTest : public PageTest {};

TEST_F(ClimateForestryTest, EachWeatherVariantShowsTheFieldsItsFormAsksFor) {
    const int clouds = Weather::IDC_CLOUDS, rain = Weather::IDC_RAINFALL, wind = Weather::IDC_WIND_WEAK,
              group = Weather::IDC_TEMPERATURE_GROUP, air = Weather::IDC_AIR, water = Weather::IDC_WATER,
              ground = Weather::IDC_GROUND;
    const std::pair<const CRuntimeClass*, std::vector<int>> variants[] = {
        {RUNTIME_CLASS(CCommonForm_02), {clouds, rain, wind, group, air, water, ground}},
        {RUNTIME_CLASS(CCommonForm_02_NoTemperature), {clouds, rain, wind}},
        {RUNTIME_CLASS(CCommonForm_02_OnlyAirTemperature), {group, air}},
    };
    for (const auto& [pageClass, fields] : variants) {
        ASSERT_NE(ShowPage(pageClass), nullptr);
        std::vector<int> shown;
        for (const int id : {clouds, rain, wind, group, air, water, ground})
            if (IsShown(*page, id)) shown.push_back(id);
        EXPECT_EQ(shown, fields) << pageClass->m_lpszClassName;
    }
}

TEST_F(ClimateForestryTest, TheWeatherGoesToTheRecordAndComesBack) {
    const Entries grounds = Rows("select ID, Name from nTortoiseGround");
    ShowPage(RUNTIME_CLASS(CCommonForm_02));
    EXPECT_EQ(ListOf(*page, Weather::IDC_GROUND), grounds);
    ChooseIndex(*page, Weather::IDC_CLOUDS, 11);
    page->SetDlgItemText(Weather::IDC_RAINFALL, "слаб дъжд");
    Click(*page, Weather::IDC_WIND_MODERATE);
    // Temperatures take a minus sign in front and one decimal point.
    Keys(*page, Weather::IDC_AIR, "-12.5.-x");
    Keys(*page, Weather::IDC_WATER, "4-");
    Choose(*page, Weather::IDC_GROUND, grounds[1].first);
    Leave();
    const CCommonData_02& weather = doc.CommonData_02;
    EXPECT_EQ(std::tuple(weather.Cloudness, weather.Rainfall, weather.Wind, weather.TemperatureAir, weather.TemperatureWater,
                         weather.SurfaceID, weather.SurfaceIDName),
              std::tuple(11, CString("слаб дъжд"), 1, CString("-12.5"), CString("4"), grounds[1].first, grounds[1].second));

    // The variant without temperatures keeps them; nothing chosen is stored as -1.
    ShowPage(RUNTIME_CLASS(CCommonForm_02_NoTemperature));
    ChooseIndex(*page, Weather::IDC_CLOUDS, -1);
    Leave();
    EXPECT_EQ(std::tuple(weather.Cloudness, weather.TemperatureAir, weather.Wind), std::tuple(-1, CString("-12.5"), 1));
}

TEST_F(ClimateForestryTest, TheForestryUnitsComeFromTheirWholeNomenclaturesAndStayInTheDocument) {
    ShowPage(RUNTIME_CLASS(CCommonForm_03));
    for (const auto& [id, table] : {std::pair(CCommonForm_03::IDC_NUTS, "nNUTS"), std::pair(CCommonForm_03::IDC_DDS, "nDDS")})
        EXPECT_EQ(ListOf(*page, id), Rows(CString("select ID, Name from ") + table)) << table;
    const auto rug = Rows("select ID, Name from nRUG").back();
    Choose(*page, CCommonForm_03::IDC_RUG, rug.first);
    page->SetDlgItemText(CCommonForm_03::IDC_DEPARTMENT, "отдел 112");
    Leave();
    EXPECT_EQ(std::tuple(doc.CommonData_03.RUG_ID, doc.CommonData_03.RUG_IDName, doc.CommonData_03.NUTS_ID),
              std::tuple(rug.first, rug.second, -1));
    ShowPage(RUNTIME_CLASS(CCommonForm_03));
    EXPECT_EQ(std::pair(SelectedData(*page, CCommonForm_03::IDC_RUG), TextOf(*page, CCommonForm_03::IDC_DEPARTMENT)),
              std::pair(rug.first, CString("отдел 112")));
}

}  // namespace
