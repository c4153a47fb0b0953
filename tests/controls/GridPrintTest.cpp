// Printing a grid through a small print loop of the test's own, into a PDF file: the pages the
// rows are broken into, the header and footer, and the margins.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/DC.h"
#include "platform/Printing.h"
#include "tests/controls/GridTestSupport.h"

namespace {

// A grid that writes down each text of its pages' headers and footers.
class RecordingGrid : public CGridCtrl {
public:
    struct Line {
        CString text;
        UINT align;
    };
    std::vector<Line> lines;

protected:
    void PrintBoldText(CDC* dc, const CString& text, const CRect& rect, UINT align) override {
        lines.push_back({text, align});
        CGridCtrl::PrintBoldText(dc, text, rect, align);
    }
};

class GridPrint : public ::testing::Test {
protected:
    GridPrint() : m_file((std::filesystem::temp_directory_path() / "grid_print.pdf").string()) {
        owner.Create(nullptr, "Тестов прозорец", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 420, 260), nullptr, 0);
        grid.Create(CRect(0, 0, 400, 240), &owner, 7);
        MakeListGrid(grid, 7);
        SetPrintDialogHandler([](PrintDialogKind, CPrintInfo*) { return TRUE; });
        SetPrintOutputFile(m_file.c_str());
    }
    ~GridPrint() override {
        SetPrintOutputFile("");
        SetPrintDialogHandler(nullptr);
        grid.DestroyWindow();
        owner.DestroyWindow();
    }

    // Prints every page; `prepare` runs on the printer DC first (to size rows by the page).
    // Returns the page count the grid gave.
    UINT Print(const std::function<void(CDC*)>& prepare = {}) {
        CPrintJob job;
        job.title = "Таблица";
        job.beginPrinting = [&](CDC* dc, CPrintInfo* info) {
            if (prepare) prepare(dc);
            grid.OnBeginPrinting(dc, info);
        };
        job.printPage = [&](CDC* dc, CPrintInfo* info) { grid.OnPrint(dc, info); };
        job.endPrinting = [&](CDC* dc, CPrintInfo* info) { grid.OnEndPrinting(dc, info); };
        CPrintInfo info;
        EXPECT_TRUE(PrintJob(job, &info));
        return info.GetMaxPage();
    }

    // The height the page leaves the data rows with the default margins, measured as a
    // printer font of the same kind measures.
    int RowRoom(CDC* dc) const {
        CFont font;
        font.CreateFont(-10, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
        CFont* old = dc->SelectObject(&font);
        const CSize sample = dc->GetTextExtent(CString("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSATUVWXYZ"));
        dc->SelectObject(old);
        const int width = static_cast<int>(grid.GetVirtualWidth()) + 8 * static_cast<int>(sample.cx / 52);
        const int height = static_cast<int>(1LL * width * dc->GetDeviceCaps(VERTRES) / dc->GetDeviceCaps(HORZRES));
        return height - grid.GetFixedRowHeight() - 6 * static_cast<int>(sample.cy);
    }

    CWnd owner;
    RecordingGrid grid;

private:
    std::string m_file;
};

TEST_F(GridPrint, RowsAreBrokenIntoPagesByTheirSummedHeightsWithinTheMargins) {
    EXPECT_EQ(Print(), 1u);
    // A row taller than a page has a page of its own, and no empty page goes before it.
    EXPECT_EQ(Print([&](CDC* dc) {
                  for (int row = 2; row <= 7; ++row) grid.SetRowHeight(row, 0);
                  grid.SetRowHeight(1, RowRoom(dc) * 2);
              }),
              1u);
    // Two rows fit a page: seven rows take four pages.
    const auto thirdOfAPage = [&](CDC* dc) {
        for (int row = 1; row <= 7; ++row) grid.SetRowHeight(row, RowRoom(dc) / 3 + 1);
    };
    EXPECT_EQ(Print(thirdOfAPage), 4u);
    grid.SetPrintMarginInfo(-1, -1, -1, -1, -1, -1, -1);  // margins of -1 stay as they were
    EXPECT_EQ(Print(thirdOfAPage), 4u);
    grid.SetPrintMarginInfo(40, -1, -1, -1, -1, -1, -1);  // a header that leaves room for one row
    EXPECT_EQ(Print(thirdOfAPage), 7u);
}

TEST_F(GridPrint, EachPageHasTheWindowTitleAboveAndItsNumberBelow) {
    grid.SetRowHeight(7, 5000);
    ASSERT_EQ(Print(), 2u);
    ASSERT_EQ(grid.lines.size(), 8u);  // two texts above and two below, on each page
    EXPECT_EQ(grid.lines[0].text, CString("Тестов прозорец"));
    EXPECT_EQ(grid.lines[0].align, DT_CENTER);
    EXPECT_EQ(grid.lines[1].align, DT_RIGHT);
    EXPECT_EQ(grid.lines[2].text, CString("Page 1 of 2"));
    EXPECT_EQ(grid.lines[3].align, DT_RIGHT);
    EXPECT_EQ(grid.lines[3].text.Find("%"), -1);  // the date and time of printing
    EXPECT_EQ(grid.lines[3].text.GetLength(), 19);
    EXPECT_EQ(grid.lines[6].text, CString("Page 2 of 2"));
}

}  // namespace
