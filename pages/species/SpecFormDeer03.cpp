#include "pages/species/SpecFormDeer03.h"

#include "res/DeerPageIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Deer_03, CFormPage)

CSpecForm_Deer_03::CSpecForm_Deer_03() : CFormPage(IDD_DEER_RUTTING_PAGE) {}

void CSpecForm_Deer_03::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_HABITAT, m_habitat);
    DDX_Text(pDX, IDC_EYE_TINES, m_eyeTines);
    DDX_Text(pDX, IDC_ICE_TINES, m_iceTines);
    DDX_Text(pDX, IDC_MID_TINES, m_midTines);
    DDX_Text(pDX, IDC_WOLF_TINES, m_wolfTines);
    DDX_Text(pDX, IDC_AGE, m_age);
    DDX_Text(pDX, IDC_CROWN_LEFT, m_crownLeft);
    DDX_Text(pDX, IDC_CROWN_RIGHT, m_crownRight);
}

void CSpecForm_Deer_03::LoadRecord() {
    const CSpecData_Deer_03& stag = Document()->SpecData_Deer_03;
    m_habitat = stag.ArealCharacteristic;
    m_eyeTines = stag.EyeProngs;
    m_iceTines = stag.IceProngs;
    m_midTines = stag.MidProngs;
    m_wolfTines = stag.WolfProngs;
    m_age = stag.Age;
    m_crownLeft = stag.CrownLeft;
    m_crownRight = stag.CrownRight;
}

void CSpecForm_Deer_03::SaveRecord() {
    CSpecData_Deer_03& stag = Document()->SpecData_Deer_03;
    stag.ArealCharacteristic = m_habitat;
    stag.EyeProngs = m_eyeTines;
    stag.IceProngs = m_iceTines;
    stag.MidProngs = m_midTines;
    stag.WolfProngs = m_wolfTines;
    stag.Age = m_age;
    stag.CrownLeft = m_crownLeft;
    stag.CrownRight = m_crownRight;
}
