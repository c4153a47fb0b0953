#include "pages/species/SpecFormMoss18.h"

#include "controls/ComboHelpers.h"
#include "pages/common/PageLists.h"
#include "res/MossPageIds.h"
#include "store/FormDocument.h"

namespace {

std::array<CString*, 16> BogTexts(CSpecData_Moss_18& bog) {
    return {&bog.Carbonates, &bog.Chanels,  &bog.Chloride, &bog.Electric,   &bog.Nitrates, &bog.Nitrites,
            &bog.Oxigen,     &bog.PH,       &bog.Phosphates, &bog.Potential, &bog.Releif,  &bog.Sulfates,
            &bog.Tilt,       &bog.TorfArea, &bog.WaterHigh, &bog.WaterTemperature};
}

}  // namespace

IMPLEMENT_DYNCREATE(CSpecForm_Moss_18, CFormPage)

CSpecForm_Moss_18::CSpecForm_Moss_18() : CFormPage(IDD_MOSS_BOG_WATER_PAGE) {}

void CSpecForm_Moss_18::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_WATER, m_water);
    DDX_Control(pDX, IDC_EXPOSURE, m_exposure);
    for (size_t i = 0; i < kFields.size(); ++i) {
        if (kFields[i].numeric) DDX_Control(pDX, kFields[i].id, m_numbers[i]);
        DDX_Text(pDX, kFields[i].id, m_texts[i]);
        if (kFields[i].maxChars) DDV_MaxChars(pDX, m_texts[i], kFields[i].maxChars);
    }
}

void CSpecForm_Moss_18::PreparePage() {
    // A bog's redox potential is often below zero, so it takes a minus like the nitrates.
    for (size_t i = 0; i < kFields.size(); ++i)
        if (kFields[i].id == IDC_NITRATES || kFields[i].id == IDC_POTENTIAL) m_numbers[i].SetAllowNegative();
    FillComboFromColumns(m_exposure, "ID", "Name", "nMossExposure");
    FillComboFromColumns(m_water, "ID", "Name", "nMossYesNo");
    LoadFromDocument();
}

void CSpecForm_Moss_18::LoadRecord() {
    CSpecData_Moss_18& bog = Document()->SpecData_Moss_18;
    const auto texts = BogTexts(bog);
    for (size_t i = 0; i < texts.size(); ++i) m_texts[i] = *texts[i];
    CComboHelpers::SelectByItemData(m_exposure, static_cast<DWORD>(bog.ExposureID));
    CComboHelpers::SelectByItemData(m_water, static_cast<DWORD>(bog.WaterBasinExisance));
}

void CSpecForm_Moss_18::SaveRecord() {
    CSpecData_Moss_18& bog = Document()->SpecData_Moss_18;
    const auto texts = BogTexts(bog);
    for (size_t i = 0; i < texts.size(); ++i) *texts[i] = m_texts[i];
    CComboHelpers::GetSelection(m_exposure, bog.ExposureID, bog.ExposureIDName);
    CComboHelpers::GetSelection(m_water, bog.WaterBasinExisance, bog.WaterBasinExisanceName);
}
