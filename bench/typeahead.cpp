// What one key typed into the settlement box of the place page costs, with the settlements
// of the inspectorate that has the most of them: the search of the list, the selection and
// the page's lookup of the settlement's municipality, province and EKATTE code. It should
// stay well under a frame (16 ms).
//
//   taskset -c 3 build/bench/typeahead
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "controls/SearchComboBox.h"
#include "db/ProgramFolder.h"
#include "db/SQLite3DB.h"
#include "pages/common/CommonForm01.h"
#include "platform/FrameWnd.h"
#include "platform/GuiRuntime.h"
#include "platform/View.h"
#include "store/FormDocument.h"
#include "tools/DemoDatabase.h"

namespace fs = std::filesystem;

namespace {

int LargestInspectorate(const std::string& database) {
    CSQLite3DB db;
    db.open(database.c_str());
    return db.execQuery("select r.riosw_np_pp_id from rMun____RIOSW_NP_PP r inner join EKNM_CITIES c "
                        "on c.Municipality = r.mun_id group by r.riosw_np_pp_id order by count(*) desc limit 1")
        .getIntField(0, 1);
}

void OneKey(benchmark::State& state) {
    const fs::path folder = fs::temp_directory_path() / ("quorin-bench-keys-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const std::string database = (folder / "nomenklaturi.db3").string();
    BuildDemoDatabase(database.c_str(), QUORIN_DATA_DIR);
    TheProgramFolder().InitAppDir((folder.string() + "/").c_str());
    {
        CTovan_splitDoc doc;
        doc.m_bAutoDelete = FALSE;
        doc.RIOSW_ID = LargestInspectorate(database);
        doc.FormTypeID = 1;
        auto* host = new CFrameWnd;  // deletes itself with its window
        host->LoadFrame(0, WS_OVERLAPPEDWINDOW);
        host->MoveWindow(0, 0, 1000, 800);
        host->ShowWindow(SW_SHOW);
        CCreateContext context;
        context.m_pCurrentDoc = &doc;
        context.m_pNewViewClass = RUNTIME_CLASS(CCommonForm_01);
        auto* page = dynamic_cast<CCommonForm_01*>(host->CreateView(&context));
        page->MoveWindow(0, 0, 1000, 800);
        page->OnInitialUpdate();
        auto* city = dynamic_cast<CSearchComboBox*>(page->GetDlgItem(CCommonForm_01::IDC_CITY));
        if (!city) {
            state.SkipWithError("no settlement box");
        } else {
            // Three keys of a name, then the pause after which the box forgets what was typed.
            const char32_t keys[] = {U'С', U'о', U'ф'};
            size_t typed = 0;
            for (auto _ : state) {
                MSG msg{};
                msg.hwnd = city;
                msg.message = WM_CHAR;
                msg.wParam = keys[typed % 3];
                city->PreTranslateMessage(&msg);
                if (++typed % 3 == 0) {
                    state.PauseTiming();
                    city->SendMessage(WM_TIMER, CSearchComboBox::kResetTimer);
                    state.ResumeTiming();
                }
            }
            state.counters["settlements"] = city->GetCount();
        }
        page->DestroyWindow();
        host->DestroyWindow();
    }
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}

}  // namespace

BENCHMARK(OneKey)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    GuiRuntime gui(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
