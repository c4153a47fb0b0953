// The chamois pages: the total that follows the counts, the legend on white, and the tracks
// added and deleted.
#include "pages/species/DlgGoatTracks.h"
#include "pages/species/SpecFormGoat01.h"
#include "pages/species/SpecFormGoat02.h"
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

}  // namespace
