// The chamois pages: the total that follows the counts, the legend on white, and the tracks
// added and deleted; and each chamois form type as a user walks it: its pages filled through
// their controls, stored, loaded, printed with its section (form 29 has no report) and
// deleted.
#include "pages/species/DlgGoatTracks.h"
#include "pages/species/SpecFormGoat01.h"
#include "pages/species/SpecFormGoat02.h"
#include "pages/species/SpecFormGoat03.h"
#include "pages/species/SpecFormGoat04.h"
#include "pages/species/SpecFormGoat05.h"
#include "pages/species/SpecFormMoss06.h"
#include "platform/DC.h"
#include "tests/pages/PageFixture.h"

namespace {

using Goat01 = CSpecForm_Goat_01;
using Goat02 = CSpecForm_Goat_02;
using GoatPagesTest = PageTest;

TEST_F(GoatPagesTest, TotalFollowsTheCountsAndPutsBackWhatIsTypedIntoItKeepingTheNotes) {
    ShowPage(RUNTIME_CLASS(CSpecForm_Goat_01));
    page->SetDlgItemText(Goat01::IDC_OLD_MALE, "2");
    page->SetDlgItemText(Goat01::IDC_OLD_BABY, "3");
    EXPECT_EQ(TextOf(*page, Goat01::IDC_TOTAL), "5");
    page->SetDlgItemText(Goat01::IDC_NOTES, "над езерото");
    page->SetDlgItemText(Goat01::IDC_TOTAL, "77");
    EXPECT_EQ(TextOf(*page, Goat01::IDC_TOTAL), "5");
    Keys(*page, Goat01::IDC_BABY, "1234567890x");  // nine digits at most
    EXPECT_EQ(TextOf(*page, Goat01::IDC_BABY), "123456789");
    for (const int id : {Goat01::IDC_YOUNG_MALE, Goat01::IDC_OLD_MALE, Goat01::IDC_YOUNG_FEMALE, Goat01::IDC_OLD_FEMALE,
                         Goat01::IDC_OLD_BABY})
        page->SetDlgItemText(id, "999999999");
    Leave();
    // Six counts of nine digits add up beyond an int.
    EXPECT_EQ(doc.SpecData_Goat_01, (CSpecData_Goat_01{"999999999", "999999999", "999999999", "999999999", "123456789",
                                                       "999999999", "5123456784", "над езерото"}));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(GoatPagesTest, TheLegendLinkOpensTheLegendOnWhite) {
    ShowPage(RUNTIME_CLASS(CSpecForm_Goat_01));
    UINT shown = 0;
    std::vector<COLORREF> grounds;
    {
        const ModalRun legend([&](CDialog& dialog) {
            shown = dialog.GetTemplateId();
            // What the dialog paints itself and its pictures and captions on.
            for (CWnd* window = &dialog; window; window = window == &dialog ? dialog.GetWindow(GW_CHILD)
                                                                              : window->GetNextWindow()) {
                CDC dc;
                LOGBRUSH colour{};
                CBrush::FromHandle(reinterpret_cast<HBRUSH>(dialog.SendMessage(
                    window == &dialog ? WM_CTLCOLORDLG : WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(&dc),
                    reinterpret_cast<LPARAM>(window))))->GetLogBrush(&colour);
                grounds.push_back(colour.lbColor);
            }
            dialog.PressButton(IDCANCEL);
        });
        ClickAt(page->GetDlgItem(Goat01::IDC_LEGEND_LINK), CPoint(4, 4));
    }
    EXPECT_EQ(shown, 159u);
    EXPECT_EQ(grounds, std::vector<COLORREF>(13, RGB(255, 255, 255)));
}

TEST_F(GoatPagesTest, TracksAreAddedEvenEmptyAndDeleted) {
    doc.SpecData_Goat_02.Trails.Add({"6", "4"});
    ShowPage(RUNTIME_CLASS(CSpecForm_Goat_02));
    auto& tracks = dynamic_cast<Goat02&>(*page);
    for (const char* length : {"", "7"}) {
        const ModalRun add([&](CDialog& dialog) {
            Keys(dialog, CDlgGoatTracks::IDC_LENGTH, length);
            Keys(dialog, CDlgGoatTracks::IDC_WIDTH, "x");  // digits only
            dialog.PressButton(IDOK);
        });
        Click(*page, Goat02::IDC_ADD);
    }
    CGridCtrl& grid = tracks.TrackGrid();
    EXPECT_EQ(grid.GetRowCount(), 4);
    EXPECT_EQ(grid.GetItemText(2, 1) + "|" + grid.GetItemText(3, 1), "|7");

    grid.SetSelectedRange(1, 0, 1, 2);
    Click(*page, Goat02::IDC_DELETE);
    Click(*page, Goat02::IDC_FOREST);
    Leave();
    const CSpecData_Goat_02& kept = doc.SpecData_Goat_02;
    ASSERT_EQ(kept.Trails.GetSize(), 2);
    EXPECT_EQ(std::tuple(kept.Trails[0], kept.Trails[1], kept.AreaType),
              std::tuple(CTrackSize{"", ""}, CTrackSize{"7", ""}, 0));
}

// The digits-only notice stands over the next field but takes no click: the click lands in
// that field, and so does the typing after it.
TEST_F(GoatPagesTest, AClickOnTheDigitsOnlyNoticeGoesToTheFieldUnderIt) {
    ShowPage(RUNTIME_CLASS(CSpecForm_Goat_02));
    CString notice;
    {
        const ModalRun add([&](CDialog& dialog) {
            TypeText(dialog.GetDlgItem(CDlgGoatTracks::IDC_LENGTH), "x7");
            notice = FieldNoticeText();
            CWnd* width = dialog.GetDlgItem(CDlgGoatTracks::IDC_WIDTH);
            CRect area;
            width->GetClientRect(&area);
            UserPointer(width, area.CenterPoint(), PointerEvent::Press);
            UserPointer(width, area.CenterPoint(), PointerEvent::Release);
            TypeText(CWnd::GetFocus(), "5");
            dialog.PressButton(IDOK);
        });
        Click(*page, Goat02::IDC_ADD);
    }
    EXPECT_EQ(notice, "Полето приема само цифри.");
    Leave();
    ASSERT_EQ(doc.SpecData_Goat_02.Trails.GetSize(), 1);
    EXPECT_EQ(doc.SpecData_Goat_02.Trails[0], (CTrackSize{"7", "5"}));
}

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
