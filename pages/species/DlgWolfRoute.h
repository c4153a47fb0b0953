#pragma once
// One point of a wolf route ("Добави вълчи маршрут"): the settlement (its EKATTE code shown
// when it is chosen), the place, the forestry units of the inspectorate or park, the park
// section, the compartment and sub-compartment, the GPS position taken with "Точка", the
// altitude and the exposure. Nothing is required: OK takes whatever the dialog holds, -1
// and "" for a list without a choice.
#include "controls/SearchComboBox.h"
#include "pages/common/RowDialog.h"
#include "store/WolfRecords.h"

class CDlg_Wolf_Route : public CRowDialogOf<CWolf06Row> {
public:
    static constexpr int IDC_CITY = 2083, IDC_EKATTE = 2548, IDC_PLACE = 2018, IDC_DDS = 2558, IDC_DL = 2557,
                         IDC_PARK_SECTION = 2666, IDC_DEPARTMENT = 2560, IDC_SUBDEPARTMENT = 2008,
                         IDC_LONGITUDE = 2443, IDC_LATITUDE = 2025, IDC_POINT = 2631, IDC_ALTITUDE = 2559,
                         IDC_EXPOSURE = 2460;

    // The lists are those of the inspectorate or park `inspectorateId`.
    CDlg_Wolf_Route(int inspectorateId, const CWolf06Row& point, CWnd* parent = nullptr);

    const MessageMap& GetMessageMap() const override;

    void OnPoint();
    void OnCitySelChange();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void FillLists() override;
    BOOL ShowRow() override;
    void TakeRow() override;

private:
    int m_inspectorateId;
    CSearchComboBox m_city;
    CComboBox m_dds;
    CComboBox m_dl;
    CComboBox m_parkSection;
    CComboBox m_exposure;
    CString m_ekatte;
    CString m_place;
    CString m_department;
    CString m_subdepartment;
    CString m_longitude;
    CString m_latitude;
    CString m_altitude;
};
