// The chamois forms on the demo database, as a user walks them: each form type's pages
// filled through their controls, stored, opened again for editing and for reading, printed
// with its section (form 29 has no report) and deleted.
#include "pages/species/DlgGoatTracks.h"
#include "pages/species/SpecFormGoat01.h"
#include "pages/species/SpecFormGoat02.h"
#include "pages/species/SpecFormGoat03.h"
#include "pages/species/SpecFormGoat04.h"
#include "pages/species/SpecFormGoat05.h"
#include "pages/species/SpecFormMoss06.h"
#include "tests/pages/PageFixture.h"

namespace {

using Goat01 = CSpecForm_Goat_01;
using Section = CGoatSectionPage;

class GoatWalkTest : public PrintingPageTest {
protected:
    void SetUp() override {
        PrintingPageTest::SetUp();
        doc.SpeciesID = 311;  // chamois
        doc.SpeciesName = "Rupicapra rupicapra(Дива коза)";
    }

    // A section page: its habitat type clicked, its texts typed and its boxes ticked.
    void FillSection(const CRuntimeClass* pageClass, int habitat, std::initializer_list<std::pair<int, const char*>> typed,
                     std::initializer_list<int> ticked = {}) {
        ShowPage(pageClass);
        Click(*page, habitat);
        for (const auto& [id, text] : typed) page->SetDlgItemText(id, text);
        for (const int id : ticked) page->CheckDlgButton(id, BST_CHECKED);
        Leave();
    }

    void AddTrack(const char* length, const char* width) {
        const ModalRun add([&](CDialog& dialog) {
            dialog.SetDlgItemText(CDlgGoatTracks::IDC_LENGTH, length);
            dialog.SetDlgItemText(CDlgGoatTracks::IDC_WIDTH, width);
            dialog.PressButton(IDOK);
        });
        Click(*page, CSpecForm_Goat_02::IDC_ADD);
    }
};

TEST_F(GoatWalkTest, AnimalsSeen) {
    doc.FormTypeID = 27;
    Fill(RUNTIME_CLASS(CSpecForm_Goat_01), {{Goat01::IDC_YOUNG_MALE, "3"}, {Goat01::IDC_OLD_FEMALE, "14"},
                                            {Goat01::IDC_BABY, "2"}, {Goat01::IDC_NOTES, "стадо над 'Мальовица'"}});
    const int formId = StoreNew();
    Open(formId, FALSE);
    EXPECT_EQ(doc.SpecData_Goat_01.Total, "19");
    PrintAndDelete(formId, {"Дива коза", "14", "19", "стадо над 'Мальовица'"});
}

TEST_F(GoatWalkTest, Tracks) {
    doc.FormTypeID = 28;
    ShowPage(RUNTIME_CLASS(CSpecForm_Goat_02));
    AddTrack("6", "4");
    AddTrack("57", "38");
    Click(*page, Section::IDC_HIGH_MOUNTAIN);
    Leave();
    Fill(RUNTIME_CLASS(CSpecForm_Moss_06), {{CSpecForm_Moss_06::IDC_NOTES, "по снега"}});
    const int formId = StoreNew();
    Open(formId, FALSE);
    PrintAndDelete(formId, {"Следи", "57", "38", "по снега"});
}

TEST_F(GoatWalkTest, RestingBedsDroppingsAndOtherSigns) {
    const struct {
        int formType;
        const CRuntimeClass* page;
        int habitat;
        std::vector<std::pair<int, const char*>> typed;
        std::vector<int> ticked;
        std::vector<const char*> printed;
    } kSections[] = {
        {45, RUNTIME_CLASS(CSpecForm_Goat_03), Section::IDC_FOREST, {{CSpecForm_Goat_03::IDC_COUNT, "13"}}, {}, {"Лежанки", "13"}},
        {46, RUNTIME_CLASS(CSpecForm_Goat_04), Section::IDC_HIGH_MOUNTAIN, {{CSpecForm_Goat_04::IDC_COUNT, "13"}}, {},
         {"Екскременти", "13"}},
        {47, RUNTIME_CLASS(CSpecForm_Goat_05), Section::IDC_FOREST, {}, {CSpecForm_Goat_05::IDC_GRASS, CSpecForm_Goat_05::IDC_SIGNS},
         {"Маркировъчни знаци", "+"}},
    };
    for (const auto& section : kSections) {
        doc.ClearAll();
        doc.FormTypeID = section.formType;
        ShowPage(section.page);
        Click(*page, section.habitat);
        for (const auto& [id, text] : section.typed) page->SetDlgItemText(id, text);
        for (const int id : section.ticked) page->CheckDlgButton(id, BST_CHECKED);
        Leave();
        const int formId = StoreNew();
        Open(formId, FALSE);
        PrintAndDelete(formId, section.printed);
    }
    EXPECT_EQ(std::pair(doc.SpecData_Goat_05.CheckGrass, doc.SpecData_Goat_05.CheckFur), std::pair(1, 0));
}

TEST_F(GoatWalkTest, TheWholeFormWalksFivePagesAndHasNoReport) {
    doc.FormTypeID = 29;
    Fill(RUNTIME_CLASS(CSpecForm_Goat_01), {{Goat01::IDC_OLD_MALE, "4"}});
    ShowPage(RUNTIME_CLASS(CSpecForm_Goat_02));
    AddTrack("6", "4");
    Leave();
    FillSection(RUNTIME_CLASS(CSpecForm_Goat_03), Section::IDC_HIGH_MOUNTAIN, {{CSpecForm_Goat_03::IDC_COUNT, "2"}});
    FillSection(RUNTIME_CLASS(CSpecForm_Goat_04), Section::IDC_FOREST, {{CSpecForm_Goat_04::IDC_COUNT, "5"}});
    FillSection(RUNTIME_CLASS(CSpecForm_Goat_05), Section::IDC_HIGH_MOUNTAIN, {}, {CSpecForm_Goat_05::IDC_FUR});
    const int formId = StoreNew();
    Open(formId, FALSE);
    EXPECT_EQ(std::tuple(doc.SpecData_Goat_01.Total, doc.SpecData_Goat_02.Trails.GetSize(), doc.SpecData_Goat_03.AreaType,
                         doc.SpecData_Goat_04.CountShits, doc.SpecData_Goat_05.CheckFur),
              std::tuple(CString("4"), 1, 1, CString("5"), 1));
    ASSERT_TRUE(doc.UpdateForm());
    EXPECT_EQ(Print(), "");
    EXPECT_EQ(boxes.Texts(), std::vector<CString>{"Справка за този формуляр за сега не може да бъде направена."});
    boxes.Reset();
    Delete(formId);
}

}  // namespace
