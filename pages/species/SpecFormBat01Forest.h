#pragma once
// "Прилепи - Гори  1": which survey methods were used and, for each of the two monitored
// species, whether it was found, by which of those methods and how many. The methods must be
// chosen before a species is ticked: the method boxes are locked while either species is.
#include "pages/common/FormPage.h"
#include "store/BatRecords.h"

class CSpecForm_Bat_01_Forest : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Bat_01_Forest)
public:
    static constexpr int IDC_FIRST_METHOD = 2637;
    static constexpr int IDC_BAT1 = 2587, IDC_BAT1_METHODS = 2642, IDC_BAT1_CHOOSE = 2629, IDC_BAT1_COUNT = 2635;
    static constexpr int IDC_BAT2 = 2589, IDC_BAT2_METHODS = 2643, IDC_BAT2_CHOOSE = 2644, IDC_BAT2_COUNT = 2636;

    CSpecForm_Bat_01_Forest();

    const MessageMap& GetMessageMap() const override;

    void OnBat1Clicked();
    void OnBat2Clicked();
    void OnChooseBat1Methods();
    void OnChooseBat2Methods();

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    // What the page keeps of one monitored species.
    struct Species {
        int checked = 0;
        CString methods;
        CForestMethodFlags flags{};
        CString count;
    };

    void ApplyEnableRules();
    void OnSpeciesClicked(Species& species);
    void ChooseMethods(Species& species);
    void OnChangeComputedField();

    Species m_bat1;
    Species m_bat2;
};
