#include "pages/species/SpecFormWolf07.h"

#include "res/WolfIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Wolf_07, CFormPage)

namespace {

constexpr COLORREF kEnabledText = RGB(0, 0, 0);
constexpr COLORREF kDisabledText = RGB(192, 192, 192);

PageGridRow SurveyCells(const CWolf07PreyRow& prey) { return {{prey.SpeciesIDName, prey.Count}, prey.SpeciesID}; }

PageGridRow KilledCells(const CWolf07PreySexRow& prey) {
    return {{prey.SpeciesIDName, prey.MaleCount, prey.FemaleCount, prey.Description}, prey.SpeciesID};
}

}  // namespace

CSpecForm_Wolf_07::CSpecForm_Wolf_07() : CFormPage(IDD_WOLF_PREY_PAGE), m_survey(SurveyCells), m_killed(KilledCells) {}

const MessageMap& CSpecForm_Wolf_07::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(IDC_SURVEY_ON, &CSpecForm_Wolf_07::OnSurveyClicked),
        OnClicked(IDC_SURVEY_ADD, &CSpecForm_Wolf_07::OnSurveyAdd),
        OnClicked(IDC_SURVEY_DELETE, &CSpecForm_Wolf_07::OnSurveyDelete),
        OnNotify(IDC_SURVEY, NM_DBLCLK, &CSpecForm_Wolf_07::OnSurveyDblClk),
        OnClicked(IDC_KILLED_ON, &CSpecForm_Wolf_07::OnKilledClicked),
        OnClicked(IDC_KILLED_ADD, &CSpecForm_Wolf_07::OnKilledAdd),
        OnClicked(IDC_KILLED_DELETE, &CSpecForm_Wolf_07::OnKilledDelete),
        OnNotify(IDC_KILLED, NM_DBLCLK, &CSpecForm_Wolf_07::OnKilledDblClk),
    });
    return map;
}

void CSpecForm_Wolf_07::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SURVEY, m_survey.grid);
    DDX_Control(pDX, IDC_KILLED, m_killed.grid);
    DDX_Check(pDX, IDC_SURVEY_ON, m_surveyOn);
    DDX_Check(pDX, IDC_KILLED_ON, m_killedOn);
}

void CSpecForm_Wolf_07::PreparePage() {
    SetupPageGrid(m_survey.grid, {{"Вид", 200}, {"Брой", 140}});
    SetupPageGrid(m_killed.grid, {{"Вид", 100}, {"Мъжки(бр.)", 70}, {"Женски(бр.)", 70}, {"Описание", 100}});
    LoadFromDocument();
    m_survey.Refill();
    m_killed.Refill();
    OnSurveyClicked();
    OnKilledClicked();
}

void CSpecForm_Wolf_07::LoadRecord() {
    const CSpecData_Wolf_07& prey = Document()->SpecData_Wolf_07;
    m_survey.rows = prey.PreyAnketi;
    m_killed.rows = prey.PreyObservations;
    m_surveyOn = prey.CheckWolfPreyAnketi;
    m_killedOn = prey.CheckWolfPreyObservations;
}

void CSpecForm_Wolf_07::SaveRecord() {
    CSpecData_Wolf_07& prey = Document()->SpecData_Wolf_07;
    prey.CheckWolfPreyAnketi = m_surveyOn;
    prey.CheckWolfPreyObservations = m_killedOn;
    prey.PreyAnketi = m_survey.rows;
    prey.PreyObservations = m_killed.rows;
}

void CSpecForm_Wolf_07::OnSurveyClicked() {
    UpdateData(TRUE);
    EnableSection(m_survey.grid, IDC_SURVEY_ADD, IDC_SURVEY_DELETE, m_surveyOn);
}

void CSpecForm_Wolf_07::OnKilledClicked() {
    UpdateData(TRUE);
    EnableSection(m_killed.grid, IDC_KILLED_ADD, IDC_KILLED_DELETE, m_killedOn);
}

void CSpecForm_Wolf_07::EnableSection(CGridCtrl& grid, int addId, int deleteId, BOOL on) {
    GetDlgItem(addId)->EnableWindow(on);
    GetDlgItem(deleteId)->EnableWindow(on);
    grid.EnableWindow(on);
    const COLORREF text = on ? kEnabledText : kDisabledText;
    for (const BOOL fixedRow : {FALSE, TRUE})
        for (const BOOL fixedColumn : {FALSE, TRUE}) grid.GetDefaultCell(fixedRow, fixedColumn)->SetTextClr(text);
    grid.EnableScrollBars(SB_BOTH, on);
    if (!on) grid.ResetSelectedRange();
    grid.Refresh();
}
