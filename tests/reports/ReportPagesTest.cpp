// How printed reports fall on their pages: each section heading once, on the page of the rows
// it names, and the labels of the printed sections.
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "ReportFixture.h"
#include "reports/DlgReport.h"
#include "reports/ReportParameters.h"

namespace {

namespace fs = std::filesystem;

struct DrawnLine {
    int page;  // from 1
    std::string text;
};

class ReportPagesTest : public ReportTest {
protected:
    // Prints the form as the report dialog does; the lines drawn, page by page.
    std::vector<DrawnLine> Print(CTovan_splitDoc& doc, const char* reportName) {
        CDlgReport dialog(&doc);
        EXPECT_TRUE(dialog.Create(CDlgReport::IDD));
        dialog.ShowReport(doc.FormTypeID);
        dialog.DestroyWindow();
        std::ifstream file(fs::path(output.str()) / (std::string(reportName) + ".pages"));
        std::vector<DrawnLine> lines;
        int page = 1;
        for (std::string line; std::getline(file, line);) {
            for (; !line.empty() && line.front() == '\f'; line.erase(0, 1)) ++page;
            if (!line.empty()) lines.push_back({page, line});
        }
        return lines;
    }

    // The section headings of the report file that prints the form.
    std::set<std::string> Headings(const CTovan_splitDoc& doc) {
        const std::string html = FilledFile(doc);
        static const std::regex heading("<p class=\"section\">([^<]+)</p>");
        std::set<std::string> headings;
        for (auto it = std::sregex_iterator(html.begin(), html.end(), heading); it != std::sregex_iterator(); ++it)
            headings.insert((*it)[1].str());
        return headings;
    }

    // Every heading drawn once, and the line after it (its table's first row) on its page.
    void ExpectHeadingsOnceAboveTheirRows(CTovan_splitDoc& doc, const char* reportName) {
        const std::set<std::string> headings = Headings(doc);
        ASSERT_GT(headings.size(), 3u);
        const std::vector<DrawnLine> lines = Print(doc, reportName);
        std::map<std::string, int> drawn;
        for (size_t at = 0; at < lines.size(); ++at) {
            if (!headings.contains(lines[at].text)) continue;
            ++drawn[lines[at].text];
            ASSERT_LT(at + 1, lines.size()) << lines[at].text << " ends the report";
            EXPECT_EQ(lines[at + 1].page, lines[at].page) << lines[at].text << " is left at the foot of page " << lines[at].page;
        }
        for (const std::string& heading : headings) EXPECT_EQ(drawn[heading], 1) << heading;
    }

    std::unique_ptr<CTovan_splitDoc> FungusForm(int formType) {
        auto doc = NewDocument(formType);
        doc->SpeciesName = "Amanita caesarea";
        doc->CommonData_01.SiteName = "Беглика";
        doc->CommonData_01.PlaceID = 12;
        for (int i = 1; i <= 4; ++i) doc->CommonData_07_Threat.Threats.Add({i, CReportParameters::RowName("заплаха %d", i)});
        return doc;
    }
};

// The fungus site: a note of a few lines more or less moves the team's heading over the
// foot of page 1.
TEST_F(ReportPagesTest, FungusSiteHeadingsStayAboveTheirRows) {
    for (int lines = 0; lines <= 8; ++lines) {
        SCOPED_TRACE(lines);
        auto doc = FungusForm(1);
        for (int line = 1; line <= lines; ++line) doc->SpecData_Fungus_03.Notes += CReportParameters::RowName("ред %d на бележката\n", line);
        ExpectHeadingsOnceAboveTheirRows(*doc, "Mushroom_1");
    }
}

// The trial plot: each species found adds a row above the team and the threats.
TEST_F(ReportPagesTest, FungusPlotHeadingsStayAboveTheirRows) {
    for (int species = 8; species <= 24; ++species) {
        SCOPED_TRACE(species);
        auto doc = FungusForm(30);
        for (int i = 1; i <= species; ++i) doc->SpecData_Fungus_05.Species.Add({i, CReportParameters::RowName("Russula %d", i), "3"});
        ExpectHeadingsOnceAboveTheirRows(*doc, "Mushroom_2");
    }
}

// The transect's value is its length, as the place page asks for it.
TEST_F(ReportPagesTest, AmphibianAndReptileTransectsPrintTheirLength) {
    for (const auto& [formType, reportName] : {std::pair(13, "Amphibians"), std::pair(14, "Reptile")}) {
        SCOPED_TRACE(reportName);
        auto doc = NewDocument(formType);
        doc->CommonData_01.DynamicIntRadio = 1;
        doc->CommonData_01.DynamicStrArea2 = "350";
        std::string transect;
        for (const DrawnLine& line : Print(*doc, reportName))
            if (line.text.starts_with("Трансект\t")) transect = line.text;
        EXPECT_TRUE(transect.starts_with("Трансект\tда\tДължина(м)\t350\t")) << transect;
    }
}

}  // namespace
