// Forms 9 and 10 on the demo database, as a user walks them: the moss pages filled through
// their controls and dialogs, stored, opened again for editing with every value back, stored
// again, printed and deleted.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "pages/species/DlgMossRows.h"
#include "pages/species/SpecFormMoss01.h"
#include "pages/species/SpecFormMoss02.h"
#include "pages/species/SpecFormMoss03.h"
#include "pages/species/SpecFormMoss04.h"
#include "pages/species/SpecFormMoss05.h"
#include "pages/species/SpecFormMoss06.h"
#include "pages/species/SpecFormMoss07.h"
#include "platform/ReportEngine.h"
#include "reports/DlgReport.h"
#include "store/SqlText.h"
#include "tests/pages/PageFixture.h"

namespace {

namespace fs = std::filesystem;

class MossWalkTest : public PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        fs::copy(fs::path(QUORIN_DATA_DIR) / "reports", fs::path(database.Folder().str()) / "Reports",
                 fs::copy_options::recursive);
        output = MakeTempFolder();
        SetReportOutputFolder(output);
        doc.UserID = doc.SessionID = 1;
    }

    void TearDown() override {
        SetReportOutputFolder("");
        fs::remove_all(output.str());
        PageTest::TearDown();
    }

    // Every dialog the click opens: its combo `comboId` set to `data`, an edit typed, OK.
    void WithDialog(int comboId, int data, int editId, const char* text, const std::function<void()>& click) {
        const ModalRun script([&](CDialog& shown) {
            if (comboId) Choose(shown, comboId, data);
            if (editId) shown.SetDlgItemText(editId, text);
            shown.PressButton(IDOK);
        });
        click();
    }

    // The pages both forms share, filled.
    void FillCommonMossPages() {
        ShowPage(RUNTIME_CLASS(CSpecForm_Moss_01));
        const auto& rows = CSpecForm_Moss_01::kRowIds;
        page->CheckDlgButton(rows[4].check, BST_CHECKED);
        Click(*page, rows[4].check);
        page->SetDlgItemText(rows[4].distance, "0450");
        ShowPage(RUNTIME_CLASS(CSpecForm_Moss_02));
        Choose(*page, CSpecForm_Moss_02::IDC_COMMUNITY, 2);
        for (const int tree : {3, 1})
            WithDialog(CDlg_Moss_AddSpecies::IDC_LATIN, tree, 0, "", [this] { Click(*page, 2596); });
        ShowPage(RUNTIME_CLASS(CSpecForm_Moss_03));
        WithDialog(CDlg_Moss_AddSpecies::IDC_BULGARIAN, 4, 0, "", [this] { Click(*page, 2596); });
        page->SetDlgItemText(CSpecForm_Moss_03::IDC_BUSHES, "35");
        page->SetDlgItemText(CSpecForm_Moss_03::IDC_TILT, "12");
        Click(*page, CSpecForm_Moss_03::IDC_ROCKS_YES);
        ShowPage(RUNTIME_CLASS(CSpecForm_Moss_05));
        WithDialog(CDlg_Moss_Companion::IDC_SPECIES, 1024, 0, "", [this] { Click(*page, 2596); });
        page->SetDlgItemText(CSpecForm_Moss_05::IDC_COVER, "65");
        ShowPage(RUNTIME_CLASS(CSpecForm_Moss_06));
        page->SetDlgItemText(CSpecForm_Moss_06::IDC_NOTES, "Чимчета по 'Стария път'");
        Leave();
    }

    // Stored, loaded with every value back, shown and stored again, printed and deleted.
    void StoreEditPrintDelete(const char* textFile, std::initializer_list<const char*> values) {
        ASSERT_TRUE(doc.SaveNewForm());
        const int formId = Number("select max(ID) from Forms");
        CTovan_splitDoc loaded;
        loaded.m_bAutoDelete = FALSE;
        ASSERT_TRUE(loaded.LoadForm(formId));
        EXPECT_EQ(std::tuple(loaded.SpecData_Moss_01, loaded.SpecData_Moss_02, loaded.SpecData_Moss_03,
                             loaded.SpecData_Moss_04, loaded.SpecData_Moss_05, loaded.SpecData_Moss_06,
                             loaded.SpecData_Moss_07),
                  std::tuple(doc.SpecData_Moss_01, doc.SpecData_Moss_02, doc.SpecData_Moss_03, doc.SpecData_Moss_04,
                             doc.SpecData_Moss_05, doc.SpecData_Moss_06, doc.SpecData_Moss_07));

        doc.ClearAll();
        ASSERT_TRUE(doc.LoadForm(formId));
        for (const CRuntimeClass* pageClass :
             {RUNTIME_CLASS(CSpecForm_Moss_01), RUNTIME_CLASS(CSpecForm_Moss_02), RUNTIME_CLASS(CSpecForm_Moss_03),
              RUNTIME_CLASS(CSpecForm_Moss_04), RUNTIME_CLASS(CSpecForm_Moss_05), RUNTIME_CLASS(CSpecForm_Moss_07)})
            ShowPage(pageClass);
        Leave();
        EXPECT_EQ(doc.SpecData_Moss_05, loaded.SpecData_Moss_05);
        ASSERT_TRUE(doc.UpdateForm());
        CTovan_splitDoc again;
        again.m_bAutoDelete = FALSE;
        ASSERT_TRUE(again.LoadForm(formId));
        EXPECT_EQ(std::tuple(again.SpecData_Moss_02, again.SpecData_Moss_03, again.SpecData_Moss_07),
                  std::tuple(loaded.SpecData_Moss_02, loaded.SpecData_Moss_03, loaded.SpecData_Moss_07));

        CDlgReport report(&doc);
        ASSERT_TRUE(report.Create(CDlgReport::IDD));
        report.ShowReport(doc.FormTypeID);
        report.DestroyWindow();
        std::stringstream printed;
        printed << std::ifstream(fs::path(output.str()) / textFile).rdbuf();
        EXPECT_EQ(printed.str().find("Други данни"), std::string::npos);
        for (const char* value : values) EXPECT_NE(printed.str().find(value), std::string::npos) << value;

        ASSERT_TRUE(doc.DeleteForm(formId));
        EXPECT_EQ(Number(FormatSql("select count(*) from tMoss_02 where FormID = %d", formId)), 0);
        EXPECT_TRUE(boxes.boxes.empty()) << boxes.Texts().front();
    }

    CString output;
};

TEST_F(MossWalkTest, BrachytheciumWithTuftLocationsAndSporeCapsules) {
    doc.FormTypeID = 9;
    doc.SpeciesID = 108;
    doc.SpeciesName = "Brachythecium geheebii";
    FillCommonMossPages();
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_07));
    dynamic_cast<CListBox*>(page->GetDlgItem(CSpecForm_Moss_07::IDC_OFFERED))->SetCurSel(1);
    Click(*page, CSpecForm_Moss_07::IDC_CHOOSE);
    WithDialog(CDlg_Moss_Tuft::IDC_SPORE, 1, CDlg_Moss_Tuft::IDC_AREA, "17.5", [this] { Click(*page, 2596); });
    Leave();
    StoreEditPrintDelete("moss_Brachythecium geheebi.txt",
                         {"Brachythecium geheebii", "0450", "Picea abies", "Fagus sylvatica", "Vaccinium myrtillus", "35",
                          "12", "Да", "17.5", "Polytrichum commune", "65", "Чимчета по 'Стария път'"});
}

TEST_F(MossWalkTest, BazzaniaWithTuftSituationsAndAreas) {
    doc.FormTypeID = 10;
    doc.SpeciesID = 112;
    doc.SpeciesName = "Bazzania flaccida";
    FillCommonMossPages();
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_04));
    Choose(*page, CSpecForm_Moss_04::IDC_GRASS_COVER, 4);
    for (const char* area : {"8", "120.25"})
        WithDialog(0, 0, CDlg_Moss_Tuft::IDC_AREA, area, [this] { Click(*page, 2596); });
    Leave();
    StoreEditPrintDelete("moss_Bazzania flaccida.txt", {"Bazzania flaccida", "Гъста тревна покривка", "120.25",
                                                        "Picea abies", "Polytrichum commune", "Стария път"});
}

}  // namespace
