#include "pages/species/SpecFormHamster01.h"

#include "pages/common/PageControls.h"
#include "res/HamsterPageIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Hamster_01, CFormPage)

namespace {

constexpr int kCountLength = 4;

}  // namespace

CSpecForm_Hamster_01::CSpecForm_Hamster_01() : CFormPage(IDD_HAMSTER_SITE_PAGE) {}

const MessageMap& CSpecForm_Hamster_01::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(IDC_PASTURE_YES, &CSpecForm_Hamster_01::OnPastureYes),
        OnClicked(IDC_PASTURE_NO, &CSpecForm_Hamster_01::OnPastureNo),
        OnClicked(IDC_PASTURE_UNKNOWN, &CSpecForm_Hamster_01::OnPastureNo),
        OnClicked(IDC_COWS, &CSpecForm_Hamster_01::OnCows),
        OnClicked(IDC_SHEEP, &CSpecForm_Hamster_01::OnSheep),
        OnClicked(IDC_GOATS, &CSpecForm_Hamster_01::OnGoats),
        OnClicked(IDC_HORSES, &CSpecForm_Hamster_01::OnHorses),
        OnClicked(IDC_OTHERS, &CSpecForm_Hamster_01::OnOthers),
        OnClicked(IDC_ELSE, &CSpecForm_Hamster_01::OnElse),
    });
    return map;
}

void CSpecForm_Hamster_01::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_BUSHES, m_site.bCheckBushes);
    DDX_Check(pDX, IDC_COWS, m_site.bCheckCows);
    DDX_Check(pDX, IDC_ELSE, m_site.bCheckElse);
    DDX_Check(pDX, IDC_GOATS, m_site.bCheckGoats);
    DDX_Check(pDX, IDC_HORSES, m_site.bCheckHorses);
    DDX_Check(pDX, IDC_JUNIPER, m_site.bCheckJuniper);
    DDX_Check(pDX, IDC_PRICKLES, m_site.bCheckPrickles);
    DDX_Check(pDX, IDC_SHEEP, m_site.bCheckSheeps);
    DDX_Text(pDX, IDC_COWS_COUNT, m_site.CowsCount);
    DDV_MaxChars(pDX, m_site.CowsCount, kCountLength);
    DDX_Text(pDX, IDC_ELSE_TEXT, m_site.ElseDescription);
    DDX_Text(pDX, IDC_GOATS_COUNT, m_site.GoatsCount);
    DDV_MaxChars(pDX, m_site.GoatsCount, kCountLength);
    DDX_Text(pDX, IDC_HORSES_COUNT, m_site.HorsesCount);
    DDV_MaxChars(pDX, m_site.HorsesCount, kCountLength);
    DDX_Text(pDX, IDC_OTHERS_COUNT, m_site.OthersCount);
    DDV_MaxChars(pDX, m_site.OthersCount, kCountLength);
    DDX_Text(pDX, IDC_OTHERS_KIND, m_site.OthersName);
    DDX_Text(pDX, IDC_SHEEP_COUNT, m_site.SheepsCount);  // the one count without a limit
    DDX_Radio(pDX, IDC_PASTURE_YES, m_site.iRadionPasture);
    DDX_Check(pDX, IDC_OTHERS, m_site.bCheckOthers);
}

void CSpecForm_Hamster_01::PreparePage() {
    LoadFromDocument();
    if (m_site.iRadionPasture == 0)
        OnPastureYes();
    else
        OnPastureNo();
    OnCows();
    OnSheep();
    OnGoats();
    OnHorses();
    OnOthers();
    OnElse();
}

void CSpecForm_Hamster_01::LoadRecord() { m_site = Document()->SpecData_Hamster_01; }
void CSpecForm_Hamster_01::SaveRecord() { Document()->SpecData_Hamster_01 = m_site; }

void CSpecForm_Hamster_01::OnPastureYes() {
    UpdateData(TRUE);
    EnableGrazing(TRUE);
}

void CSpecForm_Hamster_01::OnPastureNo() {
    UpdateData(TRUE);
    EnableGrazing(FALSE);
}

void CSpecForm_Hamster_01::EnableGrazing(BOOL enable) {
    if (!enable) {
        m_site.bCheckCows = m_site.bCheckSheeps = m_site.bCheckGoats = m_site.bCheckHorses = m_site.bCheckOthers = 0;
        UpdateData(FALSE);
        OnCows();
        OnSheep();
        OnGoats();
        OnHorses();
        OnOthers();
    }
    EnableControls(this, {IDC_COWS, IDC_SHEEP, IDC_GOATS, IDC_HORSES, IDC_OTHERS, IDC_ANIMALS_GROUP}, enable);
    // A count opens only by a click on its ticked box, also when "Да" is chosen again.
    EnableControls(this,
                   {IDC_COWS_LABEL, IDC_GOATS_LABEL, IDC_SHEEP_LABEL, IDC_HORSES_LABEL, IDC_OTHERS_KIND_LABEL,
                    IDC_OTHERS_COUNT_LABEL, IDC_COWS_COUNT, IDC_SHEEP_COUNT, IDC_GOATS_COUNT, IDC_HORSES_COUNT,
                    IDC_OTHERS_COUNT, IDC_OTHERS_KIND},
                   FALSE);
}

void CSpecForm_Hamster_01::FollowAnimalBox(int ticked, std::initializer_list<int> labels,
                                           std::initializer_list<int> edits) {
    EnableControls(this, labels, ticked != 0);
    EnableControls(this, edits, ticked != 0);
    if (ticked) return;
    for (const int edit : edits) SetDlgItemText(edit, "");
    UpdateData(TRUE);  // the record follows the emptied fields
}

void CSpecForm_Hamster_01::OnCows() {
    UpdateData(TRUE);
    FollowAnimalBox(m_site.bCheckCows, {IDC_COWS_LABEL}, {IDC_COWS_COUNT});
}

void CSpecForm_Hamster_01::OnSheep() {
    UpdateData(TRUE);
    FollowAnimalBox(m_site.bCheckSheeps, {IDC_SHEEP_LABEL}, {IDC_SHEEP_COUNT});
}

void CSpecForm_Hamster_01::OnGoats() {
    UpdateData(TRUE);
    FollowAnimalBox(m_site.bCheckGoats, {IDC_GOATS_LABEL}, {IDC_GOATS_COUNT});
}

void CSpecForm_Hamster_01::OnHorses() {
    UpdateData(TRUE);
    FollowAnimalBox(m_site.bCheckHorses, {IDC_HORSES_LABEL}, {IDC_HORSES_COUNT});
}

void CSpecForm_Hamster_01::OnOthers() {
    UpdateData(TRUE);
    FollowAnimalBox(m_site.bCheckOthers, {IDC_OTHERS_KIND_LABEL, IDC_OTHERS_COUNT_LABEL},
                    {IDC_OTHERS_COUNT, IDC_OTHERS_KIND});
}

void CSpecForm_Hamster_01::OnElse() {
    UpdateData(TRUE);
    // Unticking keeps the description; it only cannot be changed then.
    EnableControls(this, {IDC_ELSE_TEXT}, m_site.bCheckElse != 0);
}
