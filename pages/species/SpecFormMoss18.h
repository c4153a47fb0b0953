#pragma once
// "Мъхове - 18 - Характеристика на местообитанието": the bog's open water, exposure, water
// indicators, canals, microrelief, slope, area and water level. Nitrates and the redox
// potential may be negative; every other number may not.
#include <array>

#include "controls/NumericEdit.h"
#include "pages/common/FormPage.h"
#include "platform/ListControls.h"

class CSpecForm_Moss_18 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Moss_18)
public:
    static constexpr int IDC_WATER = 2462, IDC_EXPOSURE = 2460, IDC_NITRATES = 2082, IDC_POTENTIAL = 2701;

    CSpecForm_Moss_18();

    CComboBox m_water;
    CComboBox m_exposure;

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    struct Field {
        int id;
        int maxChars;  // 0: no limit
        bool numeric;
    };
    // In the order of the record's texts, Carbonates to WaterTemperature.
    static constexpr std::array<Field, 16> kFields = {{
        {2711, 5, true},   {2108, 255, false}, {2705, 5, true}, {2687, 5, true}, {2082, 5, true}, {2090, 5, true},
        {2695, 5, true},   {2061, 5, true},    {2099, 5, true}, {2701, 5, true}, {2047, 255, false}, {2708, 5, true},
        {5004, 0, false},  {2495, 6, true},    {2514, 6, true}, {2546, 5, true},
    }};

    std::array<CString, 16> m_texts;
    std::array<CNumericEdit, 16> m_numbers;  // used at the numeric fields only
};
