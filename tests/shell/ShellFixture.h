#pragma once
// The program started offscreen on a fresh database: the application object, its login
// answered by the test through the dialog seam, the main window with its tree and panes.
// Message boxes are recorded in `boxes` and answered: OK (Yes to a question), or what the test said.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "platform/CString.h"
#include "shell/DlgLogin.h"
#include "shell/MainFrm.h"
#include "shell/TovanSplitApp.h"
#include "shell/TreeWorkFlow.h"
#include "store/FormDocument.h"
#include "store/SqlText.h"
#include "tests/support/WindowFixture.h"
#include "tests/support/TestDatabase.h"

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs the start-up; `login` works the login dialog (or is not called at all).
    BOOL Start(const std::function<void(CDlgLogin&)>& login);
    // Starts and logs in as the demo user with the inspectorate of ID `riosw`.
    void StartLoggedIn(int riosw = 1);
    // Fills the login dialog and presses "Вход".
    static void Login(CDlgLogin& dialog, int riosw, const char* user, const char* password);

    CMainFrame* Frame() const { return TheMainFrame(); }
    CTovan_splitDoc* Doc() const;
    CTreeWorkFlow* Tree() const;
    CView* RightView() const;
    // The caption and code of every step node under the selected mode, in order.
    std::vector<std::pair<CString, int>> StepNodes() const;
    // Selects the mode node and opens the form type from it.
    void OpenForm(int formTypeId, BOOL editing = FALSE, BOOL readOnly = FALSE, int mode = 1001);

    int Number(const CString& sql) const;
    CString Text(const CString& sql) const;
    void Exec(const CString& sql) const;

    MessageBoxLog boxes;
    CTestDatabase database;
    std::unique_ptr<CTovan_splitApp> app;
    int loginRuns = 0;
};

// The text of the message box, or "" when none came.
CString LastMessage(const std::vector<CString>& messages);

// The item of the tree (at any depth below `first`, else below the root) with this item data.
HTREEITEM FindByItemData(CTreeCtrl& tree, int data, HTREEITEM first = nullptr);
