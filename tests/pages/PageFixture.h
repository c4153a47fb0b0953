#pragma once
// A page shown offscreen on a fresh demo database, as the view switch shows it: created in a
// frame for the document, prepared, and destroyed (saving into its record) when left.
// Message boxes are recorded and answered with OK; modal dialogs run the test's script.
#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "pages/common/FormPage.h"
#include "platform/Dialog.h"
#include "platform/FrameWnd.h"
#include "platform/MessageBox.h"
#include "store/FormDocument.h"
#include "tests/support/TestDatabase.h"

using Entries = std::vector<std::pair<int, CString>>;  // (item data or ID, text)

// It has settlements, national parks with sections, NUTS, DL and RUG entries, and no DDS.
constexpr int kTestInspectorate = 2;

class PageTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    CFormPage* ShowPage(const CRuntimeClass* pageClass);
    void Leave();  // as a step change: the page saves into its record and goes

    // What the user does with the shown page's controls.
    void Click(int id);  // a button, or a radio button with its group
    void Choose(int comboId, int data);  // by item data, and the page is told
    void ChooseIndex(int comboId, int index);
    void Type(int id, const char* text) { page->SetDlgItemText(id, text); }
    void Keys(int id, const char* keys);  // ASCII characters typed one by one
    CString TextOf(int id) const;
    BOOL IsShown(int id) const { return page->GetDlgItem(id)->IsWindowVisible(); }
    BOOL IsEnabled(int id) const { return page->GetDlgItem(id)->IsWindowEnabled(); }
    Entries ListOf(int comboId) const;
    int SelectedData(int comboId) const;  // -1 without a selection
    void Picture(const CString& name, const CWnd* window = nullptr) const;  // /tmp/page_<name>.png

    Entries Rows(const CString& sql) const;  // columns 0 and 1
    int Number(const CString& sql) const;
    void Exec(const CString& sql) const;

    CTestDatabase database;
    CTovan_splitDoc doc;
    CFormPage* page = nullptr;
    std::vector<CString> messages;

private:
    CFrameWnd* m_host = nullptr;
    MessageBoxHandler m_previousBoxes;
};

// Runs the script for every modal dialog opened while it lives.
class DialogScript {
public:
    explicit DialogScript(std::function<void(CDialog&)> script) : m_previous(CDialog::SetModalHook(std::move(script))) {}
    ~DialogScript() { CDialog::SetModalHook(m_previous); }

private:
    CDialog::ModalHook m_previous;
};
