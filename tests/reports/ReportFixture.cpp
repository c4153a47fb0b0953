#include "ReportFixture.h"

#include <filesystem>

#include "db/ProgramFolder.h"
#include "platform/ReportEngine.h"
#include "reports/ReportParameters.h"
#include "reports/ReportTable.h"

namespace fs = std::filesystem;

void ReportTest::SetUp() {
    fs::copy(fs::path(QUORIN_DATA_DIR) / "reports", fs::path(database.Folder().str()) / "Reports", fs::copy_options::recursive);
    TheProgramFolder().InitAppDir(database.Folder());
    output = MakeTempFolder();
    SetReportOutputFolder(output);
}

void ReportTest::TearDown() {
    EXPECT_EQ(warnings.texts, std::vector<std::string>());
    SetReportOutputFolder("");
    std::error_code ignored;
    fs::remove_all(output.str(), ignored);
}

std::unique_ptr<CTovan_splitDoc> ReportTest::NewDocument(int formTypeId, int speciesId) {
    auto doc = std::make_unique<CTovan_splitDoc>();
    doc->UserID = 1;
    doc->SessionID = 1;
    doc->RIOSW_ID = 1;
    doc->FormTypeID = formTypeId;
    doc->SpeciesID = speciesId;
    doc->ClearAll();
    return doc;
}

std::vector<std::string> ReportTest::Parameters(int controlId) const {
    std::vector<std::string> texts;
    for (const RecordedCall& recorded : calls) {
        if (recorded.controlId != controlId || recorded.call.kind != CrystalCall::ParameterField) continue;
        EXPECT_EQ(recorded.call.index, static_cast<int>(texts.size())) << recorded.call.text.GetString();
        texts.push_back(recorded.call.text.str());
    }
    return texts;
}

std::vector<std::string> ReportTest::FileNames() const {
    std::vector<std::string> names;
    for (const RecordedCall& recorded : calls)
        if (recorded.call.kind == CrystalCall::ReportFileName)
            names.push_back(std::to_string(recorded.controlId) + ":" + recorded.call.text.str());
    return names;
}

std::string ReportTest::FilledFile(const CTovan_splitDoc& doc) {
    calls.clear();
    CCrystalCtrl control;
    CReportParameters report(control, doc);
    const ReportPrint& print = FindFormTypeReport(doc.FormTypeID)->first;
    print.filler(report, -1, -1);
    std::vector<ReportField> fields;
    for (const std::string& text : Parameters(control.GetDlgCtrlID())) fields.push_back(ParseReportField(text.c_str()));
    CString html, error;
    EXPECT_TRUE(FillReportFile(database.Folder() + "Reports/" + print.fileName, fields, html, error)) << error.GetString();
    return html.str();
}

ReportSequenceTest::Texts ReportSequenceTest::Sent(const std::function<void(CReportParameters&)>& fill) const {
    Texts texts;
    const ReportCallRun recorder([&texts](const CCrystalCtrl&, const CrystalCall& call) {
        EXPECT_EQ(call.index, static_cast<int>(texts.size()));
        texts.push_back(call.text.str());
    });
    CCrystalCtrl control;
    CReportParameters report(control, *doc);
    fill(report);
    return texts;
}

ReportSequenceTest::Texts ReportSequenceTest::Filled(int formType) const {
    return Sent([formType](CReportParameters& report) {
        const FormTypeReport* printed = FindFormTypeReport(formType);
        printed->first.filler(report, printed->section, printed->secondSection);
    });
}

ReportSequenceTest::Texts ReportSequenceTest::Blocks(std::initializer_list<Block> blocks) const {
    return Sent([blocks](CReportParameters& report) {
        for (const Block block : blocks) (report.*block)();
    });
}

ReportSequenceTest::Texts ReportSequenceTest::ThreatsAndSigns(int rows) const {
    return Sent([rows](CReportParameters& report) {
        report.FillThreats(rows);
        report.FillPhotoMap();
    });
}

ReportSequenceTest::Texts ReportSequenceTest::Join(std::initializer_list<Texts> parts) {
    Texts all;
    for (const Texts& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}
