#pragma once
// A program folder with the test database and the delivered report files, reports written as
// PDF and text into a folder of their own, and a record of every message box and of every
// call that a report control received.
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "store/FormDocument.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/WindowFixture.h"

struct RecordedCall {
    int controlId;
    CrystalCall call;
};

class ReportTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A document as after login and the choice of a form.
    std::unique_ptr<CTovan_splitDoc> NewDocument(int formTypeId, int speciesId = -1);

    // The parameter texts that the control with the id received, in order; each index is
    // checked to follow the one before, starting at 0.
    std::vector<std::string> Parameters(int controlId) const;
    // The report files set, in order, as "<control id>:<path>".
    std::vector<std::string> FileNames() const;
    // The form type's (first) report file filled with what `doc` sends, as HTML.
    std::string FilledFile(const CTovan_splitDoc& doc);

    CTestDatabase database;
    CString output;
    MessageBoxLog boxes;
    std::vector<RecordedCall> calls;
    QtWarnings warnings;  // none may come

private:
    ReportCallRun m_recorder{
        [this](const CCrystalCtrl& control, const CrystalCall& call) { calls.push_back({control.GetDlgCtrlID(), call}); }};
};

class CReportParameters;

// A test of the parameter sequence that a filler sends for `doc`, compared with the sequences
// of the shared blocks it is made of.
class ReportSequenceTest : public ReportTest {
protected:
    using Texts = std::vector<std::string>;

    // What `fill` sends for the document, in order, each index following the one before.
    Texts Sent(const std::function<void(CReportParameters&)>& fill) const;
    // What the form type's (first) filler sends, with the form type's sections.
    Texts Filled(int formType) const;
    static Texts Join(std::initializer_list<Texts> parts);
    // What the shared blocks send, one after the other.
    using Block = void (CReportParameters::*)();
    Texts Blocks(std::initializer_list<Block> blocks) const;
    // At most `rows` threats, then the photo and map signs: how most reports end.
    Texts ThreatsAndSigns(int rows) const;

    std::unique_ptr<CTovan_splitDoc> doc;
};
