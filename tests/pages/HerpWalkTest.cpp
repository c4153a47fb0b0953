// One walk per form type: the amphibian, reptile and tortoise pages filled through their
// controls, the form stored, read back into a fresh document and printed.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "controls/ComboHelpers.h"
#include "pages/species/DlgAddSpecies.h"
#include "pages/species/DlgTortoise.h"
#include "pages/species/HerpNotesPages.h"
#include "pages/species/SpecFormAmphibia01.h"
#include "pages/species/SpecFormReptile01.h"
#include "pages/species/SpecFormTortoise01.h"
#include "pages/species/SpecFormTortoise02.h"
#include "platform/ReportEngine.h"
#include "reports/DlgReport.h"
#include "reports/ReportTable.h"
#include "tests/pages/PageFixture.h"

namespace {

namespace fs = std::filesystem;

class HerpWalk : public PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        fs::copy(fs::path(QUORIN_DATA_DIR) / "reports", fs::path(database.Folder().str()) / "Reports", fs::copy_options::recursive);
        output = MakeTempFolder();
        SetReportOutputFolder(output);
        doc.UserID = doc.SessionID = 1;
    }
    void TearDown() override {
        SetReportOutputFolder("");
        fs::remove_all(output.str());
        PageTest::TearDown();
    }

    void Begin(int formType, int species, const char* speciesName) {
        doc.FormTypeID = formType;
        doc.SpeciesID = species;
        doc.SpeciesName = speciesName;
        doc.CommonData_01.DynamicIntRadio = 1;
        doc.CommonData_01.DynamicStrArea2 = "150";
        doc.CommonData_02.TemperatureAir = "21";
    }
    void AddCompanion(int species) {
        const DialogScript script([species](CDialog& shown) {
            CComboHelpers::SelectByItemData(dynamic_cast<CDlg_AddSpecies&>(shown).m_species, species);
            shown.PressButton(IDOK);
        });
        Click(CHerpCountsPage::IDC_ADD);
    }
    void TypeNotes(const CRuntimeClass* pageClass) {
        ShowPage(pageClass);
        Type(CHerpNotesPage::IDC_HABITAT_CHANGES, "пресушаване 'на блатото'");
        Type(CHerpNotesPage::IDC_NOTES, "  дъжд  ");
        Leave();
    }
    // Stores the typed form, loads it into a fresh document and prints it: the report's text.
    std::string StoreLoadAndPrint(CTovan_splitDoc& loaded) {
        EXPECT_TRUE(doc.SaveNewForm());
        loaded.m_bAutoDelete = FALSE;
        loaded.FormTypeID = doc.FormTypeID;
        EXPECT_TRUE(loaded.LoadForm(Number("select max(ID) from Forms")));
        CDlgReport report(&loaded);
        EXPECT_TRUE(report.Create(CDlgReport::IDD));
        report.ShowReport(doc.FormTypeID);
        report.DestroyWindow();
        EXPECT_TRUE(messages.empty()) << messages.front();
        const char* file = FindFormTypeReport(doc.FormTypeID)->first.fileName;
        EXPECT_TRUE(fs::exists(fs::path(output.str()) / fs::path(file).replace_extension(".pdf")));
        std::ifstream in(fs::path(output.str()) / fs::path(file).replace_extension(".txt"));
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static void ExpectPrinted(const std::string& text, std::initializer_list<const char*> values) {
        for (const char* value : values) EXPECT_NE(text.find(value), std::string::npos) << value;
        EXPECT_EQ(text.find("Други данни"), std::string::npos);
    }

    CString output;
};
class AmphibiaWalk : public HerpWalk {};
class ReptileWalk : public HerpWalk {};
class TortoiseWalk : public HerpWalk {};

TEST_F(AmphibiaWalk, TypedPagesAreStoredLoadedAndPrinted) {
    Begin(13, 335, "Bombina bombina(Червенокоремна бумка)");
    ShowPage(RUNTIME_CLASS(CSpecForm_Amphibia_01));
    Keys(CHerpCountsPage::IDC_ADULTS, "14");
    Keys(CHerpCountsPage::IDC_SUBADULTS, "3");
    Keys(CHerpCountsPage::IDC_YOUNG, "2");
    Keys(CSpecForm_Amphibia_01::IDC_EGGS, "120");
    Keys(CSpecForm_Amphibia_01::IDC_SINGING, "4");
    Type(CHerpCountsPage::IDC_HABITAT, "Блато с тръстика");
    AddCompanion(340);
    AddCompanion(341);
    Leave();
    TypeNotes(RUNTIME_CLASS(CSpecForm_Amphibia_02));

    CTovan_splitDoc loaded;
    const std::string text = StoreLoadAndPrint(loaded);
    EXPECT_EQ(loaded.SpecData_Amphibia_01, doc.SpecData_Amphibia_01);
    EXPECT_EQ(loaded.SpecData_Amphibia_02.Notes, "дъжд");
    ExpectPrinted(text, {"Bombina bombina", "19", "120", "Bufo viridis", "Hyla arborea", "Блато с тръстика",
                         "пресушаване 'на блатото'", "дъжд", "150", "21"});
}

TEST_F(ReptileWalk, TypedPagesAreStoredLoadedAndPrinted) {
    Begin(14, 350, "Testudo graeca(Шипобедрена костенурка)");
    ShowPage(RUNTIME_CLASS(CSpecForm_Reptile_01));
    Keys(CHerpCountsPage::IDC_ADULTS, "6");
    Keys(CHerpCountsPage::IDC_YOUNG, "5");
    Keys(CSpecForm_Reptile_01::IDC_CLUTCHES, "2");
    Keys(CHerpCountsPage::IDC_KILLED, "1");
    Type(CHerpCountsPage::IDC_HABITAT, "Сухи склонове");
    AddCompanion(351);
    Leave();
    TypeNotes(RUNTIME_CLASS(CSpecForm_Reptile_02));

    CTovan_splitDoc loaded;
    const std::string text = StoreLoadAndPrint(loaded);
    EXPECT_EQ(loaded.SpecData_Reptile_01, doc.SpecData_Reptile_01);
    EXPECT_EQ(loaded.SpecData_Reptile_01.TotalCount, "11");
    ExpectPrinted(text, {"Testudo hermanni", "11", "Сухи склонове", "пресушаване 'на блатото'", "дъжд", "150"});
}

TEST_F(TortoiseWalk, TypedPagesAreStoredLoadedAndPrinted) {
    Begin(15, 351, "Testudo hermanni(Шипоопашата костенурка)");
    doc.CommonData_02.SurfaceID = 2;
    doc.CommonData_02.SurfaceIDName = "Влажна";
    ShowPage(RUNTIME_CLASS(CSpecForm_Tortoise_01));
    {
        const DialogScript script([](CDialog& shown) {
            CComboHelpers::SelectByItemData(dynamic_cast<CDlg_Tortoise&>(shown).m_species, 2);
            shown.SetDlgItemText(CDlg_Tortoise::IDC_LENGTH, "14");
            shown.CheckDlgButton(CDlg_Tortoise::IDC_FEMALE, BST_CHECKED);
            shown.SetDlgItemText(CDlg_Tortoise::IDC_HABITAT, "3");
            shown.CheckDlgButton(CDlg_Tortoise::IDC_HEARD, BST_CHECKED);
            shown.SetDlgItemText(CDlg_Tortoise::IDC_DISTANCE, "35");
            shown.PressButton(IDOK);
        });
        Click(CSpecForm_Tortoise_01::IDC_ADD);
    }
    Leave();
    ShowPage(RUNTIME_CLASS(CSpecForm_Tortoise_02));
    page->CheckDlgButton(CSpecForm_Tortoise_02::IDC_CHECKS[2], BST_CHECKED);
    Click(CSpecForm_Tortoise_02::IDC_CHECKS[2]);
    Keys(CSpecForm_Tortoise_02::IDC_MINUTES[2], "45");
    Leave();

    CTovan_splitDoc loaded;
    const std::string text = StoreLoadAndPrint(loaded);
    EXPECT_EQ(loaded.SpecData_Tortoise_01, doc.SpecData_Tortoise_01);
    EXPECT_EQ(loaded.SpecData_Tortoise_02, doc.SpecData_Tortoise_02);
    ExpectPrinted(text, {"Шипоопашата костенурка (Testudo hermanni)", "14", "Ж", "Чут", "35", "45", "+", "21", "Влажна"});
}

}  // namespace
