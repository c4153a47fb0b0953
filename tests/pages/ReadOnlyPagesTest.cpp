// A form opened for reading: every table of every page is locked against the mouse and the
// keyboard, so no row dialog opens and nothing typed can reach the print.
#include <vector>

#include "platform/Menu.h"
#include "shell/StepViews.h"
#include "tests/pages/PageFixture.h"

namespace {

class ReadOnlyPagesTest : public PageTest {
protected:
    // The grids of the shown page, in the order of its children.
    std::vector<CGridCtrl*> Grids() const {
        std::vector<CGridCtrl*> grids;
        for (CWnd* child = page->GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT))
            if (child->GetWindowClassName() == "MFCGridCtrl")
                if (auto* grid = dynamic_cast<CGridCtrl*>(child)) grids.push_back(grid);
        return grids;
    }
};

// What a user does to a row of a table: a click, a double click, then the keys that move,
// open and delete a row.
void WorkRow(CGridCtrl& grid, int row) {
    CRect cell;
    ASSERT_TRUE(grid.GetCellRect(row, 1, &cell));
    const CPoint middle = cell.CenterPoint();
    ClickAt(&grid, middle);
    ClickAt(&grid, middle, true);
    for (const UINT key : {VK_DOWN, VK_UP, VK_RETURN, VK_SPACE, VK_DELETE}) PressKey(&grid, key);
}

TEST_F(ReadOnlyPagesTest, NoTableOfAFormOpenedForReadingTakesTheMouseOrTheKeyboard) {
    // Rows where a user saw a row dialog open on a form opened for reading.
    for (const char* count : {"12", "31"}) doc.SpecData_Fungus_05.Species.Add(CFungus05Row{1, "Amanita", count});
    CMoss17TreeRow tree;
    tree.Name_lat = "Abies alba";
    tree.Diameter = "40";
    doc.SpecData_Moss_17.Trees.Add(tree);
    const CSpecData_Fungus_05 fungi = doc.SpecData_Fungus_05;
    const CSpecData_Moss_17 trees = doc.SpecData_Moss_17;
    doc.SetReadOnly(TRUE);

    std::vector<CString> opened;
    const ModalRun dialogs([&](CDialog& shown) {
        CString caption;
        shown.GetWindowText(caption);
        opened.push_back(caption);
        shown.PressButton(IDCANCEL);
    });
    int menus = 0;
    const MenuRun popups([&](const CMenu&, CPoint) {
        ++menus;
        return 0U;
    });

    int gridPages = 0;
    for (const StepView& step : StepViewTable()) {
        if (!step.viewClass || !step.viewClass->IsDerivedFrom(RUNTIME_CLASS(CFormPage))) continue;
        SCOPED_TRACE(step.className);
        ASSERT_NE(ShowPage(step.viewClass), nullptr);
        const std::vector<CGridCtrl*> grids = Grids();
        if (!grids.empty()) ++gridPages;
        const size_t boxesBefore = boxes.boxes.size();
        for (CGridCtrl* grid : grids) {
            EXPECT_FALSE(grid->IsWindowEnabled());
            if (grid->GetRowCount() <= grid->GetFixedRowCount()) grid->InsertRow("1");  // a row to aim at
            const int row = grid->GetFixedRowCount();
            const int rows = grid->GetRowCount();
            WorkRow(*grid, row);
            EXPECT_EQ(grid->GetSelectedCount(), 0);
            EXPECT_FALSE(grid->IsValid(grid->GetFocusCell()));
            EXPECT_EQ(grid->GetRowCount(), rows);  // no row deleted
        }
        EXPECT_EQ(boxes.boxes.size(), boxesBefore);
        Leave();
    }
    EXPECT_GE(gridPages, 25);  // every family's tables were walked
    EXPECT_TRUE(opened.empty()) << opened.front();
    EXPECT_EQ(menus, 0);
    EXPECT_EQ(doc.SpecData_Fungus_05, fungi);
    EXPECT_EQ(doc.SpecData_Moss_17, trees);
}

}  // namespace
