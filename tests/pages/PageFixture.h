#pragma once
// A page shown offscreen on a fresh demo database, as the view switch shows it: created in a
// frame for the document, prepared, and destroyed (saving into its record) when left.
// Message boxes are recorded in `boxes`; the page and its dialogs are worked with the shared
// window fixture (Click(*page, id), ModalRun, Grab...).
#include <gtest/gtest.h>

#include "pages/common/FormPage.h"
#include "platform/FrameWnd.h"
#include "store/FormDocument.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/WindowFixture.h"

// It has settlements, national parks with sections, NUTS, DL and RUG entries, and no DDS.
constexpr int kTestInspectorate = 2;

class PageTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    CFormPage* ShowPage(const CRuntimeClass* pageClass);
    void Leave();  // as a step change: the page saves into its record and goes

    Entries Rows(const CString& sql) const;  // columns 0 and 1
    int Number(const CString& sql) const;
    void Exec(const CString& sql) const;

    MessageBoxLog boxes;
    CTestDatabase database;
    CTovan_splitDoc doc;
    CFormPage* page = nullptr;

private:
    CFrameWnd* m_host = nullptr;
};
