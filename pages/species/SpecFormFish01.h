#pragma once
// The step "Риби - 1": the electrofishing device with its technical parameters, the
// distance fished and the time it took.
#include "pages/common/FormPage.h"

class CSpecForm_Fish_01 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Fish_01)
public:
    static constexpr int IDC_DEVICE = 2413, IDC_DISTANCE = 2042, IDC_TIME = 2021;

    CSpecForm_Fish_01();

protected:
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CString m_device;
    CString m_distance;
    CString m_time;
};
