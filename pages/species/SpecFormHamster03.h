#pragma once
// The hamster form's last page: free notes and the changes seen on the site.
#include "pages/common/FormPage.h"

class CSpecForm_Hamster_03 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Hamster_03)
public:
    static constexpr int IDC_NOTES = 2645, IDC_CHANGES = 2646;

    CSpecForm_Hamster_03();

protected:
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CString m_notes;
    CString m_changes;
};
