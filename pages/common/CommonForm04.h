#pragma once
// The step "Координати, биогеографски регион.": the GPS points of the observation (each
// typed in the coordinate dialog), the biogeographic region, the altitude and, where the
// form asks for it, the exposure of the slope (CCommonForm_04_Exposure). The page edits the
// document's coordinates record.
#include "controls/grid/GridCtrl.h"
#include "pages/common/FormPage.h"
#include "platform/Arrays.h"
#include "platform/ListControls.h"
#include "store/GeoPoint.h"

class CCommonForm_04 : public CFormPage {
    DECLARE_DYNCREATE(CCommonForm_04)
public:
    static constexpr int IDC_POINTS = 2662, IDC_ADD_POINT = 2664, IDC_DELETE_POINT = 2666;
    static constexpr int IDC_ALPINE = 2064, IDC_ALTITUDE = 2559;
    static constexpr int IDC_EXPOSURE_LABEL = 1406, IDC_EXPOSURE = 2460;

    explicit CCommonForm_04(int withExposure = 0);

    const MessageMap& GetMessageMap() const override;

    void OnAddPoint();
    void OnDeletePoint();

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void SetupPointGrid();
    void RefreshPointGrid();
    void OnPointDblClk(NMHDR* header, LRESULT* result);

    int m_withExposure;
    int m_region = -1;
    CString m_altitude;
    CArray<CGeoPoint> m_points;
    CGridCtrl m_grid;
    CComboBox m_exposure;
};
