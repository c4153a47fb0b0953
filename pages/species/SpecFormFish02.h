#pragma once
// The step "Риби - 2": the net's length, height and mesh size, and its kind.
#include "pages/common/FormPage.h"

class CSpecForm_Fish_02 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Fish_02)
public:
    static constexpr int IDC_LENGTH = 2731, IDC_HEIGHT = 2022, IDC_MESH = 2043;
    static constexpr int IDC_VERTICAL = 2414, IDC_BOTTOM = 2084;

    CSpecForm_Fish_02();

protected:
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CString m_length;
    CString m_height;
    CString m_mesh;
    int m_netType = -1;
};
