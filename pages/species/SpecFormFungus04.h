#pragma once
// "Гъби - 4": the floristic region of the trial plot and the changes since former years in
// the ecological conditions, in the vegetation or habitat and in land use. Each change's text
// can be typed only while its box is ticked; a cleared box keeps the text, and it is stored.
#include "pages/common/FormPage.h"
#include "platform/ListControls.h"

class CSpecForm_Fungus_04 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Fungus_04)
public:
    static constexpr int IDC_REGION = 2752;
    static constexpr int IDC_ECOLOGY_CHANGED = 2420, IDC_ECOLOGY = 2418;
    static constexpr int IDC_HABITAT_CHANGED = 2421, IDC_HABITAT = 2535;
    static constexpr int IDC_LAND_USE_CHANGED = 2419, IDC_LAND_USE = 2755;

    CSpecForm_Fungus_04();

    const MessageMap& GetMessageMap() const override;

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    // The text `edit` is open while `check` is ticked; run on entry and on each click.
    template <int check, int edit>
    void ApplyChangeRule();

    CComboBox m_region;
    CString m_ecology;
    CString m_habitat;
    CString m_landUse;
    int m_ecologyChanged = 0;
    int m_habitatChanged = 0;
    int m_landUseChanged = 0;
};
