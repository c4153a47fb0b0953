#include "tests/pages/PageFixture.h"

#include "db/ProgramFolder.h"
#include "db/SQLite3DB.h"
#include "platform/Controls.h"
#include "platform/ListControls.h"
#include "platform/View.h"
#include "platform/WindowImage.h"

void PageTest::SetUp() {
    TheProgramFolder().InitAppDir(database.Folder());
    m_previousBoxes = SetMessageBoxHandler([this](const CString& text, const CString&, UINT) {
        messages.push_back(text);
        return IDOK;
    });
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
    SetMessageBoxHandler(m_previousBoxes);
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

void PageTest::Click(int id) {
    CWnd* control = page->GetDlgItem(id);
    auto* button = dynamic_cast<CButton*>(control);
    if (button && (button->GetButtonStyle() & 0x0F) == BS_AUTORADIOBUTTON) {
        // The click turns the others of the group off.
        CWnd* first = control;
        while (!(first->GetStyle() & WS_GROUP) && first->GetWindow(GW_HWNDPREV)) first = first->GetWindow(GW_HWNDPREV);
        for (CWnd* other = first; other && (other == first || !(other->GetStyle() & WS_GROUP));
             other = other->GetWindow(GW_HWNDNEXT))
            if (auto* radio = dynamic_cast<CButton*>(other)) radio->SetCheck(other == control ? BST_CHECKED : BST_UNCHECKED);
    }
    page->SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
}

void PageTest::ChooseIndex(int comboId, int index) {
    auto* combo = dynamic_cast<CComboBox*>(page->GetDlgItem(comboId));
    combo->SetCurSel(index);
    page->SendMessage(WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void PageTest::Choose(int comboId, int data) {
    const Entries entries = ListOf(comboId);
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].first == data) return ChooseIndex(comboId, static_cast<int>(i));
    ADD_FAILURE() << "list " << comboId << " has no entry " << data;
}

void PageTest::Keys(int id, const char* keys) {
    CWnd* edit = page->GetDlgItem(id);
    edit->SetFocus();
    for (const char* key = keys; *key; ++key) edit->SendMessage(WM_CHAR, static_cast<WPARAM>(*key));
}

CString PageTest::TextOf(int id) const {
    CString text;
    page->GetDlgItemText(id, text);
    return text;
}

Entries PageTest::ListOf(int comboId) const {
    Entries entries;
    auto* combo = dynamic_cast<CComboBox*>(page->GetDlgItem(comboId));
    for (int i = 0; combo && i < combo->GetCount(); ++i)
        entries.emplace_back(static_cast<int>(combo->GetItemData(i)), combo->GetLBText(i));
    return entries;
}

int PageTest::SelectedData(int comboId) const {
    auto* combo = dynamic_cast<CComboBox*>(page->GetDlgItem(comboId));
    return combo->GetCurSel() < 0 ? -1 : static_cast<int>(combo->GetItemData(combo->GetCurSel()));
}

void PageTest::Picture(const CString& name, const CWnd* window) const {
    EXPECT_TRUE(SaveWindowImage(window ? window : page, "/tmp/page_" + name + ".png"));
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
