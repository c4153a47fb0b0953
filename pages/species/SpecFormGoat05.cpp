#include "pages/species/SpecFormGoat05.h"

#include "res/GoatPageIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Goat_05, CFormPage)

CSpecForm_Goat_05::CSpecForm_Goat_05() : CGoatSectionPage(IDD_GOAT_SIGNS_PAGE) {}

int& CSpecForm_Goat_05::AreaType() const { return Document()->SpecData_Goat_05.AreaType; }

void CSpecForm_Goat_05::DoDataExchange(CDataExchange* pDX) {
    CGoatSectionPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_FUR, m_fur);
    DDX_Check(pDX, IDC_GRASS, m_grass);
    DDX_Check(pDX, IDC_REMAINS, m_remains);
    DDX_Check(pDX, IDC_SIGNS, m_signs);
}

void CSpecForm_Goat_05::LoadRecord() {
    CGoatSectionPage::LoadRecord();
    const CSpecData_Goat_05& signs = Document()->SpecData_Goat_05;
    m_fur = signs.CheckFur;
    m_grass = signs.CheckGrass;
    m_remains = signs.CheckRemains;
    m_signs = signs.CheckSigns;
}

void CSpecForm_Goat_05::SaveRecord() {
    CGoatSectionPage::SaveRecord();
    CSpecData_Goat_05& signs = Document()->SpecData_Goat_05;
    signs.CheckFur = m_fur;
    signs.CheckGrass = m_grass;
    signs.CheckRemains = m_remains;
    signs.CheckSigns = m_signs;
}
