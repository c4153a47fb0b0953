// The fish pages: the monitored species kept while the form is open, the digits-only sizes
// and the net kind, the table of fish with its dialog, and each fish form walked through
// its pages, stored, read back and printed.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "pages/common/CommonForm01Variants.h"
#include "pages/common/CommonForm02Variants.h"
#include "pages/species/DlgFish.h"
#include "pages/species/SpecFormFish00.h"
#include "pages/species/SpecFormFish01.h"
#include "pages/species/SpecFormFish02.h"
#include "pages/species/SpecFormFish03.h"
#include "platform/ReportEngine.h"
#include "reports/DlgReport.h"
#include "reports/ReportTable.h"
#include "store/SqlText.h"
#include "tests/pages/PageFixture.h"

namespace {

namespace fs = std::filesystem;

constexpr int kElectrofishing = 11;
constexpr int kNets = 12;

class FishPagesTest : public PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        doc.FormTypeID = kNets;
        doc.FormName = "Риби – улов с мрежи";
        doc.SpeciesName = "Barbus petenyi (Черна мряна)";
    }

    CGridCtrl& Grid() { return dynamic_cast<CSpecForm_Fish_03*>(page)->FishGrid(); }

    std::vector<CString> GridRows() {  // the cells of a row joined by "|"
        std::vector<CString> rows;
        for (int row = 1; row < Grid().GetRowCount(); ++row) {
            CString cells = Grid().GetItemText(row, 0);
            for (int column = 1; column < Grid().GetColumnCount(); ++column) cells += "|" + Grid().GetItemText(row, column);
            rows.push_back(cells);
        }
        return rows;
    }

    // The fish dialog runs `script` and is closed with OK (the script may press a button itself).
    void WithFishDialog(const std::function<void(CDlg_Fish&)>& script, const std::function<void()>& action) {
        const DialogScript run([&](CDialog& shown) {
            auto& dialog = dynamic_cast<CDlg_Fish&>(shown);
            script(dialog);
            if (!dialog.IsEnded()) dialog.PressButton(IDOK);
        });
        action();
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
    ASSERT_GT(fishes.size(), 2u);
    ShowPage(RUNTIME_CLASS(CSpecForm_Fish_00));
    EXPECT_EQ(ListOf(CSpecForm_Fish_00::IDC_SPECIES), fishes);
    EXPECT_EQ(SelectedData(CSpecForm_Fish_00::IDC_SPECIES), -1);
    Picture("fish_0");
    Choose(CSpecForm_Fish_00::IDC_SPECIES, fishes[2].first);
    Leave();
    EXPECT_EQ(doc.SpecData_Fish_00.MonitoredSpeciesID, fishes[2].first);
    ShowPage(RUNTIME_CLASS(CSpecForm_Fish_00));
    EXPECT_EQ(SelectedData(CSpecForm_Fish_00::IDC_SPECIES), fishes[2].first);

    Leave();
    doc.ClearAll();
    ShowPage(RUNTIME_CLASS(CSpecForm_Fish_00));
    EXPECT_EQ(SelectedData(CSpecForm_Fish_00::IDC_SPECIES), -1);

    // A list that cannot be read says why; the page stays.
    Leave();
    Exec("drop table sAllSpecies");
    ShowPage(RUNTIME_CLASS(CSpecForm_Fish_00));
    EXPECT_TRUE(ListOf(CSpecForm_Fish_00::IDC_SPECIES).empty());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].Find("sAllSpecies"), -1) << messages[0];
    Leave();
    EXPECT_EQ(doc.SpecData_Fish_00.MonitoredSpeciesID, -1);
}

TEST_F(FishPagesTest, SizesTakeDigitsWithinTheirLimitsAndTheNetKindMayStayUnchosen) {
    ShowPage(RUNTIME_CLASS(CSpecForm_Fish_01));
    Picture("fish_1");
    Type(CSpecForm_Fish_01::IDC_DEVICE, "Агрегат 'ELT 60'\r\nимпулсен");
    Keys(CSpecForm_Fish_01::IDC_DISTANCE, "1x2,345");
    Keys(CSpecForm_Fish_01::IDC_TIME, "-90");
    Leave();
    EXPECT_EQ(doc.SpecData_Fish_01, (CSpecData_Fish_01{"Агрегат 'ELT 60'\r\nимпулсен", "1234", "90"}));

    ShowPage(RUNTIME_CLASS(CSpecForm_Fish_02));
    Picture("fish_2");
    Keys(CSpecForm_Fish_02::IDC_LENGTH, "1000");
    Keys(CSpecForm_Fish_02::IDC_HEIGHT, "2.5");
    Keys(CSpecForm_Fish_02::IDC_MESH, "123");
    Leave();
    EXPECT_EQ(doc.SpecData_Fish_02, (CSpecData_Fish_02{"100", "25", "12", -1}));

    ShowPage(RUNTIME_CLASS(CSpecForm_Fish_02));
    Click(CSpecForm_Fish_02::IDC_BOTTOM);
    Leave();
    EXPECT_EQ(doc.SpecData_Fish_02.NetType, 1);
}

TEST_F(FishPagesTest, FishAreAddedChangedByDoubleClickAndDeletedOnlyAsWholeRows) {
    ShowPage(RUNTIME_CLASS(CSpecForm_Fish_03));
    WithFishDialog([](CDlg_Fish& dialog) { TypeFish(dialog, "120", "", "", CDlg_Fish::IDC_FEMALE, 2, ""); },
                   [&] { Click(CSpecForm_Fish_03::IDC_ADD_FISH); });
    WithFishDialog([](CDlg_Fish&) {}, [&] { Click(CSpecForm_Fish_03::IDC_ADD_FISH); });  // nothing is required
    WithFishDialog([](CDlg_Fish& dialog) { TypeFish(dialog, "1234", "1300", "123456", CDlg_Fish::IDC_MALE, 5, "стара 'рана'"); },
                   [&] { Click(CSpecForm_Fish_03::IDC_ADD_FISH); });
    WithFishDialog([](CDlg_Fish& dialog) { dialog.PressButton(IDCANCEL); }, [&] { Click(CSpecForm_Fish_03::IDC_ADD_FISH); });
    EXPECT_EQ(GridRows(), (std::vector<CString>{"1|120|||Ж|3|", "2||||||", "3|1234|1300|123456|М|6|стара 'рана'"}));
    Picture("fish_3");

    // The first fish opens as it was and comes back unchanged; then it is changed.
    CString shownMaturity;
    WithFishDialog([&](CDlg_Fish& dialog) { shownMaturity = dialog.m_maturity.GetLBText(dialog.m_maturity.GetCurSel()); },
                   [&] { Grid().SendMessageToParent(1, 2, NM_DBLCLK); });
    EXPECT_EQ(shownMaturity, "3");
    EXPECT_EQ(GridRows()[0], "1|120|||Ж|3|");
    WithFishDialog([](CDlg_Fish& dialog) { ChooseSex(dialog, CDlg_Fish::IDC_MALE); },
                   [&] { Grid().SendMessageToParent(1, 0, NM_DBLCLK); });
    EXPECT_EQ(GridRows()[0], "1|120|||М|3|");

    Grid().SetSelectedRange(2, 1, 2, 6);  // not the whole row
    Click(CSpecForm_Fish_03::IDC_DELETE_FISH);
    EXPECT_EQ(GridRows().size(), 3u);
    Grid().SetSelectedRange(2, 0, 2, 6);
    Click(CSpecForm_Fish_03::IDC_DELETE_FISH);
    EXPECT_EQ(GridRows().size(), 2u);
    EXPECT_EQ(GridRows()[1].Left(7), "2|1234|");
    Leave();
    const CArray<CFish03Row>& fishes = doc.SpecData_Fish_03.Species;
    ASSERT_EQ(fishes.GetSize(), 2);
    EXPECT_EQ(std::tuple(fishes[0].Sex, fishes[0].SexLetter, fishes[0].MaturityLevel, fishes[0].StandardLen),
              std::tuple(0, CString("М"), CString("3"), CString("120")));
    EXPECT_EQ(std::tuple(fishes[1].Sex, fishes[1].Weight, fishes[1].Notes), std::tuple(0, CString("123456"), CString("стара 'рана'")));
}

TEST_F(FishPagesTest, TheFishDialogShowsAnEmptyRowEmptyAndKeepsItsLimits) {
    CDlg_Fish dialog;
    const DialogScript script([this](CDialog& shown) {
        auto& fish = dynamic_cast<CDlg_Fish&>(shown);
        EXPECT_EQ(fish.m_maturity.GetCurSel(), CB_ERR);
        EXPECT_EQ(fish.m_maturity.GetCount(), 6);
        EXPECT_FALSE(fish.IsDlgButtonChecked(CDlg_Fish::IDC_MALE) || fish.IsDlgButtonChecked(CDlg_Fish::IDC_FEMALE));
        CWnd* weight = fish.GetDlgItem(CDlg_Fish::IDC_WEIGHT);
        weight->SetFocus();
        for (const char key : std::string("12a34567")) weight->SendMessage(WM_CHAR, static_cast<WPARAM>(key));
        Picture("fish_dialog", &shown);
        fish.PressButton(IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_row.Weight, "123456");
    EXPECT_EQ(std::tuple(dialog.m_row.Sex, dialog.m_row.SexLetter, dialog.m_row.MaturityLevel), std::tuple(-1, CString(), CString()));
}

// ---- the two forms end to end ------------------------------------------------------------

class FishFormTest : public FishPagesTest {
protected:
    void SetUp() override {
        FishPagesTest::SetUp();
        fs::copy(fs::path(QUORIN_DATA_DIR) / "reports", fs::path(database.Folder().str()) / "Reports", fs::copy_options::recursive);
        output = MakeTempFolder();
        SetReportOutputFolder(output);  // printed to files, not previewed
        doc.UserID = doc.SessionID = 1;
        doc.SpeciesID = Number("select min(ID) from sAllSpecies where GroupID = 6");
    }

    void TearDown() override {
        SetReportOutputFolder("");
        fs::remove_all(output.str());
        FishPagesTest::TearDown();
    }

    // The pages every fish form shares, filled through their controls, the catch page of the
    // form type by `fillCatch`; then stored, loaded into a new document and printed. The
    // text of the printed report.
    std::string Walk(int formTypeId, const CRuntimeClass* catchPage, const std::function<void()>& fillCatch) {
        doc.FormTypeID = formTypeId;
        ShowPage(RUNTIME_CLASS(CCommonForm_01_Fish));
        Type(CCommonForm_01::IDC_SPECIES_TEXT, "Дунав при 'Видин'");
        ShowPage(RUNTIME_CLASS(CCommonForm_02_WaterTemperature));
        Keys(CCommonForm_02::IDC_WATER, "14.5");
        ShowPage(RUNTIME_CLASS(CSpecForm_Fish_00));
        ChooseIndex(CSpecForm_Fish_00::IDC_SPECIES, 1);
        ShowPage(catchPage);
        fillCatch();
        ShowPage(RUNTIME_CLASS(CSpecForm_Fish_03));
        WithFishDialog([](CDlg_Fish& dialog) { TypeFish(dialog, "118", "131", "2450", CDlg_Fish::IDC_FEMALE, 3, "хайвер"); },
                       [&] { Click(CSpecForm_Fish_03::IDC_ADD_FISH); });
        WithFishDialog([](CDlg_Fish& dialog) { TypeFish(dialog, "97", "108", "1730", CDlg_Fish::IDC_MALE, 1, ""); },
                       [&] { Click(CSpecForm_Fish_03::IDC_ADD_FISH); });
        Leave();
        EXPECT_TRUE(doc.SaveNewForm());

        CTovan_splitDoc loaded;
        loaded.m_bAutoDelete = FALSE;
        loaded.FormTypeID = formTypeId;
        EXPECT_TRUE(loaded.LoadForm(Number("select max(ID) from Forms")));
        EXPECT_EQ(loaded.SpecData_Fish_00.MonitoredSpeciesID, -1);  // never stored
        EXPECT_EQ(loaded.SpecData_Fish_03, doc.SpecData_Fish_03);

        CDlgReport report(&loaded);
        EXPECT_TRUE(report.Create(CDlgReport::IDD));
        report.ShowReport(formTypeId);
        report.DestroyWindow();
        EXPECT_TRUE(messages.empty()) << messages.front();
        const fs::path printed = fs::path(output.str()) / FindFormTypeReport(formTypeId)->first.fileName;
        EXPECT_TRUE(fs::exists(fs::path(printed).replace_extension(".pdf")));
        std::ifstream in(fs::path(printed).replace_extension(".txt"));
        std::stringstream text;
        text << in.rdbuf();
        // The fish table, one cell a line: number, lengths, weight, sex letter, maturity, note.
        EXPECT_NE(text.str().find("1\n118\n131\n2450\nЖ\n4\nхайвер\n2\n97\n108\n1730\nМ\n2\n"), std::string::npos) << text.str();
        return text.str();
    }

    CString output;
};

// Each typed value stands in the printed text.
void ExpectPrinted(const std::string& text, std::initializer_list<const char*> values) {
    for (const char* value : values) EXPECT_NE(text.find(value), std::string::npos) << value << " not in\n" << text;
}

TEST_F(FishFormTest, ElectrofishingIsWalkedStoredAndPrinted) {
    const std::string text = Walk(kElectrofishing, RUNTIME_CLASS(CSpecForm_Fish_01), [&] {
        Type(CSpecForm_Fish_01::IDC_DEVICE, "Агрегат „ELT 60“ 300 V");
        Keys(CSpecForm_Fish_01::IDC_DISTANCE, "250");
        Keys(CSpecForm_Fish_01::IDC_TIME, "1800");
    });
    ExpectPrinted(text, {"Дунав при 'Видин'", "14.5", "Агрегат „ELT 60“ 300 V", "250", "1800"});
}

TEST_F(FishFormTest, NetFishingIsWalkedStoredAndPrinted) {
    const std::string text = Walk(kNets, RUNTIME_CLASS(CSpecForm_Fish_02), [&] {
        Keys(CSpecForm_Fish_02::IDC_LENGTH, "30");
        Keys(CSpecForm_Fish_02::IDC_HEIGHT, "2");
        Keys(CSpecForm_Fish_02::IDC_MESH, "45");
        Click(CSpecForm_Fish_02::IDC_BOTTOM);
    });
    ExpectPrinted(text, {"Дунав при 'Видин'", "14.5", "вертикална\nx\nгриб", "Дължина, м\n30\n", "Размер на окото, см\n45"});
}

}  // namespace
