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
#include "tests/pages/WalkFixture.h"

namespace {

using Goat01 = CSpecForm_Goat_01;
using Section = CGoatSectionPage;

class GoatWalkTest : public WalkTest {
protected:
    void SetUp() override {
        WalkTest::SetUp();
        doc.SpeciesID = 311;  // chamois
        doc.SpeciesName = "Rupicapra rupicapra(Дива коза)";
    }

    // A section page: its habitat type clicked, its texts typed and its boxes ticked.
    void FillSection(const CRuntimeClass* pageClass, int habitat, std::initializer_list<std::pair<int, const char*>> typed,
                     std::initializer_list<int> ticked = {}) {
        ShowPage(pageClass);
        Grab(page, CString("page_") + pageClass->m_lpszClassName);
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

    int StoreNew() {
        EXPECT_TRUE(doc.SaveNewForm());
        return Number("select max(ID) from Forms");
    }

    // Opened for editing, the page shows what was stored and takes a change; opened for
    // reading, it shows the change and takes none.
    void EditThenRead(int formId, const CRuntimeClass* pageClass, int id, const char* stored, const char* changed) {
        Open(formId, FALSE);
        ShowPage(pageClass);
        EXPECT_EQ(TextOf(*page, id), stored);
        page->SetDlgItemText(id, changed);
        Leave();
        ASSERT_TRUE(doc.UpdateForm());
        Open(formId, TRUE);
        ShowPage(pageClass);
        EXPECT_EQ(TextOf(*page, id), changed);
        EXPECT_TRUE(Locked(id));
        Leave();
    }
};

TEST_F(GoatWalkTest, AnimalsSeen) {
    doc.FormTypeID = 27;
    Fill(RUNTIME_CLASS(CSpecForm_Goat_01), {{Goat01::IDC_YOUNG_MALE, "3"}, {Goat01::IDC_OLD_FEMALE, "14"},
                                            {Goat01::IDC_NOTES, "стадо над 'Мальовица'"}});
    const int formId = StoreNew();
    EditThenRead(formId, RUNTIME_CLASS(CSpecForm_Goat_01), Goat01::IDC_BABY, "", "2");
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

    Open(formId, TRUE);
    ShowPage(RUNTIME_CLASS(CSpecForm_Goat_02));
    EXPECT_EQ(dynamic_cast<CSpecForm_Goat_02&>(*page).TrackGrid().GetItemText(2, 2), "38");
    EXPECT_FALSE(IsEnabled(*page, CSpecForm_Goat_02::IDC_ADD));
    Leave();
    PrintAndDelete(formId, {"Следи", "57", "38", "по снега"});
}

TEST_F(GoatWalkTest, RestingBedsAndDroppings) {
    const struct {
        int formType;
        const CRuntimeClass* page;
        int habitat;
        int count;
        const char* title;
    } kSections[] = {
        {45, RUNTIME_CLASS(CSpecForm_Goat_03), Section::IDC_FOREST, CSpecForm_Goat_03::IDC_COUNT, "Лежанки"},
        {46, RUNTIME_CLASS(CSpecForm_Goat_04), Section::IDC_HIGH_MOUNTAIN, CSpecForm_Goat_04::IDC_COUNT, "Екскременти"},
    };
    for (const auto& section : kSections) {
        doc.FormTypeID = section.formType;
        FillSection(section.page, section.habitat, {{section.count, "12"}});
        const int formId = StoreNew();
        EditThenRead(formId, section.page, section.count, "12", "13");
        PrintAndDelete(formId, {section.title, "13"});
        doc.ClearAll();
    }
}

TEST_F(GoatWalkTest, OtherSigns) {
    doc.FormTypeID = 47;
    FillSection(RUNTIME_CLASS(CSpecForm_Goat_05), Section::IDC_FOREST, {},
                {CSpecForm_Goat_05::IDC_GRASS, CSpecForm_Goat_05::IDC_SIGNS});
    const int formId = StoreNew();
    Open(formId, TRUE);
    ShowPage(RUNTIME_CLASS(CSpecForm_Goat_05));
    EXPECT_EQ(page->IsDlgButtonChecked(CSpecForm_Goat_05::IDC_GRASS) + 2 * page->IsDlgButtonChecked(CSpecForm_Goat_05::IDC_FUR),
              1u);
    EXPECT_FALSE(IsEnabled(*page, CSpecForm_Goat_05::IDC_GRASS));
    Leave();
    PrintAndDelete(formId, {"Маркировъчни знаци", "+"});
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
