#include "tests/pages/PageFixture.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "db/ProgramFolder.h"
#include "db/SQLite3DB.h"
#include "controls/TextWidth.h"
#include "platform/CxImage.h"
#include "platform/Dialog.h"
#include "platform/DialogTemplate.h"
#include "platform/ReportEngine.h"
#include "platform/View.h"
#include "platform/WindowImage.h"
#include "reports/DlgReport.h"
#include "store/SqlText.h"
#include "tests/support/TestPicture.h"

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

CView* PageTest::ShowView(const CRuntimeClass* viewClass) {
    CCreateContext context;
    context.m_pCurrentDoc = &doc;
    context.m_pNewViewClass = viewClass;
    CView* view = dynamic_cast<CView*>(m_host->CreateView(&context));
    if (!view) return nullptr;
    view->MoveWindow(0, 0, 1000, 800);
    view->OnInitialUpdate();
    return view;
}

CFormPage* PageTest::ShowPage(const CRuntimeClass* pageClass) {
    Leave();
    page = dynamic_cast<CFormPage*>(ShowView(pageClass));
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

CWnd* KeyTarget(CComboBox& combo) {
    COMBOBOXINFO parts;
    return combo.GetDroppedState() && combo.GetComboBoxInfo(&parts) && parts.hwndList ? parts.hwndList : &combo;
}

void TypeIntoList(CWnd& window, int comboId, const CString& text, ListTyping how) {
    auto* combo = dynamic_cast<CComboBox*>(window.GetDlgItem(comboId));
    ASSERT_NE(combo, nullptr);
    combo->SetFocus();
    const bool open = how != ListTyping::kClosedThenEnter;
    if (open) {
        CRect box;
        combo->GetClientRect(&box);
        ClickAt(combo, box.CenterPoint());
    }
    ASSERT_EQ(combo->GetDroppedState(), open);
    TypeText(KeyTarget(*combo), text);
    EXPECT_EQ(combo->GetDroppedState(), open) << "typing opened or closed the list";
    if (how == ListTyping::kOpenThenClickAside)
        ClickAt(&window, CPoint(2, 2));
    else
        PressKey(KeyTarget(*combo), VK_RETURN);
    EXPECT_FALSE(combo->GetDroppedState());
}

void ExpectListDropsWithinItsTemplate(CWnd& window, UINT templateId, int comboId) {
    auto* combo = dynamic_cast<CComboBox*>(window.GetDlgItem(comboId));
    const DialogTemplate* dialogTemplate = FindDialogTemplate(templateId);
    ASSERT_TRUE(combo && dialogTemplate);
    const auto control = std::find_if(dialogTemplate->controls.begin(), dialogTemplate->controls.end(),
                                      [&](const DialogControl& c) { return c.id == comboId; });
    ASSERT_NE(control, dialogTemplate->controls.end());
    const int asked = DialogUnitsToPixels(dialogTemplate->font, control->rect).Height();
    CRect box, list;
    combo->GetClientRect(&box);
    ClickAt(combo, box.CenterPoint());
    ASSERT_TRUE(combo->GetDroppedState());
    COMBOBOXINFO parts;
    ASSERT_TRUE(combo->GetComboBoxInfo(&parts));
    combo->GetWindowRect(&box);
    parts.hwndList->GetWindowRect(&list);
    EXPECT_GE(list.top, box.bottom - 1);
    EXPECT_LE(list.bottom, box.top + asked);
    EXPECT_GE(list.Height(), asked / 2);  // as many entries as fit
    PressKey(parts.hwndList, VK_ESCAPE);
    EXPECT_FALSE(combo->GetDroppedState());
}

namespace {
// The columns, left to right, in which the band of rows [top, bottom) of the picture holds
// dark pixels (text), left of `right`.
std::pair<int, int> InkColumns(const CString& picturePath, int top, int bottom, int right) {
    CxImage picture;
    EXPECT_TRUE(picture.Load(picturePath));
    const int width = static_cast<int>(picture.GetWidth());
    const int height = static_cast<int>(picture.GetHeight());
    const std::vector<COLORREF> pixels = DrawnPixels(picture);
    int first = -1, last = -1;
    for (int x = 0; x < std::min(right, width); ++x)
        for (int y = top; y < std::min(bottom, height); ++y) {
            const COLORREF c = pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
            if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 110) {
                if (first < 0) first = x;
                last = x;
                break;
            }
        }
    return {first, last};
}
}  // namespace

void ExpectWidestEntryShownWhole(CWnd& window, int comboId) {
    auto* combo = dynamic_cast<CComboBox*>(window.GetDlgItem(comboId));
    ASSERT_TRUE(combo && combo->GetCount() > 0);
    int widest = 0, textWidth = 0;
    for (int i = 0; i < combo->GetCount(); ++i) {
        CStringArray entry;
        entry.Add(combo->GetLBText(i));
        if (const int width = MeasureWidest(*combo, entry).width; width > textWidth) widest = i, textWidth = width;
    }
    combo->SetCurSel(widest);
    COMBOBOXINFO parts;
    ASSERT_TRUE(combo->GetComboBoxInfo(&parts));
    const CString path = (fs::temp_directory_path() / ("combo-" + std::to_string(getpid()) + ".png")).string();
    ASSERT_TRUE(SaveWindowImage(combo, path));
    CRect box;
    combo->GetClientRect(&box);
    const auto [first, last] = InkColumns(path, box.Height() / 4, box.Height() * 3 / 4, parts.rcButton.left);
    fs::remove(path.GetString());
    EXPECT_GE(last - first + 1, textWidth - 2) << combo->GetLBText(widest);
    EXPECT_LT(last, parts.rcButton.left - 2) << combo->GetLBText(widest);
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
    EXPECT_EQ(warnings.texts, std::vector<std::string>());
    SetReportOutputFolder("");
    fs::remove_all(output.str());
    PageTest::TearDown();
}

void PrintingPageTest::StoreLoadAndPrint(CTovan_splitDoc& loaded, std::initializer_list<const char*> printed) {
    loaded.m_bAutoDelete = FALSE;
    loaded.FormTypeID = doc.FormTypeID;
    ASSERT_TRUE(loaded.LoadForm(StoreNew()));
    ExpectPrinted(Print(loaded), printed);
}

void ExpectPrinted(const std::string& printed, const std::vector<const char*>& values) {
    EXPECT_FALSE(printed.empty());
    EXPECT_EQ(printed.find("Други данни"), std::string::npos);  // every value has its place
    for (const char* value : values) EXPECT_NE(printed.find(value), std::string::npos) << value << " not in\n" << printed;
}

void PrintingPageTest::Fill(const CRuntimeClass* pageClass, std::initializer_list<std::pair<int, const char*>> typed) {
    ShowPage(pageClass);
    for (const auto& [id, text] : typed) page->SetDlgItemText(id, text);
    Leave();
}

int PrintingPageTest::StoreNew() {
    EXPECT_TRUE(doc.SaveNewForm());
    return Number("select max(ID) from Forms");
}

void PrintingPageTest::Open(int formId, BOOL readOnly) {
    doc.ClearAll();
    EXPECT_TRUE(doc.LoadForm(formId));
    doc.SetReadOnly(readOnly);
}

bool PrintingPageTest::Locked(int id) const { return page->GetDlgItem(id)->GetStyle() & ES_READONLY; }

std::string PrintingPageTest::Print(CTovan_splitDoc& form) {
    CDlgReport report(&form);
    EXPECT_TRUE(report.Create(CDlgReport::IDD));
    report.ShowReport(form.FormTypeID);
    report.DestroyWindow();
    std::stringstream printed;
    std::vector<fs::path> files(fs::directory_iterator(output.str()), {});
    for (const fs::path& file : files)
        if (file.extension() == ".txt") {
            EXPECT_TRUE(fs::exists(fs::path(file).replace_extension(".pdf"))) << file;
            printed << std::ifstream(file).rdbuf();
        }
    for (const fs::path& file : files) fs::remove(file);
    return printed.str();
}

std::string PrintingPageTest::PrintAndDelete(int formId, const std::vector<const char*>& values) {
    const std::string printed = Print();
    ExpectPrinted(printed, values);
    Delete(formId);
    return printed;
}

void PrintingPageTest::Delete(int formId) {
    ASSERT_TRUE(doc.DeleteForm(formId));
    EXPECT_EQ(Number(FormatSql("select Del from Forms where ID = %d", formId)), 1);
    EXPECT_TRUE(boxes.boxes.empty()) << boxes.Texts().front();
}
