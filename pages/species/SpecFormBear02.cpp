#include "pages/species/SpecFormBear02.h"

#include "pages/common/PageControls.h"
#include "res/BearIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Bear_02, CFormPage)

namespace {

// The labels of the distances, in the order of the edits' ids above.
constexpr int kRunAwayLabel = 2778, kRunCalmLabel = 2779, kThreatensLabel = 2780, kProtectChildLabel = 2781,
              kProtectPreyLabel = 2782, kAgressionLabel = 2783, kCriticDistanceLabel = 2784;

}  // namespace

CSpecForm_Bear_02::CSpecForm_Bear_02() : CFormPage(IDD_BEAR_PEOPLE_PAGE) {}

const MessageMap& CSpecForm_Bear_02::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(IDC_RUN_AWAY, &CSpecForm_Bear_02::OnRunAway),
        OnClicked(IDC_RUN_CALM, &CSpecForm_Bear_02::OnRunCalm),
        OnClicked(IDC_THREATENS, &CSpecForm_Bear_02::OnThreatens),
        OnClicked(IDC_PROTECT_CHILD, &CSpecForm_Bear_02::OnProtectChild),
        OnClicked(IDC_PROTECT_PREY, &CSpecForm_Bear_02::OnProtectPrey),
        OnClicked(IDC_AGRESSION, &CSpecForm_Bear_02::OnAgression),
        OnClicked(IDC_CRITIC_DISTANCE, &CSpecForm_Bear_02::OnCriticDistance),
    });
    return map;
}

void CSpecForm_Bear_02::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_AGRESSION, m_met.bAgressionAgainst);
    DDX_Check(pDX, IDC_PROTECT_CHILD, m_met.bProtectChild);
    DDX_Check(pDX, IDC_PROTECT_PREY, m_met.bProtectPrey);
    DDX_Check(pDX, IDC_RUN_AWAY, m_met.bRunAway);
    DDX_Check(pDX, IDC_RUN_CALM, m_met.bRunCalm);
    DDX_Check(pDX, IDC_THREATENS, m_met.bThreatens);
    DDX_Check(pDX, IDC_CRITIC_DISTANCE, m_met.bCriticDistance);
    DDX_Text(pDX, IDC_AGRESSION_DISTANCE, m_met.AgressionAgainst);
    DDX_Text(pDX, IDC_CRITIC_DISTANCE_DISTANCE, m_met.CriticDistance);
    DDX_Text(pDX, IDC_PROTECT_CHILD_DISTANCE, m_met.ProtectChild);
    DDX_Text(pDX, IDC_PROTECT_PREY_DISTANCE, m_met.ProtectPrey);
    DDX_Text(pDX, IDC_RUN_AWAY_DISTANCE, m_met.RunAway);
    DDX_Text(pDX, IDC_RUN_CALM_DISTANCE, m_met.RunCalm);
    DDX_Text(pDX, IDC_THREATENS_DISTANCE, m_met.Threatens);
}

void CSpecForm_Bear_02::PreparePage() {
    LoadFromDocument();
    OnRunAway();
    OnRunCalm();
    OnThreatens();
    OnProtectChild();
    OnProtectPrey();
    OnAgression();
    OnCriticDistance();
}

void CSpecForm_Bear_02::LoadRecord() { m_met = Document()->SpecData_Bear_02; }
void CSpecForm_Bear_02::SaveRecord() { Document()->SpecData_Bear_02 = m_met; }

void CSpecForm_Bear_02::FollowCheck(int ticked, int label, int edit, CString& distance) {
    EnableControls(this, {label, edit}, ticked != 0);
    if (ticked) return;
    distance.Empty();  // a distance is kept only for a ticked kind
    UpdateData(FALSE);
}

void CSpecForm_Bear_02::OnRunAway() {
    UpdateData(TRUE);
    FollowCheck(m_met.bRunAway, kRunAwayLabel, IDC_RUN_AWAY_DISTANCE, m_met.RunAway);
}

void CSpecForm_Bear_02::OnRunCalm() {
    UpdateData(TRUE);
    FollowCheck(m_met.bRunCalm, kRunCalmLabel, IDC_RUN_CALM_DISTANCE, m_met.RunCalm);
}

void CSpecForm_Bear_02::OnThreatens() {
    UpdateData(TRUE);
    FollowCheck(m_met.bThreatens, kThreatensLabel, IDC_THREATENS_DISTANCE, m_met.Threatens);
}

void CSpecForm_Bear_02::OnProtectChild() {
    UpdateData(TRUE);
    FollowCheck(m_met.bProtectChild, kProtectChildLabel, IDC_PROTECT_CHILD_DISTANCE, m_met.ProtectChild);
}

void CSpecForm_Bear_02::OnProtectPrey() {
    UpdateData(TRUE);
    FollowCheck(m_met.bProtectPrey, kProtectPreyLabel, IDC_PROTECT_PREY_DISTANCE, m_met.ProtectPrey);
}

void CSpecForm_Bear_02::OnAgression() {
    UpdateData(TRUE);
    FollowCheck(m_met.bAgressionAgainst, kAgressionLabel, IDC_AGRESSION_DISTANCE, m_met.AgressionAgainst);
}

void CSpecForm_Bear_02::OnCriticDistance() {
    UpdateData(TRUE);
    FollowCheck(m_met.bCriticDistance, kCriticDistanceLabel, IDC_CRITIC_DISTANCE_DISTANCE, m_met.CriticDistance);
}
