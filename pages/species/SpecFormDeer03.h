#pragma once
// The red deer step "Благороден елен - 2.1": the habitat of the rutting place and the
// rutting stag's tines, crown and age.
#include "pages/common/FormPage.h"

class CSpecForm_Deer_03 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Deer_03)
public:
    static constexpr int IDC_HABITAT = 2717, IDC_EYE_TINES = 2718, IDC_ICE_TINES = 2719, IDC_MID_TINES = 2720,
                         IDC_WOLF_TINES = 2721, IDC_AGE = 2722, IDC_CROWN_RIGHT = 2723, IDC_CROWN_LEFT = 2725;

    CSpecForm_Deer_03();

protected:
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CString m_habitat;
    CString m_eyeTines;
    CString m_iceTines;
    CString m_midTines;
    CString m_wolfTines;
    CString m_age;
    CString m_crownLeft;
    CString m_crownRight;
};
