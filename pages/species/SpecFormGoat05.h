#pragma once
// The chamois section of the other signs: the habitat type and which signs were found.
#include "pages/species/GoatSectionPage.h"

class CSpecForm_Goat_05 : public CGoatSectionPage {
    DECLARE_DYNCREATE(CSpecForm_Goat_05)
public:
    static constexpr int IDC_FUR = 1439, IDC_GRASS = 1440, IDC_REMAINS = 1437, IDC_SIGNS = 1438;

    CSpecForm_Goat_05();

protected:
    int& AreaType() const override;
    BOOL UsesTitleFont() const override { return FALSE; }
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    int m_fur = 0;
    int m_grass = 0;
    int m_remains = 0;
    int m_signs = 0;
};
