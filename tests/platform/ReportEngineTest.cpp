// The report engine and the report control: filling report files, the section of values no
// placeholder takes, unreadable files, and what a print writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "platform/CrystalCtrl.h"
#include "platform/ReportEngine.h"
#include "tests/platform/FrameworkFixture.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/WindowFixture.h"

namespace {

namespace fs = std::filesystem;

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class ReportEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetReportOutputFolder(output);
    }
    void TearDown() override {
        SetReportOutputFolder("");
        fs::remove_all(folder.str());
        fs::remove_all(output.str());
    }

    CString Write(const char* name, const std::string& text) {
        const fs::path path = fs::path(folder.str()) / name;
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << text;
        return CString(path.string());
    }
    std::string Fill(const std::string& templateText, const std::vector<ReportField>& fields) {
        CString html, error;
        EXPECT_TRUE(FillReportFile(Write("report.rpt", templateText), fields, html, error)) << error.GetString();
        return html.str();
    }
    std::string Output(const char* name) const {
        std::stringstream text;
        text << std::ifstream(fs::path(output.str()) / name, std::ios::binary).rdbuf();
        return text.str();
    }
    // Each printed line with the pages (from 1) it was drawn on, from "<name>.pages".
    std::map<std::string, std::vector<int>> DrawnLines(const char* name) const {
        std::map<std::string, std::vector<int>> lines;
        int page = 1;
        std::stringstream text(Output(name));
        for (std::string line; std::getline(text, line);) {
            for (; !line.empty() && line.front() == '\f'; line.erase(0, 1)) ++page;
            if (!line.empty()) lines[line].push_back(page);
        }
        return lines;
    }

    const CString folder = MakeTempFolder();
    const CString output = MakeTempFolder();
    MessageBoxLog boxes;
};

TEST_F(ReportEngineTest, ParameterTextSplitsAtFirstAndLastSemicolon) {
    EXPECT_EQ(ParseReportField("PARAM_NOTE;a;b;TRUE"), (ReportField{"PARAM_NOTE", "a;b"}));
    EXPECT_EQ(ParseReportField("PARAM_DATE;;TRUE"), (ReportField{"PARAM_DATE", ""}));
    EXPECT_EQ(ParseReportField("PARAM_X;rest"), (ReportField{"PARAM_X", "rest"}));
    EXPECT_EQ(ParseReportField("PARAM_X"), (ReportField{"PARAM_X", ""}));
}

TEST_F(ReportEngineTest, PlaceholdersTakeValuesAsTypedInOnePass) {
    const std::string html = Fill("<p>[{PARAM_SPECIES}] [{PARAM_MISSING}] [{PARAM_NOTE}] [{PARAM_TRICK}]</p>",
                                  {{"PARAM_SPECIES", "Вълк"}, {"PARAM_NOTE", "a  < b & c\r\nред 2"}, {"PARAM_TRICK", "{PARAM_SPECIES}"}});
    EXPECT_TRUE(Has(html, "[Вълк] []"));
    EXPECT_TRUE(Has(html, "[a &nbsp;&lt; b &amp; c<br/>ред 2]"));
    EXPECT_TRUE(Has(html, "[{PARAM_SPECIES}]"));  // a typed brace is not a placeholder
    EXPECT_FALSE(Has(html, "Други данни"));
}

TEST_F(ReportEngineTest, RowBlocksRepeatUpToTheHighestRowAndAtLeastMin) {
    const std::string rows = "<!--ROWS min=3--><tr><td>{#}</td><td>{PARAM_EKIP#}</td><td>{PARAM_LOC_#1}</td></tr><!--/ROWS-->";
    std::string html = Fill(rows, {{"PARAM_EKIP1", "Иван"}});
    EXPECT_TRUE(Has(html, "<td>1</td><td>Иван</td><td></td>"));
    EXPECT_TRUE(Has(html, "<td>3</td><td></td><td></td>"));
    EXPECT_FALSE(Has(html, "<td>4</td>"));

    html = Fill(rows, {{"PARAM_LOC_51", "север"}, {"PARAM_EKIP12X", "не е ред"}});
    EXPECT_TRUE(Has(html, "<td>4</td><td></td><td></td>"));
    EXPECT_TRUE(Has(html, "<td>5</td><td></td><td>север</td>"));
    EXPECT_FALSE(Has(html, "<td>6</td>"));
    EXPECT_TRUE(Has(html, ">EKIP12X</td><td>не е ред</td>"));  // only looks like a row: printed at the end
}

TEST_F(ReportEngineTest, PlaceholdersShowOnePartOfAPackedValue) {
    const std::vector<ReportField> fields = {{"PARAM_PACKED", " a_ b &c_d_  e  &"}, {"PARAM_T_21", "x_y&z"}};
    std::string html = Fill("<p>[{PARAM_PACKED|&1|_2}] [{PARAM_PACKED|&2|_3}] [{PARAM_PACKED|&2}] [{PARAM_PACKED|&7}] "
                            "[{PARAM_PACKED|&2|_4}] [{PARAM_NONE|&1}]</p>",
                            fields);
    EXPECT_TRUE(Has(html, "[b] [e] [c_d_ &nbsp;e] [] [] []"));
    EXPECT_FALSE(Has(html, ">PACKED</td>"));  // placed through its parts only: not under "Други данни"

    html = Fill("<!--ROWS--><tr><td>{#}</td><td>{PARAM_T_#1|&1|_2}</td><td>{PARAM_T_#1|&2|_1}</td></tr><!--/ROWS-->", fields);
    EXPECT_TRUE(Has(html, "<td>1</td><td></td><td></td>"));
    EXPECT_TRUE(Has(html, "<td>2</td><td>y</td><td>z</td>"));
    EXPECT_FALSE(Has(html, "<td>3</td>"));
    EXPECT_TRUE(Has(html, ">PACKED</td>"));  // not placed in this file
    EXPECT_FALSE(Has(html, ">T_21</td>"));
}

TEST_F(ReportEngineTest, ValuesNoPlaceholderTakesEndTheReport) {
    const std::string html = Fill("<html><body><p>{PARAM_SPECIES}</p></body></html>",
                                  {{"PARAM_SPECIES", "Вълк"}, {"PARAM_EXTRA", "допълнително"}, {"PARAM_EMPTY", ""},
                                   {"PARAM_TWICE", "първо"}, {"PARAM_TWICE", "второ"}});
    ASSERT_TRUE(Has(html, "Други данни"));
    EXPECT_LT(html.find("Други данни"), html.find("</body>"));
    EXPECT_TRUE(Has(html, ">EXTRA</td><td>допълнително</td>"));
    EXPECT_FALSE(Has(html, "EMPTY"));
    // The later value of a name wins; the one it replaced is still printed.
    EXPECT_TRUE(Has(html, ">TWICE</td><td>второ</td>"));
    EXPECT_TRUE(Has(html, ">TWICE</td><td>първо</td>"));
}

TEST_F(ReportEngineTest, UnreadableFilesAreNamedAndNothingIsPrinted) {
    Write("parts/head.html", "<h2>{PARAM_SPECIES}</h2>");
    EXPECT_TRUE(Has(Fill("<!--INCLUDE parts/head.html--><p>край</p>", {{"PARAM_SPECIES", "Мечка"}}), "<h2>Мечка</h2><p>край</p>"));

    const CString files[] = {folder + "Reports/Fish_2.rpt", Write("Empty.rpt", "  \n"), Write("Latin1.rpt", "<p>\xe0\xe1</p>"),
                             Write("self.rpt", "<!--INCLUDE self.rpt-->")};
    for (const CString& file : files) EXPECT_FALSE(PrintReportFile(file, {{"PARAM_SPECIES", "Пъстърва"}}, "Ведрин"));
    EXPECT_FALSE(PrintReportFile(Write("broken.rpt", "<!--INCLUDE parts/none.html-->"), {}, "Ведрин"));

    const std::vector<CString> messages = boxes.Texts();
    ASSERT_EQ(messages.size(), 5u);
    for (size_t i = 0; i < 4; ++i) EXPECT_NE(messages[i].Find(files[i]), -1) << messages[i];
    EXPECT_NE(messages[4].Find("parts/none.html"), -1);
    EXPECT_TRUE(fs::is_empty(output.str()));
}

TEST_F(ReportEngineTest, PrintWritesPdfAndTextWithTheTypedCyrillic) {
    const CString path = Write("moss_Buxbaumia viridis.rpt", "<h2>Вид: {PARAM_SPECIES}</h2><table><!--ROWS--><tr><td>{PARAM_ROW#}</td></tr><!--/ROWS--></table>");
    std::vector<ReportField> fields{{"PARAM_SPECIES", "Бръмбар рогач"}, {"PARAM_UNPLACED", "Шумен"}};
    for (int row = 1; row <= 150; ++row) fields.push_back({CString("PARAM_ROW") + std::to_string(row), "ред"});
    ASSERT_TRUE(PrintReportFile(path, fields, "Ведрин"));

    const std::string pdf = Output("moss_Buxbaumia viridis.pdf");
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
    const std::string text = Output("moss_Buxbaumia viridis.txt");
    EXPECT_TRUE(Has(text, "Вид: Бръмбар рогач"));
    EXPECT_TRUE(Has(text, "Шумен"));
    size_t pages = 0;  // 150 rows do not fit one A4 page
    for (size_t at = pdf.find("/Type /Page\n"); at != std::string::npos; at = pdf.find("/Type /Page\n", at + 1)) ++pages;
    EXPECT_GT(pages, 1u);
}

TEST_F(ReportEngineTest, WithoutTheOutputFolderTheReportGoesToThePrintPreview) {
    SetReportOutputFolder("");
    PrintSeam seam;
    EXPECT_TRUE(PrintReportFile(Write("Bear_1.rpt", "<p>{PARAM_SPECIES}</p>"), {{"PARAM_SPECIES", "Мечка"}}, "Ведрин"));
    EXPECT_EQ(seam.asked, std::vector<PrintDialogKind>{PrintDialogKind::Preview});
    EXPECT_EQ(seam.lastMaxPage, 1u);  // the preview knows how many pages it got
    EXPECT_EQ(seam.PdfPages(), 1);
}

TEST_F(ReportEngineTest, ControlPrintsItsParametersInIndexOrderAndForgetsThemWithANewFile) {
    const CString path = Write("Wolf_1.rpt", "<p>{PARAM_SPECIES}|{PARAM_CODE_SPECIES}|{PARAM_NOTE}</p>");
    CCrystalCtrl control;
    control.SetReportFileName(path);
    control.SetParameterField(1, "PARAM_CODE_SPECIES;1352;TRUE");
    control.SetParameterField(0, "PARAM_SPECIES;Вълк;TRUE");
    control.SetParameterField(2, "PARAM_NOTE;стар;TRUE");
    control.SetBoolProperty34(FALSE);
    EXPECT_EQ(control.PrintReport(), 0);
    EXPECT_TRUE(Has(Output("Wolf_1.txt"), "Вълк|1352|стар"));

    // The next print sets fewer parameters: nothing of the one before is left.
    control.SetReportFileName(path);
    control.SetParameterField(0, "PARAM_SPECIES;Мечка;TRUE");
    EXPECT_EQ(control.PrintReport(), 0);
    EXPECT_TRUE(Has(Output("Wolf_1.txt"), "Мечка||"));

    control.SetReportFileName(folder + "none.rpt");
    EXPECT_EQ(control.PrintReport(), -1);
    EXPECT_EQ(boxes.boxes.size(), 1u);
}

// A heading at the foot of a page goes to the next one with its table's first rows, and no
// line is drawn on two pages (hidden on one, it would still be in a PDF's text).
TEST_F(ReportEngineTest, HeadingsGoWithTheirTablesFirstRowsAndEveryLineIsDrawnOnce) {
    const std::string table =
        "<p style=\"font-size: 10.5pt; font-weight: bold; margin-top: 8pt\">Заплахи</p>"
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr><td>№</td><td>Заплаха</td></tr>"
        "<tr><td>1</td><td>заплаха 1</td></tr><tr><td>2</td><td>заплаха 2</td></tr></table>";
    // More lines above it push the heading over the foot of page 1 one line at a time, until
    // the last of these lines is on page 2 too.
    for (int lines = 50;; ++lines) {
        SCOPED_TRACE(lines);
        std::string text = "<p>";
        for (int line = 1; line <= lines; ++line) text += "строка " + std::to_string(line) + "<br/>";
        ASSERT_TRUE(PrintReportFile(Write("Threats.rpt", text + "</p>" + table), {}, "Ведрин"));
        auto drawn = DrawnLines("Threats.pages");
        for (int line = 1; line <= lines; ++line) EXPECT_EQ(drawn["строка " + std::to_string(line)].size(), 1u) << line;
        const std::vector<int> heading = drawn["Заплахи"];
        ASSERT_EQ(heading.size(), 1u);
        EXPECT_EQ(drawn["№\tЗаплаха"], heading);
        EXPECT_EQ(drawn["1\tзаплаха 1"], heading);
        EXPECT_EQ(drawn["2\tзаплаха 2"].size(), 1u);
        if (drawn["строка " + std::to_string(lines)] == std::vector<int>{2}) break;
        ASSERT_LT(lines, 200) << "the lines never reached page 2";
    }
}

// A heading whose first row is longer than a page cannot be kept with all of it: it stays
// where it is, no page is left empty, and the row's lines go on over the pages once each.
TEST_F(ReportEngineTest, AHeadingWhoseRowFillsMoreThanAPageStaysWhereItIs) {
    std::string note;
    for (int line = 1; line <= 150; ++line) note += "бележка " + std::to_string(line) + "\n";
    ASSERT_TRUE(PrintReportFile(Write("Note.rpt", "<p>Вид</p><p><b>Бележки</b></p><table border=\"1\"><tr><td>{PARAM_NOTE}</td></tr></table>"),
                                {{"PARAM_NOTE", CString(note)}}, "Ведрин"));
    auto drawn = DrawnLines("Note.pages");
    EXPECT_EQ(drawn["Бележки"], std::vector<int>{1});
    std::vector<int> pages;
    for (int line = 1; line <= 150; ++line) {
        const std::vector<int>& page = drawn["бележка " + std::to_string(line)];
        ASSERT_EQ(page.size(), 1u) << line;
        if (pages.empty() || pages.back() != page.front()) pages.push_back(page.front());
    }
    EXPECT_EQ(pages, (std::vector<int>{1, 2, 3}));
}

}  // namespace
