#pragma once
// The step "Риби - 0": the fish species chosen as the one monitored. The choice stays with
// the open form only; no table keeps it.
#include "controls/SearchComboBox.h"
#include "pages/common/FormPage.h"

class CSpecForm_Fish_00 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Fish_00)
public:
    static constexpr int IDC_SPECIES = 2625;

    CSpecForm_Fish_00();

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CSearchComboBox m_species;
};
