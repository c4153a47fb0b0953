// A grid placed in a dialog template and bound with DDX_Control, set up and used the way the
// program's pages use their lists.
#include <gtest/gtest.h>

#include "platform/Dialog.h"
#include "platform/DialogTemplate.h"
#include "tests/controls/GridTestSupport.h"
#include "tests/support/WindowFixture.h"

namespace {

constexpr int kGridId = 2590;

const DialogTemplate kListTemplate{9701, "Наблюдатели", {220, 130}, {
    CustomControl("MFCGridCtrl", kGridId, {7, 7, 206, 96}, WS_TABSTOP | WS_BORDER),
    DefPushButton(IDOK, "OK", {110, 110, 50, 14}),
    Button(IDCANCEL, "Отказ", {163, 110, 50, 14}),
}};

class ListDialog : public CDialog {
public:
    ListDialog() : CDialog(kListTemplate) {}

    const MessageMap& GetMessageMap() const override {
        static const MessageMap map(CDialog::GetMessageMap(), {
            OnNotify(kGridId, NM_DBLCLK, &ListDialog::OnOpenRow),
            OnNotify(kGridId, GVN_SELCHANGING, &ListDialog::OnRowChanging),
        });
        return map;
    }

    CGridCtrl grid;
    int openedRow = -1;
    int changingRow = -1;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, kGridId, grid);
    }

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        MakeListGrid(grid, 3, 2);
        grid.ExpandLastColumn();
        return TRUE;
    }

private:
    void OnOpenRow(NMHDR* header, LRESULT*) { openedRow = reinterpret_cast<NM_GRIDVIEW*>(header)->iRow; }
    void OnRowChanging(NMHDR* header, LRESULT*) { changingRow = reinterpret_cast<NM_GRIDVIEW*>(header)->iRow; }
};

TEST(GridInDialog, BoundToItsTemplateControlItServesThePage) {
    ListDialog dialog;
    const ModalRun run([&](CDialog&) {
        CGridCtrl& grid = dialog.grid;
        ASSERT_EQ(grid.GetDlgCtrlID(), kGridId);
        CRect client;
        grid.GetClientRect(&client);
        EXPECT_EQ(grid.GetVirtualWidth(), client.Width());

        DoubleClick(grid, CellCentre(grid, 2, 0));
        EXPECT_EQ(dialog.changingRow, 2);
        EXPECT_EQ(dialog.openedRow, 2);
        dialog.PressButton(IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

}  // namespace
