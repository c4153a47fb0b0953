// Forms 17 to 20 as a user walks them: the bat pages filled through their controls, stored,
// read back, opened for editing and for reading, printed with what was typed, and deleted.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>

#include "controls/ComboHelpers.h"
#include "pages/species/DlgBatAddSpecies.h"
#include "pages/species/DlgBatHouseAdd.h"
#include "pages/species/DlgBatHouseSpecies.h"
#include "pages/species/DlgBatOtherSpecies.h"
#include "pages/species/SpecFormBat01Forest.h"
#include "pages/species/SpecFormBat02Forest.h"
#include "pages/species/SpecFormBat03Houses.h"
#include "pages/species/SpecFormBat04Caves.h"
#include "pages/species/SpecFormBat05Caves.h"
#include "pages/species/SpecFormBat06WetLand.h"
#include "pages/species/SpecFormBat07WetLand.h"
#include "platform/ReportEngine.h"
#include "reports/DlgReport.h"
#include "store/SqlText.h"
#include "tests/pages/PageFixture.h"

namespace {

namespace fs = std::filesystem;

constexpr int kCaveForm = 17, kWetlandForm = 18, kForestForm = 19, kHouseForm = 20;

class BatEndToEndTest : public PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        fs::copy(fs::path(QUORIN_DATA_DIR) / "reports", fs::path(database.Folder().str()) / "Reports", fs::copy_options::recursive);
        output = MakeTempFolder();
        SetReportOutputFolder(output);  // printed to files, not previewed
        doc.UserID = doc.SessionID = 1;
        doc.SpeciesID = 430;
        doc.SpeciesName = "Chiroptera";
    }

    void TearDown() override {
        SetReportOutputFolder("");
        fs::remove_all(output.str());
        PageTest::TearDown();
    }

    void Start(int formTypeId) {
        doc.FormTypeID = formTypeId;
        doc.CommonData_01.SiteName = "Пещера 'Бацова'";
        doc.CommonData_01.PlaceID = CCommonData_01::kNewSite;
    }

    // Adds a species through the cave and wetland dialog.
    void AddSpecies(int species, const char* count, int method) {
        const ModalRun script([=](CDialog& shown) {
            auto& dialog = dynamic_cast<CDlg_Bat_AddSpecies&>(shown);
            CComboHelpers::SelectByItemData(dialog.m_species, static_cast<DWORD>(species));
            dialog.SetDlgItemText(CDlg_Bat_AddSpecies::IDC_COUNT, count);
            dialog.CheckDlgButton(CDlg_Bat_AddSpecies::IDC_FIRST_METHOD + method - 1, BST_CHECKED);
            dialog.PressButton(IDOK);
        });
        Click(*page, CBatSpeciesListPage::IDC_ADD);
    }

    // Stores the form; loads it into a fresh document as it was typed; opens it for editing,
    // changes a text on `page` and stores it again; opens it for reading (the text locked);
    // prints it and deletes it. Gives the printed text.
    std::string StoreEditReadPrintAndDelete(const CRuntimeClass* pageClass, int textId, const char* text, const char* report) {
        EXPECT_TRUE(doc.SaveNewForm());
        const int formId = Number("select max(ID) from Forms");
        CTovan_splitDoc fresh;
        fresh.m_bAutoDelete = FALSE;
        EXPECT_TRUE(fresh.LoadForm(formId));
        CSpecData_Bat_03_Houses houses = doc.SpecData_Bat_03_Houses;
        for (CBatHouse& house : houses.BatHouses)
            for (CBatHouseSpecies& species : house.Species) species.Extra = -1;  // the page's own, never stored
        EXPECT_EQ(std::tuple(fresh.SpecData_Bat_01_Forest, fresh.SpecData_Bat_02_Forest, fresh.SpecData_Bat_03_Houses,
                             fresh.SpecData_Bat_04_Caves, fresh.SpecData_Bat_05_Caves, fresh.SpecData_Bat_06_WetLand,
                             fresh.SpecData_Bat_07_WetLand),
                  std::tuple(doc.SpecData_Bat_01_Forest, doc.SpecData_Bat_02_Forest, houses, doc.SpecData_Bat_04_Caves,
                             doc.SpecData_Bat_05_Caves, doc.SpecData_Bat_06_WetLand, doc.SpecData_Bat_07_WetLand));

        Open(formId, FALSE);
        ShowPage(pageClass);
        page->SetDlgItemText(textId, text);
        Leave();
        EXPECT_TRUE(doc.UpdateForm());
        Open(formId, TRUE);
        ShowPage(pageClass);
        EXPECT_TRUE(page->GetDlgItem(textId)->GetStyle() & ES_READONLY);
        Leave();

        CDlgReport dialog(&doc);
        EXPECT_TRUE(dialog.Create(CDlgReport::IDD));
        dialog.ShowReport(doc.FormTypeID);
        dialog.DestroyWindow();
        std::stringstream printed;
        printed << std::ifstream(fs::path(output.str()) / (std::string(report) + ".txt")).rdbuf();
        EXPECT_TRUE(fs::exists(fs::path(output.str()) / (std::string(report) + ".pdf")));
        EXPECT_EQ(printed.str().find("Други данни"), std::string::npos);
        EXPECT_NE(printed.str().find(text), std::string::npos) << text;

        EXPECT_TRUE(doc.DeleteForm(formId));
        EXPECT_EQ(Number(FormatSql("select count(*) from Forms where ID = %d and Del = 1", formId)), 1);
        EXPECT_TRUE(boxes.boxes.empty()) << boxes.Texts().front();
        return printed.str();
    }

    // As the stored-forms list opens a form: the document cleared and loaded.
    void Open(int formId, BOOL readOnly) {
        doc.ClearAll();
        EXPECT_TRUE(doc.LoadForm(formId));
        doc.SetReadOnly(readOnly);
    }

    CString output;
};

bool Has(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

TEST_F(BatEndToEndTest, CaveForm) {
    Start(kCaveForm);
    ShowPage(RUNTIME_CLASS(CSpecForm_Bat_04_Caves));
    page->CheckDlgButton(CBatSpeciesListPage::IDC_FIRST_METHOD + 3, BST_CHECKED);
    AddSpecies(7, "312", 4);
    ShowPage(RUNTIME_CLASS(CSpecForm_Bat_05_Caves));
    AddSpecies(434, "9", 5);
    page->SetDlgItemText(CSpecForm_Bat_05_Caves::IDC_COLONY, "Под купола 'Голямата зала'");
    Leave();
    const std::string text =
        StoreEditReadPrintAndDelete(RUNTIME_CLASS(CSpecForm_Bat_05_Caves), CBatSpeciesListPage::IDC_NOTES, "Вход от север", "Bat_Cave");
    for (const char* typed : {"Пещера 'Бацова'", "312", "Plecotus austriacus", "Под купола 'Голямата зала'"})
        EXPECT_TRUE(Has(text, typed)) << typed;
}

TEST_F(BatEndToEndTest, WetlandForm) {
    Start(kWetlandForm);
    ShowPage(RUNTIME_CLASS(CSpecForm_Bat_06_WetLand));
    page->CheckDlgButton(CBatSpeciesListPage::IDC_FIRST_METHOD, BST_CHECKED);
    AddSpecies(3, "41", 1);
    ShowPage(RUNTIME_CLASS(CSpecForm_Bat_07_WetLand));
    AddSpecies(436, "2", 3);
    page->SetDlgItemText(CBatSpeciesListPage::IDC_CHANGES, "Пресушено блато");
    Leave();
    const std::string text =
        StoreEditReadPrintAndDelete(RUNTIME_CLASS(CSpecForm_Bat_07_WetLand), CBatSpeciesListPage::IDC_NOTES, "Бележка", "Bat_Moist");
    for (const char* typed : {"41", "Tadarida teniotis", "Пресушено блато"}) EXPECT_TRUE(Has(text, typed)) << typed;
}

TEST_F(BatEndToEndTest, ForestForm) {
    Start(kForestForm);
    ShowPage(RUNTIME_CLASS(CSpecForm_Bat_01_Forest));
    page->CheckDlgButton(CSpecForm_Bat_01_Forest::IDC_FIRST_METHOD + 2, BST_CHECKED);
    page->CheckDlgButton(CSpecForm_Bat_01_Forest::IDC_BAT2, BST_CHECKED);
    Click(*page, CSpecForm_Bat_01_Forest::IDC_BAT2);
    page->SetDlgItemText(CSpecForm_Bat_01_Forest::IDC_BAT2_COUNT, "26");
    ShowPage(RUNTIME_CLASS(CSpecForm_Bat_02_Forest));
    {
        const ModalRun script([](CDialog& shown) {
            auto& dialog = dynamic_cast<CDlg_Bat_OtherSpecies&>(shown);
            CComboHelpers::SelectByItemData(dialog.m_species, 435);
            dialog.SetDlgItemText(CDlg_Bat_OtherSpecies::IDC_COUNT, "5");
            dialog.CheckDlgButton(CDlg_Bat_OtherSpecies::IDC_FIRST_METHOD + 3, BST_CHECKED);
            dialog.PressButton(IDOK);
        });
        Click(*page, CSpecForm_Bat_02_Forest::IDC_ADD);
    }
    page->SetDlgItemText(CSpecForm_Bat_02_Forest::IDC_BLANK_NUM, "Ф-17");
    Leave();
    const std::string text =
        StoreEditReadPrintAndDelete(RUNTIME_CLASS(CSpecForm_Bat_02_Forest), CSpecForm_Bat_02_Forest::IDC_NOTES, "Бук", "Bat_Wood");
    for (const char* typed : {"26", "Miniopterus schreibersii", "Ф-17"}) EXPECT_TRUE(Has(text, typed)) << typed;
    EXPECT_FALSE(Has(text, "\n-1\n"));  // the first species, unticked, has no count
}

TEST_F(BatEndToEndTest, HouseForm) {
    Start(kHouseForm);
    ShowPage(RUNTIME_CLASS(CSpecForm_Bat_03_Houses));
    auto* houses = dynamic_cast<CSpecForm_Bat_03_Houses*>(page);
    {
        const ModalRun script([](CDialog& shown) {
            shown.SetDlgItemText(CDlg_BatHouse_Add::IDC_NUMBER, "К-12");
            CComboHelpers::SelectByItemData(dynamic_cast<CDlg_BatHouse_Add&>(shown).m_condition, 3);
            shown.PressButton(IDOK);
        });
        Click(*page, CSpecForm_Bat_03_Houses::IDC_ADD_HOUSE);
    }
    houses->HouseGrid().SetSelectedRange(1, 0, 1, 1);
    {
        const ModalRun script([](CDialog& shown) {
            CComboHelpers::SelectByItemData(dynamic_cast<CDlg_BatHouse_Species&>(shown).m_species, 9);
            shown.SetDlgItemText(CDlg_BatHouse_Species::IDC_COUNT, "33");
            shown.PressButton(IDOK);
        });
        Click(*page, CSpecForm_Bat_03_Houses::IDC_ADD_SPECIES);
    }
    page->SetDlgItemText(CSpecForm_Bat_03_Houses::IDC_FORM_NUM, "Б-2024/7");
    Leave();
    const std::string text =
        StoreEditReadPrintAndDelete(RUNTIME_CLASS(CSpecForm_Bat_03_Houses), CSpecForm_Bat_03_Houses::IDC_FORM_NUM, "Б-2024/8", "Bat_Lodge");
    for (const char* typed : {"К-12", "Plecotus auritus", "33", "+"}) EXPECT_TRUE(Has(text, typed)) << typed;
}

}  // namespace
