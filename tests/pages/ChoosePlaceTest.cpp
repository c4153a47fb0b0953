// The place picker: the object's known sites of the inspectorate searched by a part of the
// name, another site of the inspectorate, a new site, and the rules of its OK.
#include "controls/grid/GridCtrl.h"
#include "pages/common/DlgChoosePlace.h"
#include "store/SqlText.h"
#include "tests/pages/PageFixture.h"

namespace {

using Dlg = CDlg_ChoosePlace;
constexpr int kSpecies = 1234;

class ChoosePlaceTest : public PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        // Two lakes and a cave where the object was recorded; a meadow of the inspectorate
        // where it never was; a site of another inspectorate.
        for (const auto& [name, inspectorate, species] : {std::tuple("LAKE Горно", kTestInspectorate, kSpecies),
                                                          std::tuple("Пещера Леденика", kTestInspectorate, kSpecies),
                                                          std::tuple("Lake Долно", kTestInspectorate, kSpecies),
                                                          std::tuple("Ливада", kTestInspectorate, kSpecies + 1),
                                                          std::tuple("Чужда", kTestInspectorate + 1, kSpecies)}) {
            Exec(FormatSql("insert into nSites (SiteName) values ('%s')", name));
            const int id = Number("select max(ID) from nSites");
            Exec(FormatSql("insert into rSite__RIOSW_NP_PP (site_id, riosw_id) values (%d, %d)", id, inspectorate));
            Exec(FormatSql("insert into rSpecies__Sites (site_id, species_id) values (%d, %d)", id, species));
        }
    }

    // Runs a picker opened with the text through the script; the picker is left to read.
    int Run(const char* text, const std::function<void(Dlg&)>& script, int kind = 1000) {
        picker = std::make_unique<Dlg>(text, kTestInspectorate, kSpecies, kind);
        const ModalRun run([&](CDialog& shown) { script(dynamic_cast<Dlg&>(shown)); });
        return static_cast<int>(picker->DoModal());
    }

    static std::vector<CString> Found(Dlg& dialog) {  // "number name" per row
        std::vector<CString> rows;
        CGridCtrl& grid = dialog.FoundSites();
        for (int row = 1; row < grid.GetRowCount(); ++row) rows.push_back(grid.GetItemText(row, 0) + " " + grid.GetItemText(row, 1));
        return rows;
    }

    static void Search(Dlg& dialog, const char* text) {
        dialog.SetDlgItemText(Dlg::IDC_CRITERION, text);
        dialog.PressButton(Dlg::IDC_SEARCH);
    }

    std::unique_ptr<Dlg> picker;
};

TEST_F(ChoosePlaceTest, TheSearchFindsTheObjectsSitesByAPartOfTheNameInAnyCase) {
    Run("", [&](Dlg& shown) {
        EXPECT_EQ(Found(shown), (std::vector<CString>{"1 LAKE Горно", "2 Пещера Леденика", "3 Lake Долно"}));
        Search(shown, "  lake ");
        EXPECT_EQ(Found(shown), (std::vector<CString>{"1 LAKE Горно", "2 Lake Долно"}));
        Search(shown, "долно");
        EXPECT_EQ(Found(shown), (std::vector<CString>{"1 Lake Долно"}));
        Search(shown, "ливада");
        EXPECT_TRUE(Found(shown).empty());
        shown.PressButton(IDCANCEL);
    });
    // Fish forms speak of water bodies; the lists are the same.
    Run("lake", [&](Dlg& shown) {
        CString caption;
        shown.GetWindowText(caption);
        EXPECT_EQ(caption, "Избор на водоем");
        EXPECT_EQ(shown.FoundSites().GetItemText(0, 1), "Водоем");
        EXPECT_EQ(Found(shown).size(), 2u);
        shown.PressButton(IDCANCEL);
    }, Dlg::kWaterBodies);
    EXPECT_EQ(picker->m_resultId, -1);
}

TEST_F(ChoosePlaceTest, AFoundSiteIsChosenByItsRowNeverByTheHeadingOrARowOfAnEarlierSearch) {
    ASSERT_EQ(Run("", [&](Dlg& shown) {
                  CGridCtrl& grid = shown.FoundSites();
                  shown.PressButton(IDOK);
                  grid.SendMessageToParent(0, 1, GVN_SELCHANGING);
                  shown.PressButton(IDOK);
                  grid.SendMessageToParent(3, 1, GVN_SELCHANGING);
                  Search(shown, "lake");
                  shown.PressButton(IDOK);
                  EXPECT_FALSE(shown.IsEnded());
                  grid.SendMessageToParent(0, 1, NM_DBLCLK);
                  grid.SendMessageToParent(2, 1, NM_DBLCLK);  // acts as OK
              }),
              IDOK);
    EXPECT_EQ(boxes.Texts(), std::vector<CString>(3, Dlg::kNoSiteChosen));
    EXPECT_EQ(picker->m_resultId, Number("select ID from nSites where SiteName = 'Lake Долно'"));
    EXPECT_EQ(picker->m_resultName, "Lake Долно");
}

TEST_F(ChoosePlaceTest, TheSecondModeTakesAnotherSiteOfTheInspectorateOrANewName) {
    const int meadow = Number("select ID from nSites where SiteName = 'Ливада'");
    ASSERT_EQ(Run("", [&](Dlg& shown) {
                  CComboBox& sites = shown.InspectorateSites();
                  ASSERT_EQ(sites.GetCount(), 5);  // the inspectorate's four sites, then "---"
                  EXPECT_EQ(sites.GetLBText(4), "---");
                  EXPECT_FALSE(sites.IsWindowEnabled());
                  shown.PressButton(Dlg::IDC_NEW_MODE);
                  EXPECT_TRUE(sites.IsWindowEnabled());
                  EXPECT_FALSE(shown.FoundSites().IsWindowEnabled());
                  Choose(shown, Dlg::IDC_SITES, meadow);
                  shown.PressButton(IDOK);
              }),
              IDOK);
    EXPECT_EQ(std::pair(picker->m_resultId, picker->m_resultName), std::pair(meadow, CString("Ливада")));

    ASSERT_EQ(Run("", [&](Dlg& shown) {
                  shown.PressButton(Dlg::IDC_NEW_MODE);
                  EXPECT_FALSE(shown.GetDlgItem(Dlg::IDC_NEW_NAME)->IsWindowVisible());
                  Choose(shown, Dlg::IDC_SITES, -1);
                  EXPECT_TRUE(shown.GetDlgItem(Dlg::IDC_NEW_NAME)->IsWindowVisible());
                  shown.SetDlgItemText(Dlg::IDC_NEW_NAME, "   ");
                  shown.PressButton(IDOK);
                  shown.SetDlgItemText(Dlg::IDC_NEW_NAME, "  Язовир 'Бели Искър' ");
                  shown.PressButton(IDOK);
              }),
              IDOK);
    EXPECT_EQ(boxes.Texts(), std::vector<CString>{Dlg::kNoNewName});
    EXPECT_EQ(std::pair(picker->m_resultId, picker->m_resultName), std::pair(Dlg::kNewSite, CString("Язовир 'Бели Искър'")));
}

}  // namespace
