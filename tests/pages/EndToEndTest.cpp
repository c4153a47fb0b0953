// A form whose common pages were filled through their controls is stored, read back into a
// fresh document, and printed with the typed values.
#include <algorithm>

#include "controls/grid/GridCtrl.h"
#include "pages/common/CommonForm01.h"
#include "pages/common/CommonForm02Variants.h"
#include "pages/common/CommonForm04.h"
#include "pages/common/CommonForm05.h"
#include "pages/common/DlgChoosePlace.h"
#include "pages/common/DlgCoordinates.h"
#include "platform/CrystalCtrl.h"
#include "reports/DlgReport.h"
#include "store/SqlText.h"
#include "tests/pages/PageFixture.h"

namespace {

constexpr int kAmphibianForm = 13;  // its report prints the place, weather, coordinates and areas
constexpr int kAmphibian = 335;

class EndToEndTest : public PrintingPageTest {
protected:
    void SetUp() override {
        PrintingPageTest::SetUp();
        doc.FormTypeID = kAmphibianForm;
        doc.SpeciesID = kAmphibian;
    }

    std::vector<CString> parameters;

private:
    ReportCallRun m_recorder{[this](const CCrystalCtrl&, const CrystalCall& call) {
        if (call.kind == CrystalCall::ParameterField) parameters.push_back(call.text);
    }};
};

TEST_F(EndToEndTest, TheTypedCommonPagesAreStoredLoadedAndPrinted) {
    const auto [city, cityName] = Rows(FormatSql("select ID, EKNM_NAME from EKNM_CITIES where Municipality in (select "
                                                 "mun_id from rMun____RIOSW_NP_PP where riosw_np_pp_id = %d)",
                                                 kTestInspectorate))[1];
    const auto [park, parkName] =
        Rows(FormatSql("select ID, Name from nNP where ID in (select NP_id from rNP__RIOSW_NP_PP where RIOSW_NP_PP_id = %d)",
                       kTestInspectorate))[0];

    ShowPage(RUNTIME_CLASS(CCommonForm_01));
    {
        const ModalRun script([](CDialog& shown) {  // a new site
            shown.PressButton(CDlg_ChoosePlace::IDC_NEW_MODE);
            shown.SetDlgItemText(CDlg_ChoosePlace::IDC_NEW_NAME, "Поляна 'Под връх'");
            shown.PressButton(IDOK);
        });
        Click(*page, CCommonForm_01::IDC_FIND_PLACE);
    }
    Choose(*page, CCommonForm_01::IDC_CITY, city);
    const CString ekatte = TextOf(*page, CCommonForm_01::IDC_EKATTE);
    page->SetDlgItemText(CCommonForm_01::IDC_DEPARTMENT, "42");
    Leave();
    doc.CommonData_01.Date = COleDateTime(2024, 3, 9, 0, 0, 0);
    doc.CommonData_01.StartTime = COleDateTime(2000, 1, 1, 6, 45, 0);

    ShowPage(RUNTIME_CLASS(CCommonForm_02_BothTemperature));
    ChooseIndex(*page, CCommonForm_02::IDC_CLOUDS, 3);
    Click(*page, CCommonForm_02::IDC_WIND_STRONG);
    Leave();

    ShowPage(RUNTIME_CLASS(CCommonForm_04));
    {
        const ModalRun script([](CDialog& shown) {
            for (const auto& [id, text] : {std::pair(CDlg_Coordinates::IDC_LAT_DEG, "42"), std::pair(CDlg_Coordinates::IDC_LAT_MIN, "11"),
                                           std::pair(CDlg_Coordinates::IDC_LAT_SEC, "5"), std::pair(CDlg_Coordinates::IDC_LAT_FRACTION, "25"),
                                           std::pair(CDlg_Coordinates::IDC_LON_DEG, "23"), std::pair(CDlg_Coordinates::IDC_LON_MIN, "35"),
                                           std::pair(CDlg_Coordinates::IDC_LON_SEC, "59"), std::pair(CDlg_Coordinates::IDC_LON_FRACTION, "1")})
                shown.SetDlgItemText(id, text);
            shown.PressButton(IDOK);
        });
        Click(*page, CCommonForm_04::IDC_ADD_POINT);
    }
    Click(*page, 2084);
    page->SetDlgItemText(CCommonForm_04::IDC_ALTITUDE, "1850");
    Leave();

    ShowPage(RUNTIME_CLASS(CCommonForm_05));
    Choose(*page, CCommonForm_05::IDC_NATIONAL_PARK, park);
    Leave();

    ASSERT_TRUE(doc.SaveNewForm());
    const int site = Number("select ID from nSites where SiteName = 'Поляна ''Под връх'''");
    ASSERT_GT(site, 0);
    // From now on the site is offered among the object's known sites of the inspectorate.
    CDlg_ChoosePlace picker("под", kTestInspectorate, kAmphibian, CCommonForm_01::kPlain);
    {
        const ModalRun script([](CDialog& shown) {
            dynamic_cast<CDlg_ChoosePlace&>(shown).FoundSites().SendMessageToParent(1, 1, NM_DBLCLK);
        });
        ASSERT_EQ(picker.DoModal(), IDOK);
    }
    EXPECT_EQ(picker.m_resultId, site);

    CTovan_splitDoc loaded;
    loaded.m_bAutoDelete = FALSE;
    loaded.FormTypeID = kAmphibianForm;
    ASSERT_TRUE(loaded.LoadForm(Number("select max(ID) from Forms")));
    EXPECT_EQ(std::tuple(loaded.CommonData_01.PlaceID, loaded.CommonData_01.EKNM_CityID, loaded.CommonData_02.Wind,
                         loaded.CommonData_05.NP_ID),
              std::tuple(site, city, 2, park));
    EXPECT_EQ(loaded.CommonData_04.Points, doc.CommonData_04.Points);

    CDlgReport report(&loaded);
    ASSERT_TRUE(report.Create(CDlgReport::IDD));
    report.ShowReport(kAmphibianForm);
    report.DestroyWindow();
    EXPECT_TRUE(boxes.Texts().empty()) << boxes.Texts().front();
    for (const CString& expected :
         {CString("PARAM_PLACE;Поляна 'Под връх';TRUE"), FormatSql("PARAM_CODE_PLACE;%d;TRUE", site),
          "PARAM_CITY;" + cityName + ";TRUE", "PARAM_EKATTE;" + ekatte + ";TRUE", CString("PARAM_DATE;2024-03-09;TRUE"),
          CString("PARAM_HOUR1;06:45;TRUE"), CString("PARAM_DEPARTMENT;42;TRUE"),
          CString("PARAM_LONGITUDE;23°  35'  59.1'';TRUE"), CString("PARAM_LATITUDE;42°  11'  5.25'';TRUE"),
          CString("PARAM_ATTITUDE;1850;TRUE"), CString("PARAM_BIO_REGION2;x;TRUE"), "PARAM_NP;" + parkName + ";TRUE",
          CString("PARAM_METERO1;3;TRUE"), CString("PARAM_METERO2;силен;TRUE")})
        EXPECT_NE(std::find(parameters.begin(), parameters.end(), expected), parameters.end()) << expected.GetString();
}

}  // namespace
