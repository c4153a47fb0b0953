// The report dialog: which report files a form type prints from which control, in which
// order, and the form types that have no report.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "ReportFixture.h"
#include "db/ProgramFolder.h"
#include "platform/WaitCursor.h"
#include "reports/DlgReport.h"
#include "reports/ReportTable.h"

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

TEST_F(DlgReportTest, EveryFormTypeWithAReportFindsAReadableFile) {
    for (int formType = 1; formType <= 47; ++formType) {
        if (formType == 24 || formType == 29) continue;
        SCOPED_TRACE(formType);
        calls.clear();
        dialog->ShowReport(formType);
        const char* file = FindFormTypeReport(formType)->first.fileName;
        EXPECT_EQ(FileNames().front(), "2822:" + Path(file));
        EXPECT_NE(Text(fs::path(file).replace_extension(".txt").c_str()).find("Вълк"), std::string::npos);
    }
    EXPECT_TRUE(boxes.Texts().empty());
}

}  // namespace
