#pragma once
// A form walked on the demo database as a user walks it: pages filled through their
// controls, the form stored, opened again for editing and for reading, printed to a text
// file beside the PDF, and deleted.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/ReportEngine.h"
#include "reports/DlgReport.h"
#include "store/SqlText.h"
#include "tests/pages/PageFixture.h"

class WalkTest : public PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        namespace fs = std::filesystem;
        fs::copy(fs::path(QUORIN_DATA_DIR) / "reports", fs::path(database.Folder().str()) / "Reports",
                 fs::copy_options::recursive);
        output = MakeTempFolder();
        SetReportOutputFolder(output);  // printed to files, not previewed
        doc.UserID = doc.SessionID = 1;
    }

    void TearDown() override {
        SetReportOutputFolder("");
        std::filesystem::remove_all(output.str());
        PageTest::TearDown();
    }

    void Fill(const CRuntimeClass* pageClass, std::initializer_list<std::pair<int, const char*>> typed) {
        ShowPage(pageClass);
        for (const auto& [id, text] : typed) page->SetDlgItemText(id, text);
        Leave();
    }

    // As the stored-forms list opens a form: the document cleared and loaded.
    void Open(int formId, BOOL readOnly) {
        doc.ClearAll();
        EXPECT_TRUE(doc.LoadForm(formId));
        doc.SetReadOnly(readOnly);
    }

    bool Locked(int id) const { return page->GetDlgItem(id)->GetStyle() & ES_READONLY; }

    // Prints the open form; the printed text ("" when nothing was printed).
    std::string Print() {
        CDlgReport report(&doc);
        EXPECT_TRUE(report.Create(CDlgReport::IDD));
        report.ShowReport(doc.FormTypeID);
        report.DestroyWindow();
        const auto found = std::find_if(std::filesystem::directory_iterator(output.str()), {},
                                        [](const auto& entry) { return entry.path().extension() == ".txt"; });
        if (found == std::filesystem::directory_iterator()) return {};
        std::stringstream printed;
        printed << std::ifstream(found->path()).rdbuf();
        std::filesystem::remove(found->path());
        return printed.str();
    }

    // Prints, finds the values in the printed text and nothing left over, then deletes.
    void PrintAndDelete(int formId, std::initializer_list<const char*> values) {
        const std::string printed = Print();
        EXPECT_FALSE(printed.empty());
        EXPECT_EQ(printed.find("Други данни"), std::string::npos);
        for (const char* value : values) EXPECT_NE(printed.find(value), std::string::npos) << value;
        Delete(formId);
    }

    void Delete(int formId) {
        ASSERT_TRUE(doc.DeleteForm(formId));
        EXPECT_EQ(Number(FormatSql("select Del from Forms where ID = %d", formId)), 1);
        EXPECT_TRUE(boxes.boxes.empty()) << boxes.Texts().front();
    }

    CString output;
};
