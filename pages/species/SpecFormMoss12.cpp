#include "pages/species/SpecFormMoss12.h"

#include "controls/ComboHelpers.h"
#include "pages/common/PageLists.h"
#include "res/MossPageIds.h"
#include "store/FormDocument.h"

namespace {

constexpr int kIndicatorLength = 5;
constexpr int kMeasureLength = 7;

}  // namespace

IMPLEMENT_DYNCREATE(CSpecForm_Moss_12, CFormPage)

const UINT CSpecForm_Moss_12::IDD = IDD_MOSS_BOG_PAGE;

void CSpecForm_Moss_12::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_EXPOSURE, m_exposure);
    const struct {
        int id;
        CNumericEdit& edit;
        CString& text;
        int length;
    } numbers[] = {{IDC_NITRATES, m_nitratesEdit, m_nitrates, kIndicatorLength},
                   {IDC_NITRITES, m_nitritesEdit, m_nitrites, kIndicatorLength},
                   {IDC_PH, m_phEdit, m_ph, kIndicatorLength},
                   {IDC_PHOSPHATES, m_phosphatesEdit, m_phosphates, kIndicatorLength},
                   {IDC_AREA, m_areaEdit, m_area, kMeasureLength},
                   {IDC_DEPTH, m_depthEdit, m_depth, kMeasureLength}};
    for (const auto& number : numbers) {
        DDX_Control(pDX, number.id, number.edit);
        DDX_Text(pDX, number.id, number.text);
        DDV_MaxChars(pDX, number.text, number.length);
    }
    DDX_Text(pDX, IDC_CANALS, m_canals);
    DDX_Text(pDX, IDC_RELIEF, m_relief);
    DDX_Text(pDX, IDC_TILT, m_tilt);
}

void CSpecForm_Moss_12::PreparePage() {
    FillComboFromColumns(m_exposure, "ID", "Name", "nMossExposure");
    LoadFromDocument();
}

void CSpecForm_Moss_12::LoadRecord() {
    const CSpecData_Moss_12& bog = Document()->SpecData_Moss_12;
    CComboHelpers::SelectByItemData(m_exposure, static_cast<DWORD>(bog.ExposureID));
    m_canals = bog.Chanel;
    m_nitrates = bog.Nitrates;
    m_nitrites = bog.Nitrites;
    m_ph = bog.PH;
    m_phosphates = bog.Phosphates;
    m_relief = bog.Relief;
    m_tilt = bog.Tilt;
    m_area = bog.TorfArea;
    m_depth = bog.Depth;
}

void CSpecForm_Moss_12::SaveRecord() {
    CSpecData_Moss_12& bog = Document()->SpecData_Moss_12;
    CComboHelpers::GetSelection(m_exposure, bog.ExposureID, bog.ExposureIDName);
    bog.Chanel = m_canals;
    bog.Nitrates = m_nitrates;
    bog.Nitrites = m_nitrites;
    bog.PH = m_ph;
    bog.Phosphates = m_phosphates;
    bog.Relief = m_relief;
    bog.Tilt = m_tilt;
    bog.TorfArea = m_area;
    bog.Depth = m_depth;
}
