#pragma once
// "Влечуги - 1": the reptiles counted by age class, the clutches and the road kills, the
// habitat and the accompanying reptile species. It edits the document's first reptile record.
#include "pages/species/HerpCountsPage.h"

class CSpecForm_Reptile_01 : public CHerpCountsPage {
    DECLARE_DYNCREATE(CSpecForm_Reptile_01)
public:
    static constexpr int IDC_CLUTCHES = 2745;

    CSpecForm_Reptile_01();

protected:
    void LoadRecord() override;
    void SaveRecord() override;
    void ExchangeFields(CDataExchange* pDX) override;
};
