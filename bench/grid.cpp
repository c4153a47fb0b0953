// The grid with 1,000 to 100,000 rows of 8 columns: filling it, painting one screen and
// scrolling page by page. Painting and scrolling should cost what the screen shows, not what
// the grid holds.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <map>
#include <memory>

#include "controls/grid/GridCtrl.h"
#include "platform/GuiRuntime.h"

namespace {

constexpr int kColumns = 8;

// A shown window with a grid of `rows` data rows under a heading row.
struct FilledGrid {
    explicit FilledGrid(int rows) {
        owner.CreateEx(0, nullptr, "grid benchmark", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 820, 620), nullptr, 0);
        grid.Create(CRect(0, 0, 800, 600), &owner, 1);
        for (int col = 0; col < kColumns; ++col) {
            CString heading;
            heading.Format("Колона %d", col + 1);
            grid.InsertColumn(heading, DT_CENTER, -1);
            grid.SetColumnWidth(col, 95);
        }
        grid.SetFixedRowCount(1);
        grid.SetSingleRowSelection(TRUE);
        grid.SetEditable(FALSE);
        grid.SetListMode(TRUE);
        grid.SetRowCount(rows + 1);
        CString text;
        for (int row = 1; row <= rows; ++row) {
            for (int col = 0; col < kColumns; ++col) {
                text.Format("Ред %d, поле %d", row, col + 1);
                grid.SetItemText(row, col, text);
            }
            grid.SetItemData(row, 1, row);
        }
        GuiRuntime::PumpMessages();
    }
    ~FilledGrid() {
        grid.DestroyWindow();
        owner.DestroyWindow();
    }
    void Paint() { grid.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

    CWnd owner;
    CGridCtrl grid;
};

// One grid per size, filled once for the painting and scrolling runs; gone before the
// window system is.
std::map<int, std::unique_ptr<FilledGrid>> g_grids;

FilledGrid& GridOf(int rows) {
    auto& grid = g_grids[rows];
    if (!grid) grid = std::make_unique<FilledGrid>(rows);
    return *grid;
}

void Fill(benchmark::State& state) {
    for (auto _ : state) {
        FilledGrid grid(static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(grid.grid.GetRowCount());
    }
}

void PaintScreen(benchmark::State& state) {
    FilledGrid& filled = GridOf(static_cast<int>(state.range(0)));
    filled.grid.SendMessage(WM_VSCROLL, SB_TOP);
    for (auto _ : state) filled.Paint();
}

void ScrollPage(benchmark::State& state) {
    FilledGrid& filled = GridOf(static_cast<int>(state.range(0)));
    filled.grid.SendMessage(WM_VSCROLL, SB_TOP);
    for (auto _ : state) {
        const int before = filled.grid.GetScrollPos32(SB_VERT);
        filled.grid.SendMessage(WM_VSCROLL, SB_PAGEDOWN);
        if (filled.grid.GetScrollPos32(SB_VERT) == before) filled.grid.SendMessage(WM_VSCROLL, SB_TOP);
        filled.Paint();
    }
}

BENCHMARK(Fill)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(PaintScreen)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(ScrollPage)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    GuiRuntime runtime(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_grids.clear();
    return 0;
}
