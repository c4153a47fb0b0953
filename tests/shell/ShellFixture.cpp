#include "tests/shell/ShellFixture.h"

#include "controls/ComboHelpers.h"
#include "db/ProgramFolder.h"
#include "db/SQLite3DB.h"
#include "platform/Dialog.h"
#include "platform/GuiRuntime.h"
#include "platform/Profile.h"

void ShellTest::SetUp() {
    SetProfileFile(database.Folder() + "quorin.ini");
    // The program lies in the folder of the test database.
    AfxSetModuleFileName(database.Folder() + "quorin");
    char* argv[] = {const_cast<char*>("quorin")};
    AfxWinInit(1, argv);
}

void ShellTest::TearDown() {
    boxes.Reset();
    if (app && app->m_pMainWnd) app->m_pMainWnd->SendMessage(WM_CLOSE);
    app.reset();
    GuiRuntime::PumpMessages();
    SetProfileFile("");
    AfxSetModuleFileName("");
}

BOOL ShellTest::Start(const std::function<void(CDlgLogin&)>& login) {
    if (app && app->m_pMainWnd) app->m_pMainWnd->DestroyWindow();
    app.reset();
    app = std::make_unique<CTovan_splitApp>();
    const BOOL started = [&] {
        const ModalRun run([&](CDialog& dialog) {
            auto* loginDialog = dynamic_cast<CDlgLogin*>(&dialog);
            ASSERT_NE(loginDialog, nullptr) << "unexpected dialog " << dialog.GetTemplateId();
            ++loginRuns;
            login(*loginDialog);
        });
        return app->InitInstance();
    }();
    // As the program does when the start-up fails.
    if (!started && app->m_pMainWnd) app->m_pMainWnd->DestroyWindow();
    GuiRuntime::PumpMessages();
    return started;
}

void ShellTest::Login(CDlgLogin& dialog, int riosw, const char* user, const char* password) {
    CComboHelpers::SelectByItemData(dialog.m_cbRiosw, static_cast<DWORD>(riosw));
    dialog.SetDlgItemText(CDlgLogin::IDC_USER_NAME, user);
    dialog.SetDlgItemText(CDlgLogin::IDC_PASSWORD, password);
    dialog.PressButton(IDOK);
}

void ShellTest::StartLoggedIn(int riosw) {
    ASSERT_TRUE(Start([riosw](CDlgLogin& dialog) { Login(dialog, riosw, "demo", "demo"); }));
    ASSERT_NE(Frame(), nullptr);
    boxes.Reset();
}

CTovan_splitDoc* ShellTest::Doc() const { return Frame() ? Frame()->GetFormDocument() : nullptr; }
CTreeWorkFlow* ShellTest::Tree() const { return Frame() ? Frame()->GetWorkFlowTree() : nullptr; }
CView* ShellTest::RightView() const { return Frame() ? Frame()->GetRightView() : nullptr; }

std::vector<std::pair<CString, int>> ShellTest::StepNodes() const {
    std::vector<std::pair<CString, int>> steps;
    CTreeCtrl& tree = Tree()->GetTreeCtrl();
    HTREEITEM mode = tree.GetSelectedItem();
    while (mode && tree.GetParentItem(mode) != tree.GetRootItem()) mode = tree.GetParentItem(mode);
    for (HTREEITEM step = mode ? tree.GetChildItem(mode) : nullptr; step; step = tree.GetNextSiblingItem(step))
        steps.emplace_back(tree.GetItemText(step), static_cast<int>(tree.GetItemData(step)));
    return steps;
}

void ShellTest::OpenForm(int formTypeId, BOOL editing, BOOL readOnly, int mode) {
    Frame()->SelectMode(mode);
    Doc()->FormTypeID = formTypeId;
    Frame()->OpenForm(formTypeId, editing, readOnly);
}

int ShellTest::Number(const CString& sql) const {
    CSQLite3DB db;
    db.open(database.Path());
    CSQLite3Query query = db.execQuery(sql);
    return query.eof() ? -1 : query.getIntField(0, -1);
}

CString ShellTest::Text(const CString& sql) const {
    CSQLite3DB db;
    db.open(database.Path());
    CSQLite3Query query = db.execQuery(sql);
    return query.eof() ? CString() : query.getStringField(0);
}

void ShellTest::Exec(const CString& sql) const {
    CSQLite3DB db;
    db.open(database.Path());
    db.execDML(sql);
}

CString LastMessage(const std::vector<CString>& messages) { return messages.empty() ? CString() : messages.back(); }

HTREEITEM FindByItemData(CTreeCtrl& tree, int data, HTREEITEM first) {
    for (HTREEITEM item = first ? first : tree.GetRootItem(); item; item = tree.GetNextSiblingItem(item)) {
        if (static_cast<int>(tree.GetItemData(item)) == data) return item;
        if (const HTREEITEM child = tree.GetChildItem(item))
            if (const HTREEITEM found = FindByItemData(tree, data, child)) return found;
    }
    return nullptr;
}
