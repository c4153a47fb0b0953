#pragma once
// The red deer step "Благороден елен - 2.2": the hinds and the other stags around the
// rutting place by age class, each group with its total, and notes. A total follows its
// counts and cannot be typed over.
#include "pages/common/FormPage.h"

class CSpecForm_Deer_04 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Deer_04)
public:
    static constexpr int IDC_DOE_VERY_YOUNG = 2087, IDC_DOE_YOUNG = 2096, IDC_DOE_OLD = 2104, IDC_DOE_VERY_OLD = 2543,
                         IDC_DOE_TOTAL = 2693;
    static constexpr int IDC_STAG_VERY_YOUNG = 2726, IDC_STAG_YOUNG = 2011, IDC_STAG_OLD = 2034, IDC_STAG_MATURE = 2053,
                         IDC_STAG_VERY_OLD = 2054, IDC_STAG_TOTAL = 2067;
    static constexpr int IDC_NOTES = 2645;

    CSpecForm_Deer_04();

    const MessageMap& GetMessageMap() const override;

protected:
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

    void OnChangeDoeCount();
    void OnChangeStagCount();
    void OnChangeComputedField();

private:
    CString m_doeVeryYoung;
    CString m_doeYoung;
    CString m_doeOld;
    CString m_doeVeryOld;
    CString m_doeTotal;
    CString m_stagVeryYoung;
    CString m_stagYoung;
    CString m_stagOld;
    CString m_stagMature;
    CString m_stagVeryOld;
    CString m_stagTotal;
    CString m_notes;
};
