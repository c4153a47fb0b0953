#pragma once
// "Мъхове - 12 - Характеристики на местообитанието": the peat bog's area, slope, exposure,
// relief, canals, four water indicators and the depth of its pools.
#include "controls/NumericEdit.h"
#include "pages/common/FormPage.h"
#include "platform/ListControls.h"

class CSpecForm_Moss_12 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Moss_12)
public:
    static constexpr int IDC_EXPOSURE = 2460, IDC_CANALS = 2108, IDC_NITRATES = 2082, IDC_NITRITES = 2090,
                         IDC_PH = 2061, IDC_PHOSPHATES = 2099, IDC_RELIEF = 2047, IDC_TILT = 5004, IDC_AREA = 2495,
                         IDC_DEPTH = 2109;

    CSpecForm_Moss_12() : CFormPage(IDD) {}

    CComboBox m_exposure;

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    static const UINT IDD;

    CNumericEdit m_nitratesEdit, m_nitritesEdit, m_phEdit, m_phosphatesEdit, m_areaEdit, m_depthEdit;
    CString m_canals, m_nitrates, m_nitrites, m_ph, m_phosphates, m_relief, m_tilt, m_area, m_depth;
};
