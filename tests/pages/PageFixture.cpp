#include "tests/pages/PageFixture.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "db/ProgramFolder.h"
#include "db/SQLite3DB.h"
#include "platform/ReportEngine.h"
#include "platform/View.h"
#include "reports/DlgReport.h"
#include "reports/ReportTable.h"

namespace fs = std::filesystem;

void PageTest::SetUp() {
    TheProgramFolder().InitAppDir(database.Folder());
    doc.m_bAutoDelete = FALSE;
    doc.RIOSW_ID = kTestInspectorate;
    doc.FormTypeID = 1;
    m_host = new CFrameWnd;  // deletes itself with its window
    ASSERT_TRUE(m_host->LoadFrame(0, WS_OVERLAPPEDWINDOW));
    m_host->MoveWindow(0, 0, 1000, 800);
    m_host->ShowWindow(SW_SHOW);
}

void PageTest::TearDown() {
    Leave();
    if (m_host) m_host->DestroyWindow();
}

CFormPage* PageTest::ShowPage(const CRuntimeClass* pageClass) {
    Leave();
    CCreateContext context;
    context.m_pCurrentDoc = &doc;
    context.m_pNewViewClass = pageClass;
    page = dynamic_cast<CFormPage*>(m_host->CreateView(&context));
    if (!page) return nullptr;
    page->MoveWindow(0, 0, 1000, 800);
    page->OnInitialUpdate();
    return page;
}

void PageTest::Leave() {
    if (page) page->DestroyWindow();
    page = nullptr;
}

Entries PageTest::Rows(const CString& sql) const {
    Entries rows;
    CSQLite3DB db;
    db.open(database.Path());
    for (CSQLite3Query query = db.execQuery(sql); !query.eof(); query.nextRow())
        rows.emplace_back(query.getIntField(0, 0), query.getStringField(1, ""));
    return rows;
}

int PageTest::Number(const CString& sql) const {
    CSQLite3DB db;
    db.open(database.Path());
    CSQLite3Query query = db.execQuery(sql);
    return query.eof() ? -1 : query.getIntField(0, -1);
}

void PageTest::Exec(const CString& sql) const {
    CSQLite3DB db;
    db.open(database.Path());
    db.execDML(sql);
}

std::vector<CString> GridColumn(CGridCtrl& grid, int column) {
    std::vector<CString> texts;
    for (int row = 1; row < grid.GetRowCount(); ++row) texts.push_back(grid.GetItemText(row, column));
    return texts;
}

std::vector<CString> GridRows(CGridCtrl& grid) {
    std::vector<CString> rows;
    for (int row = 1; row < grid.GetRowCount(); ++row) {
        CString cells = grid.GetItemText(row, 0);
        for (int column = 1; column < grid.GetColumnCount(); ++column) cells += "|" + grid.GetItemText(row, column);
        rows.push_back(cells);
    }
    return rows;
}

void PrintingPageTest::SetUp() {
    PageTest::SetUp();
    fs::copy(fs::path(QUORIN_DATA_DIR) / "reports", fs::path(database.Folder().str()) / "Reports", fs::copy_options::recursive);
    output = MakeTempFolder();
    SetReportOutputFolder(output);
    doc.UserID = doc.SessionID = 1;
}

void PrintingPageTest::TearDown() {
    SetReportOutputFolder("");
    fs::remove_all(output.str());
    PageTest::TearDown();
}

void PrintingPageTest::StoreLoadAndPrint(CTovan_splitDoc& loaded, std::initializer_list<const char*> printed) {
    ASSERT_TRUE(doc.SaveNewForm());
    loaded.m_bAutoDelete = FALSE;
    loaded.FormTypeID = doc.FormTypeID;
    ASSERT_TRUE(loaded.LoadForm(Number("select max(ID) from Forms")));
    CDlgReport report(&loaded);
    ASSERT_TRUE(report.Create(CDlgReport::IDD));
    report.ShowReport(doc.FormTypeID);
    report.DestroyWindow();
    const fs::path file = fs::path(output.str()) / FindFormTypeReport(doc.FormTypeID)->first.fileName;
    EXPECT_TRUE(fs::exists(fs::path(file).replace_extension(".pdf")));
    std::stringstream text;
    text << std::ifstream(fs::path(file).replace_extension(".txt")).rdbuf();
    for (const char* value : printed) EXPECT_NE(text.str().find(value), std::string::npos) << value;
    EXPECT_EQ(text.str().find("Други данни"), std::string::npos);
}
