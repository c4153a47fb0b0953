#pragma once
// The step "Мечка - 2.5": notes, closing both bear reports.
#include "pages/common/FormPage.h"

class CSpecForm_Bear_07 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Bear_07)
public:
    static constexpr int IDC_NOTES = 2645;

    CSpecForm_Bear_07();

protected:
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CString m_notes;
};
