#pragma once
// "Земноводни - 1": the amphibians counted by age class, the clumps or eggs and the road
// kills, the habitat and the accompanying amphibian species. The representativeness by the
// scheme for calling species is asked only for Bombina bombina (species 335); its value is
// kept for any species. The title keeps the template's font. It edits the document's first
// amphibian record.
#include "pages/species/HerpCountsPage.h"

class CSpecForm_Amphibia_01 : public CHerpCountsPage {
    DECLARE_DYNCREATE(CSpecForm_Amphibia_01)
public:
    static constexpr int IDC_EGGS = 2750, IDC_SINGING_LABEL = 1385, IDC_SINGING = 2106;
    static constexpr int kCallingSpecies = 335;

    CSpecForm_Amphibia_01();

    void OnInitialUpdate() override;

protected:
    void LoadRecord() override;
    void SaveRecord() override;
    void ExchangeFields(CDataExchange* pDX) override;
    BOOL UsesTitleFont() const override { return FALSE; }

private:
    CString m_singing;
};
