#pragma once
// "Гъби - 1": where the fungus grows: the floristic region and the UTM square, chosen from
// their lists, the substrate or host, the habitat and the ecological features. A stored
// region or square that is no longer listed leaves its list without a choice, and leaving
// the page then keeps none.
#include "controls/SearchComboBox.h"
#include "pages/common/FormPage.h"

class CSpecForm_Fungus_01 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Fungus_01)
public:
    static constexpr int IDC_REGION = 2752, IDC_UTM = 2754, IDC_ECOLOGY = 2751, IDC_HABITAT = 2535, IDC_SUBSTRATE = 2748;

    CSpecForm_Fungus_01();

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CSearchComboBox m_region;
    CSearchComboBox m_utm;
    CString m_ecology;
    CString m_habitat;
    CString m_substrate;
};
