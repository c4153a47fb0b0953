// The moss pages 08 to 13 and their row dialogs: the stump dialog's rules and the degree
// column, the hidden shrub cover, the rock blocks' numbers, the tuft-position lists and the
// trees rule of the bog.
#include "pages/species/DlgMossRows.h"
#include "pages/species/SpecFormMoss09.h"
#include "pages/species/SpecFormMoss10.h"
#include "pages/species/SpecFormMoss11.h"
#include "pages/species/SpecFormMoss13.h"
#include "tests/pages/PageFixture.h"

namespace {

using FallenTree = CDlg_Moss_FallenTree;
using TuftPosition = CDlg_Moss_TuftPosition;

class MossHabitatPages : public PageTest {
protected:
    CGridCtrl& Grid(int id) { return *dynamic_cast<CGridCtrl*>(page->GetDlgItem(id)); }
};

TEST_F(MossHabitatPages, StumpsAreCheckedInOrderAndShowTheirDegree) {
    doc.SpecData_Moss_09.Stubs.Add({-1, "12", "3", "4"});
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_09));
    std::vector<int> focus;
    {
        const ModalRun script([&](CDialog& shown) {
            const auto ok = [&] {
                shown.PressButton(IDOK);
                focus.push_back(CWnd::GetFocus() ? CWnd::GetFocus()->GetDlgCtrlID() : 0);
            };
            ok();
            shown.SetDlgItemText(FallenTree::IDC_DIAMETER, "30.5");
            ok();
            shown.SetDlgItemText(FallenTree::IDC_LENGTH, "2");
            ok();
            shown.SetDlgItemText(FallenTree::IDC_SPOROPHYTES, "7");
            ok();
            dynamic_cast<CComboBox*>(shown.GetDlgItem(FallenTree::IDC_DECAY))->SetCurSel(1);
            shown.PressButton(IDOK);
        });
        Click(*page, 2596);
    }
    EXPECT_EQ(boxes.Texts(), (std::vector<CString>{
                                 "Моля попълнете полето 'Диаметър(см)'  !", "Моля попълнете полето 'Дължина(м)'  !",
                                 "Моля попълнете полето 'Присъствие на спорофити (брой)'  !",
                                 "Моля изберете стойност за полето 'Степен на разлагане на пъновете' !"}));
    EXPECT_EQ(focus, (std::vector<int>{FallenTree::IDC_DIAMETER, FallenTree::IDC_LENGTH, FallenTree::IDC_SPOROPHYTES,
                                       FallenTree::IDC_DECAY}));
    EXPECT_EQ(GridColumn(Grid(CSpecForm_Moss_09::IDC_STUMPS), 4), (std::vector<CString>{"0", "2"}));
    Keys(*page, CSpecForm_Moss_09::IDC_AREA, "-.1.2.3");
    Leave();
    EXPECT_EQ(doc.SpecData_Moss_09.Area, "1.23");
    EXPECT_EQ(doc.SpecData_Moss_09.Stubs[1], (CMoss09Row{1, "30.5", "2", "7"}));
}

TEST_F(MossHabitatPages, OutcropsKeepTheHiddenShrubCoverAndRockBlocksRenumber) {
    doc.SpecData_Moss_10.BushesPercent = "40";
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_10));
    Click(*page, CSpecForm_Moss_10::IDC_IN_FOREST);
    Keys(*page, CSpecForm_Moss_10::IDC_CANOPY, "100");
    Leave();
    EXPECT_EQ(std::tuple(doc.SpecData_Moss_10.BushesPercent, doc.SpecData_Moss_10.TreePercent,
                         doc.SpecData_Moss_10.RocksExistance),
              std::tuple(CString("40"), CString("100"), 0));

    for (const char* sunshine : {"1", "2", "1"}) doc.SpecData_Moss_11.TurfSituations.Add({1, sunshine, 1, "", 1, ""});
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_11));
    int endedWithOneUnchosen = -1;
    {
        const ModalRun script([&](CDialog& shown) {
            Choose(shown, TuftPosition::IDC_SITUATION, 2);
            Choose(shown, TuftPosition::IDC_EXPOSURE, 3);
            shown.PressButton(IDOK);
            endedWithOneUnchosen = shown.IsEnded();
            shown.PressButton(IDCANCEL);
        });
        Click(*page, 2596);
    }
    EXPECT_EQ(endedWithOneUnchosen, FALSE);
    EXPECT_TRUE(boxes.boxes.empty());
    CGridCtrl& grid = Grid(CSpecForm_Moss_11::IDC_TUFTS);
    grid.SetSelectedRange(1, 0, 1, grid.GetColumnCount() - 1);
    Click(*page, 2598);
    EXPECT_EQ(GridColumn(grid, 0), (std::vector<CString>{"1", "2"}));
    EXPECT_EQ(GridColumn(grid, 3), (std::vector<CString>{"2", "1"}));
}

TEST_F(MossHabitatPages, TheTreesPartIsAskedOnlyWhileTreesGrowInTheBog) {
    doc.SpecData_Moss_13.TreesCount = "30";
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_13));
    EXPECT_FALSE(IsEnabled(*page, CSpecForm_Moss_13::IDC_TREES_PART));
    EXPECT_FALSE(IsEnabled(*page, CSpecForm_Moss_13::IDC_TREES_LABEL));
    EXPECT_EQ(TextOf(*page, CSpecForm_Moss_13::IDC_TREES_PART), "");
    Tick(*page, CSpecForm_Moss_13::IDC_TREES_EXIST);
    EXPECT_TRUE(IsEnabled(*page, CSpecForm_Moss_13::IDC_TREES_PART));
    Keys(*page, CSpecForm_Moss_13::IDC_TREES_PART, "1000");
    Leave();
    EXPECT_EQ(std::tuple(doc.SpecData_Moss_13.TreesExist, doc.SpecData_Moss_13.TreesCount), std::tuple(1, CString("100")));
}

}  // namespace
