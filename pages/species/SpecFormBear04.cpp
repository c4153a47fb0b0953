#include "pages/species/SpecFormBear04.h"

#include "res/BearIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Bear_04, CFormPage)

namespace {

constexpr int kMeasureLength = 4;

void DDX_Measure(CDataExchange* pDX, int id, CString& value) {
    DDX_Text(pDX, id, value);
    DDV_MaxChars(pDX, value, kMeasureLength);
}

}  // namespace

CSpecForm_Bear_04::CSpecForm_Bear_04() : CFormPage(IDD_BEAR_DEN_PAGE) {}

void CSpecForm_Bear_04::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Measure(pDX, IDC_BED_LENGTH, m_record.Len);
    DDX_Measure(pDX, IDC_BED_WIDTH, m_record.Wid);
    DDX_Radio(pDX, IDC_CONIFEROUS, m_record.FloraType);
    DDX_Radio(pDX, IDC_DEN, m_record.LairType);
    DDX_Measure(pDX, IDC_CAVE_HEIGHT, m_record.CaveLen);
    DDX_Measure(pDX, IDC_CAVE_WIDTH, m_record.CaveWid);
    DDX_Measure(pDX, IDC_DISTANCE, m_record.DistanceToLair);
    DDX_Text(pDX, IDC_MATERIAL, m_record.BedspreadMaterial);
    DDX_Text(pDX, IDC_PERIOD, m_record.Period);
}

void CSpecForm_Bear_04::LoadRecord() { m_record = Document()->SpecData_Bear_04; }
void CSpecForm_Bear_04::SaveRecord() { Document()->SpecData_Bear_04 = m_record; }
