// The report dialog: which report files a form type prints from which control, in which
// order, and the form types that have no report.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <utility>

#include "ReportFixture.h"
#include "db/ProgramFolder.h"
#include "platform/WaitCursor.h"
#include "reports/DlgReport.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kNoReport = "Справка за този формуляр за сега не може да бъде направена.";

class DlgReportTest : public ReportTest {
protected:
    void SetUp() override {
        ReportTest::SetUp();
        doc = NewDocument(11);
        doc->SpeciesName = "Вълк";
        doc->CommonData_01.SiteName = "Черни връх";
        dialog = std::make_unique<CDlgReport>(doc.get());
        ASSERT_TRUE(dialog->Create(CDlgReport::IDD));
    }
    void TearDown() override {
        dialog->DestroyWindow();
        ReportTest::TearDown();
    }

    std::string Path(const char* fileName) const { return (GetAppDir() + "Reports/" + fileName).str(); }

    std::string Text(const char* name) const {
        std::ifstream in(fs::path(output.str()) / name);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // The kinds of calls in order, one letter each: F file, P parameter, B boolean, R print;
    // the control's last digit before each run of calls to another control.
    std::string Sequence() const {
        std::string sequence;
        int control = 0;
        for (const RecordedCall& recorded : calls) {
            if (recorded.controlId != control) sequence += std::to_string((control = recorded.controlId) % 10);
            const char kinds[] = {'F', 'B', 'P', 'R'};
            if (sequence.back() != 'P' || recorded.call.kind != CrystalCall::ParameterField) sequence += kinds[recorded.call.kind];
        }
        return sequence;
    }

    std::unique_ptr<CTovan_splitDoc> doc;
    std::unique_ptr<CDlgReport> dialog;
};

TEST_F(DlgReportTest, HiddenDialogStaysOpenOnEnter) {
    EXPECT_FALSE(dialog->IsWindowVisible());
    dialog->PressButton(IDOK);
    EXPECT_FALSE(dialog->IsEnded());
    EXPECT_NE(dialog->GetSafeHwnd(), nullptr);
}

TEST_F(DlgReportTest, FormTypesWithoutAReportOnlySaySo) {
    for (const int formType : {24, 29, 0, -1, 48}) {
        SCOPED_TRACE(formType);
        boxes.Reset();
        dialog->ShowReport(formType);
        EXPECT_EQ(boxes.Texts(), std::vector<CString>{kNoReport});
        EXPECT_EQ(WaitCursorDepth(), 0);
    }
    EXPECT_TRUE(calls.empty());
    EXPECT_TRUE(fs::is_empty(output.str()));
}

TEST_F(DlgReportTest, HamsterFormPrintsTwoReportsEachNumberedFromZero) {
    doc->FormName = "Лалугер";
    doc->FormCode = "2_16_1234_7";
    dialog->ShowReport(16);
    // A PDF saved from each preview is offered under the form type and code.
    const auto printName = [this](int id) { return dynamic_cast<CCrystalCtrl*>(dialog->GetDlgItem(id))->GetPrintFileName(); };
    EXPECT_EQ(printName(CDlgReport::kFirstReportId), "Лалугер 2_16_1234_7");
    EXPECT_EQ(printName(CDlgReport::kSecondReportId), "Лалугер 2_16_1234_7 - 2");
    EXPECT_EQ(FileNames(), (std::vector<std::string>{"2822:" + Path("Hamster1.rpt"), "2823:" + Path("Hamster2.rpt")}));
    // Both files first, then each control's parameters, then each print.
    EXPECT_EQ(Sequence(), "2F3F2P3P2BR3BR");
    // Parameters() checks that each control's indexes run from 0.
    EXPECT_EQ(Parameters(CDlgReport::kFirstReportId).front().rfind("PARAM_SPECIES;", 0), 0u);
    EXPECT_EQ(Parameters(CDlgReport::kSecondReportId).front().rfind("PARAM_TRANSECT_11;", 0), 0u);
    EXPECT_NE(Text("Hamster1.txt").find("Лалугер – колония"), std::string::npos);
    EXPECT_NE(Text("Hamster2.txt").find("Лалугер – трансекти"), std::string::npos);
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(DlgReportTest, PrintingAgainStartsTheParametersAtZeroWithTheNewContents) {
    dialog->ShowReport(11);
    const size_t firstCount = Parameters(CDlgReport::kFirstReportId).size();
    EXPECT_NE(Text("Fish_2.txt").find("Черни връх"), std::string::npos);

    doc->CommonData_01.SiteName = "Мусала";
    calls.clear();
    dialog->ShowReport(11);
    EXPECT_EQ(FileNames(), std::vector<std::string>{"2822:" + Path("Fish_2.rpt")});
    EXPECT_EQ(Parameters(CDlgReport::kFirstReportId).size(), firstCount);  // indexes checked from 0
    const std::string text = Text("Fish_2.txt");
    EXPECT_NE(text.find("Мусала"), std::string::npos);
    EXPECT_EQ(text.find("Черни връх"), std::string::npos);
    EXPECT_EQ(WaitCursorDepth(), 0);
}

// The report file of each form type with a report, in form type order (none for 24 and 29;
// form type 16 prints "Hamster2.rpt" second).
constexpr std::pair<int, const char*> kReportFiles[] = {
    {1, "Mushroom_1.rpt"},
    {2, "moss_Buxbaumia viridis.rpt"},
    {3, "moss_Meesia longiseta.rpt"},
    {4, "moss_Neckera pennata_Dicranum viridae_Frullania fragilifolia.rpt"},
    {5, "moss_Sphagnum cuspidatum_Sphagnum fallax.rpt"},
    {6, "moss_Grimmia teretinervis.rpt"},
    {7, "moss_Hamatocaulis vernicosus.rpt"},
    {8, "moss_Mannia triandra_Riccia crustata.rpt"},
    {9, "moss_Brachythecium geheebi.rpt"},
    {10, "moss_Bazzania flaccida.rpt"},
    {11, "Fish_2.rpt"},
    {12, "Fish_1.rpt"},
    {13, "Amphibians.rpt"},
    {14, "Reptile.rpt"},
    {15, "Tortoise.rpt"},
    {16, "Hamster1.rpt"},
    {17, "Bat_Cave.rpt"},
    {18, "Bat_Moist.rpt"},
    {19, "Bat_Wood.rpt"},
    {20, "Bat_Lodge.rpt"},
    {21, "Wolf_2.rpt"},
    {22, "Wolf_2.rpt"},
    {23, "Bear_1.rpt"},
    {25, "Deer_1.rpt"},
    {26, "Deer_2.rpt"},
    {27, "Goat_1.rpt"},
    {28, "Goat_2.rpt"},
    {30, "Mushroom_2.rpt"},
    {31, "Bear_2.rpt"},
    {32, "Bear_2.rpt"},
    {33, "Bear_2.rpt"},
    {34, "Bear_2.rpt"},
    {35, "Wolf_1.rpt"},
    {36, "Wolf_1.rpt"},
    {37, "Wolf_1.rpt"},
    {38, "Wolf_1.rpt"},
    {39, "Wolf_1.rpt"},
    {40, "Wolf_1.rpt"},
    {41, "Wolf_1.rpt"},
    {42, "Wolf_1.rpt"},
    {43, "Wolf_1.rpt"},
    {44, "Wolf_1.rpt"},
    {45, "Goat_2.rpt"},
    {46, "Goat_2.rpt"},
    {47, "Goat_2.rpt"},
};

TEST_F(DlgReportTest, EveryFormTypeWithAReportFindsAReadableFile) {
    ASSERT_EQ(std::size(kReportFiles), 45u);
    for (const auto& [formType, file] : kReportFiles) {
        SCOPED_TRACE(formType);
        calls.clear();
        dialog->ShowReport(formType);
        EXPECT_EQ(FileNames().front(), "2822:" + Path(file));
        EXPECT_NE(Text(fs::path(file).replace_extension(".txt").c_str()).find("Вълк"), std::string::npos);
    }
    EXPECT_TRUE(boxes.Texts().empty());
}

}  // namespace
