// Forms 17 to 20 as a user walks them: the bat pages filled through their controls, stored,
// read back, printed with what was typed, and deleted.
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
#include "tests/pages/PageFixture.h"

namespace {

constexpr int kCaveForm = 17, kWetlandForm = 18, kForestForm = 19, kHouseForm = 20;

class BatEndToEndTest : public PrintingPageTest {
protected:
    void Start(int formTypeId) {
        doc.SpeciesID = 430;
        doc.SpeciesName = "Chiroptera";
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

    // Stores the form, loads it as it was typed, prints it with each of `typed` and deletes
    // it. Gives the printed text.
    std::string StorePrintAndDelete(const std::vector<const char*>& typed) {
        const auto records = [](const CTovan_splitDoc& form) {
            CSpecData_Bat_03_Houses houses = form.SpecData_Bat_03_Houses;
            for (CBatHouse& house : houses.BatHouses)
                for (CBatHouseSpecies& species : house.Species) species.Extra = -1;  // the page's own, never stored
            return std::tuple(form.SpecData_Bat_01_Forest, form.SpecData_Bat_02_Forest, houses, form.SpecData_Bat_04_Caves,
                              form.SpecData_Bat_05_Caves, form.SpecData_Bat_06_WetLand, form.SpecData_Bat_07_WetLand);
        };
        const auto typedRecords = records(doc);
        const int formId = StoreNew();
        Open(formId, FALSE);
        EXPECT_EQ(records(doc), typedRecords);
        return PrintAndDelete(formId, typed);
    }
};

TEST_F(BatEndToEndTest, CaveForm) {
    Start(kCaveForm);
    ShowPage(RUNTIME_CLASS(CSpecForm_Bat_04_Caves));
    page->CheckDlgButton(CBatSpeciesListPage::IDC_FIRST_METHOD + 3, BST_CHECKED);
    AddSpecies(7, "312", 4);
    ShowPage(RUNTIME_CLASS(CSpecForm_Bat_05_Caves));
    AddSpecies(434, "9", 5);
    page->SetDlgItemText(CSpecForm_Bat_05_Caves::IDC_COLONY, "Под купола 'Голямата зала'");
    Leave();
    StorePrintAndDelete({"Пещера 'Бацова'", "312", "Plecotus austriacus", "Под купола 'Голямата зала'"});
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
    StorePrintAndDelete({"41", "Tadarida teniotis", "Пресушено блато"});
}

TEST_F(BatEndToEndTest, ForestForm) {
    Start(kForestForm);
    ShowPage(RUNTIME_CLASS(CSpecForm_Bat_01_Forest));
    page->CheckDlgButton(CSpecForm_Bat_01_Forest::IDC_FIRST_METHOD + 2, BST_CHECKED);
    Tick(*page, CSpecForm_Bat_01_Forest::IDC_BAT2);
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
    const std::string text = StorePrintAndDelete({"26", "Miniopterus schreibersii", "Ф-17"});
    EXPECT_EQ(text.find("\n-1\n"), std::string::npos);  // the first species, unticked, has no count
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
    StorePrintAndDelete({"К-12", "Plecotus auritus", "33", "+", "Б-2024/7"});
}

}  // namespace
