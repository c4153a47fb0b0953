#pragma once
// The step "Мечка - 1.2": how the bear behaved towards people, seven kinds each ticked with
// the distance of the meeting. A distance can be typed only while its kind is ticked, and
// clearing the tick empties it.
#include "pages/common/FormPage.h"
#include "store/BearRecords.h"

class CSpecForm_Bear_02 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Bear_02)
public:
    static constexpr int IDC_RUN_AWAY = 2772, IDC_RUN_CALM = 2773, IDC_THREATENS = 2774;
    static constexpr int IDC_PROTECT_CHILD = 2776, IDC_PROTECT_PREY = 2777, IDC_AGRESSION = 2590,
                         IDC_CRITIC_DISTANCE = 2771;
    static constexpr int IDC_RUN_AWAY_DISTANCE = 2775, IDC_RUN_CALM_DISTANCE = 2015, IDC_THREATENS_DISTANCE = 2038;
    static constexpr int IDC_PROTECT_CHILD_DISTANCE = 2056, IDC_PROTECT_PREY_DISTANCE = 2070,
                         IDC_AGRESSION_DISTANCE = 2088, IDC_CRITIC_DISTANCE_DISTANCE = 2097;

    CSpecForm_Bear_02();

    const MessageMap& GetMessageMap() const override;

    // Each kind's rule: its distance and label follow the tick; a clear tick empties it.
    void OnRunAway();
    void OnRunCalm();
    void OnThreatens();
    void OnProtectChild();
    void OnProtectPrey();
    void OnAgression();
    void OnCriticDistance();

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void FollowCheck(int ticked, int label, int edit, CString& distance);

    CSpecData_Bear_02 m_met;
};
