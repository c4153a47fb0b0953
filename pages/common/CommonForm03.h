#pragma once
// The step "Лесничейства, РУГ, ДДС": the administrative and forestry units of the place,
// each chosen from its whole nomenclature, and the forest section and subsection. What is
// entered here lives in the document while the form is open; no table stores it (the place
// and time page holds the stored units).
#include "controls/SearchComboBox.h"
#include "pages/common/FormPage.h"

class CCommonForm_03 : public CFormPage {
    DECLARE_DYNCREATE(CCommonForm_03)
public:
    static constexpr int IDC_NUTS = 2553, IDC_RIOSW = 2561, IDC_RUG = 2556, IDC_DL = 2557, IDC_DDS = 2558;
    static constexpr int IDC_DEPARTMENT = 2560, IDC_SUBDEPARTMENT = 2008;

    CCommonForm_03();

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    BOOL UsesTitleFont() const override { return FALSE; }
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CString m_department;
    CString m_subDepartment;
    CComboBox m_nuts;
    CSearchComboBox m_riosw;
    CSearchComboBox m_rug;
    CSearchComboBox m_dl;
    CSearchComboBox m_dds;
};
