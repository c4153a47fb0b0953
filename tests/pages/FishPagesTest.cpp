// The fish pages: the monitored species kept while the form is open, the table of fish with
// its dialog, and each fish form walked through its pages (digits within their limits),
// stored, opened again, printed and deleted.
#include "pages/common/CommonForm01Variants.h"
#include "pages/common/CommonForm02Variants.h"
#include "pages/species/DlgFish.h"
#include "pages/species/SpecFormFish00.h"
#include "pages/species/SpecFormFish01.h"
#include "pages/species/SpecFormFish02.h"
#include "pages/species/SpecFormFish03.h"
#include "tests/pages/PageFixture.h"

namespace {

constexpr int kElectrofishing = 11;
constexpr int kNets = 12;

class FishPagesTest : public PrintingPageTest {
protected:
    void SetUp() override {
        PrintingPageTest::SetUp();
        doc.FormTypeID = kNets;
        doc.SpeciesName = "Barbus petenyi (Черна мряна)";
    }

    CGridCtrl& Grid() { return dynamic_cast<CSpecForm_Fish_03*>(page)->FishGrid(); }

    std::vector<CString> GridRows() { return ::GridRows(Grid()); }

    void WithFishDialog(const std::function<void(CDlg_Fish&)>& script, const std::function<void()>& action) {
        WithDialog<CDlg_Fish>(script, action);
    }
};

// The sex buttons' ids do not ascend, so each is set on its own.
void ChooseSex(CDlg_Fish& dialog, int button) {
    for (const int sex : {CDlg_Fish::IDC_MALE, CDlg_Fish::IDC_FEMALE}) dialog.CheckDlgButton(sex, sex == button ? BST_CHECKED : BST_UNCHECKED);
}

void TypeFish(CDlg_Fish& dialog, const char* standard, const char* absolute, const char* weight, int sexButton,
              int maturityIndex, const char* notes) {
    dialog.SetDlgItemText(CDlg_Fish::IDC_STANDARD_LENGTH, standard);
    dialog.SetDlgItemText(CDlg_Fish::IDC_ABS_LENGTH, absolute);
    dialog.SetDlgItemText(CDlg_Fish::IDC_WEIGHT, weight);
    if (sexButton) ChooseSex(dialog, sexButton);
    dialog.m_maturity.SetCurSel(maturityIndex);
    dialog.SetDlgItemText(CDlg_Fish::IDC_NOTES, notes);
}

TEST_F(FishPagesTest, TheMonitoredSpeciesStaysWithTheOpenFormOnly) {
    const Entries fishes = Rows("select ID, Name_lat from sAllSpecies where GroupID = 6");
    ShowPage(RUNTIME_CLASS(CSpecForm_Fish_00));
    EXPECT_EQ(ListOf(*page, CSpecForm_Fish_00::IDC_SPECIES), fishes);
    Choose(*page, CSpecForm_Fish_00::IDC_SPECIES, fishes.at(2).first);
    ShowPage(RUNTIME_CLASS(CSpecForm_Fish_00));
    EXPECT_EQ(SelectedData(*page, CSpecForm_Fish_00::IDC_SPECIES), fishes[2].first);
    Leave();

    // A list that cannot be read says why; the page stays, with nothing chosen.
    Exec("drop table sAllSpecies");
    ShowPage(RUNTIME_CLASS(CSpecForm_Fish_00));
    EXPECT_TRUE(ListOf(*page, CSpecForm_Fish_00::IDC_SPECIES).empty());
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_NE(boxes.Texts()[0].Find("sAllSpecies"), -1) << boxes.Texts()[0];
    Leave();
    EXPECT_EQ(doc.SpecData_Fish_00.MonitoredSpeciesID, -1);
}

TEST_F(FishPagesTest, FishAreAddedChangedByDoubleClickAndDeleted) {
    ShowPage(RUNTIME_CLASS(CSpecForm_Fish_03));
    WithFishDialog([](CDlg_Fish& dialog) { TypeFish(dialog, "120", "", "", CDlg_Fish::IDC_FEMALE, 2, ""); },
                   [&] { Click(*page, CSpecForm_Fish_03::IDC_ADD_FISH); });
    // A new fish starts empty, and nothing is required.
    WithFishDialog([](CDlg_Fish& dialog) {
        EXPECT_EQ(std::pair(dialog.m_maturity.GetCount(), dialog.m_maturity.GetCurSel()), std::pair(6, CB_ERR));
        EXPECT_FALSE(dialog.IsDlgButtonChecked(CDlg_Fish::IDC_MALE) || dialog.IsDlgButtonChecked(CDlg_Fish::IDC_FEMALE));
    }, [&] { Click(*page, CSpecForm_Fish_03::IDC_ADD_FISH); });
    WithFishDialog([](CDlg_Fish& dialog) {
        TypeFish(dialog, "1234", "1300", "", CDlg_Fish::IDC_MALE, 5, "стара 'рана'");
        CWnd* weight = dialog.GetDlgItem(CDlg_Fish::IDC_WEIGHT);
        weight->SetFocus();
        for (const char key : std::string("12a34567")) weight->SendMessage(WM_CHAR, static_cast<WPARAM>(key));
    }, [&] { Click(*page, CSpecForm_Fish_03::IDC_ADD_FISH); });
    WithFishDialog([](CDlg_Fish& dialog) { dialog.PressButton(IDCANCEL); }, [&] { Click(*page, CSpecForm_Fish_03::IDC_ADD_FISH); });
    EXPECT_EQ(GridRows(), (std::vector<CString>{"1|120|||Ж|3|", "2||||||", "3|1234|1300|123456|М|6|стара 'рана'"}));

    // The first fish opens as it was and comes back unchanged; then it is changed.
    CString shownMaturity;
    WithFishDialog([&](CDlg_Fish& dialog) { shownMaturity = dialog.m_maturity.GetLBText(dialog.m_maturity.GetCurSel()); },
                   [&] { Grid().SendMessageToParent(1, 2, NM_DBLCLK); });
    EXPECT_EQ(std::pair(shownMaturity, GridRows()[0]), std::pair(CString("3"), CString("1|120|||Ж|3|")));
    WithFishDialog([](CDlg_Fish& dialog) { ChooseSex(dialog, CDlg_Fish::IDC_MALE); },
                   [&] { Grid().SendMessageToParent(1, 0, NM_DBLCLK); });

    Grid().SetSelectedRange(2, 0, 2, 6);
    Click(*page, CSpecForm_Fish_03::IDC_DELETE_FISH);
    EXPECT_EQ(GridRows(), (std::vector<CString>{"1|120|||М|3|", "2|1234|1300|123456|М|6|стара 'рана'"}));
    Leave();
    const CArray<CFish03Row>& fishes = doc.SpecData_Fish_03.Species;
    ASSERT_EQ(fishes.GetSize(), 2);
    EXPECT_EQ(std::tuple(fishes[0].Sex, fishes[0].SexLetter, fishes[1].Sex, fishes[1].Weight), std::tuple(0, CString("М"), 0, CString("123456")));
}

// Each fish form: the pages every fish form shares and its catch page, filled through their
// controls, stored, opened again, printed and deleted.
TEST_F(FishPagesTest, EachFishFormIsWalkedStoredPrintedAndDeleted) {
    doc.SpeciesID = Number("select min(ID) from sAllSpecies where GroupID = 6");
    const struct Form {
        int type;
        const CRuntimeClass* catchPage;
        std::function<void()> fillCatch;
        std::vector<const char*> printed;  // besides the water body and the fish
    } forms[] = {
        {kElectrofishing, RUNTIME_CLASS(CSpecForm_Fish_01), [&] {
             page->SetDlgItemText(CSpecForm_Fish_01::IDC_DEVICE, "Агрегат „ELT 60“\r\n300 V");
             Keys(*page, CSpecForm_Fish_01::IDC_DISTANCE, "2x5,0");  // digits only, at most 4
             Keys(*page, CSpecForm_Fish_01::IDC_TIME, "-18000");
         }, {"Агрегат „ELT 60“\n300 V\n", "\n250\n", "\n1800\n"}},
        {kNets, RUNTIME_CLASS(CSpecForm_Fish_02), [&] {
             Keys(*page, CSpecForm_Fish_02::IDC_LENGTH, "3.05");  // digits only, at most 3
             Keys(*page, CSpecForm_Fish_02::IDC_MESH, "456");     // at most 2
             Click(*page, CSpecForm_Fish_02::IDC_BOTTOM);
         }, {"вертикална\nx\nгриб", "Дължина, м\n305\n", "Размер на окото, см\n45"}},
    };
    for (const Form& form : forms) {
        doc.FormTypeID = form.type;
        doc.ClearAll();
        ShowPage(RUNTIME_CLASS(CCommonForm_01_Fish));
        page->SetDlgItemText(CCommonForm_01::IDC_SPECIES_TEXT, "Дунав при 'Видин'");
        ShowPage(RUNTIME_CLASS(CCommonForm_02_WaterTemperature));
        Keys(*page, CCommonForm_02::IDC_WATER, "14.5");
        ShowPage(RUNTIME_CLASS(CSpecForm_Fish_00));
        ChooseIndex(*page, CSpecForm_Fish_00::IDC_SPECIES, 1);
        ShowPage(form.catchPage);
        form.fillCatch();
        ShowPage(RUNTIME_CLASS(CSpecForm_Fish_03));
        for (const auto& fish : {std::tuple("118", "131", "2450", CDlg_Fish::IDC_FEMALE, 3, "хайвер"),
                                 std::tuple("97", "108", "1730", CDlg_Fish::IDC_MALE, 1, "с 'белег'")})
            WithFishDialog([&](CDlg_Fish& dialog) { std::apply([&](auto... field) { TypeFish(dialog, field...); }, fish); },
                           [&] { Click(*page, CSpecForm_Fish_03::IDC_ADD_FISH); });
        Leave();
        const int formId = StoreNew();

        // Opened again as the stored-forms list opens it: the species is gone; printed and
        // deleted.
        Open(formId, FALSE);
        ShowPage(RUNTIME_CLASS(CSpecForm_Fish_00));
        EXPECT_EQ(SelectedData(*page, CSpecForm_Fish_00::IDC_SPECIES), -1);
        Leave();
        // The fish table comes one cell a line: number, lengths, weight, sex, maturity, note.
        std::vector<const char*> expected = form.printed;
        expected.insert(expected.end(), {"Дунав при 'Видин'", "14.5", "1\n118\n131\n2450\nЖ\n4\nхайвер\n2\n97\n108\n1730\nМ\n2\nс 'белег'\n"});
        ExpectPrinted(Print(), expected);
        Delete(formId);
    }
}

}  // namespace
