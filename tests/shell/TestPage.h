#pragma once
// A form page of the tests: one of every kind of control, the header's controls, and an
// edit 3001 that keeps the climate record's rainfall text.
#include "controls/grid/GridCtrl.h"
#include "pages/common/FormPage.h"

constexpr UINT kTestPageTemplate = 9100;
constexpr int kTestEdit = 3001;
constexpr int kTestCombo = 3002;
constexpr int kTestList = 3003;
constexpr int kTestCheck = 3004;
constexpr int kTestButton = 3005;
constexpr int kTestGroup = 3006;
constexpr int kTestDate = 3007;
constexpr int kTwinLabel = 3008;  // two labels share this id
constexpr int kTestGrid = 3009;

void RegisterTestPageTemplate();

class CTestPage : public CFormPage {
    DECLARE_DYNCREATE(CTestPage)
public:
    CTestPage() : CFormPage(kTestPageTemplate) {}

    CString m_text;
    CGridCtrl m_grid;
    static int prepared;

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;
};
