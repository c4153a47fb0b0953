#pragma once
// The wolf step "Вълк - 1.7", the prey: prey known from questionnaires and own data
// ("Анкетни и собствени данни за района:") and killed animals observed ("Наблюдения над
// убити животни:"), each list switched on by the check box on its group's title line. A list
// switched off is greyed and locked but keeps its rows, and they are stored like any others.
#include "pages/common/FormPage.h"
#include "pages/species/DlgWolfPrey.h"
#include "pages/species/DlgWolfPreyBySex.h"
#include "pages/species/WolfRowList.h"

class CSpecForm_Wolf_07 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Wolf_07)
public:
    static constexpr int IDC_SURVEY_ON = 2808, IDC_SURVEY = 2803, IDC_SURVEY_ADD = 2804, IDC_SURVEY_DELETE = 2805;
    static constexpr int IDC_KILLED_ON = 2809, IDC_KILLED = 2821, IDC_KILLED_ADD = 2600, IDC_KILLED_DELETE = 2613;

    CSpecForm_Wolf_07();

    const MessageMap& GetMessageMap() const override;

    void OnSurveyAdd() { m_survey.Add(this); }
    void OnSurveyDelete() { m_survey.Delete(); }
    void OnKilledAdd() { m_killed.Add(this); }
    void OnKilledDelete() { m_killed.Delete(); }
    void OnSurveyClicked();
    void OnKilledClicked();

    CGridCtrl& SurveyGrid() { return m_survey.grid; }
    CGridCtrl& KilledGrid() { return m_killed.grid; }
    const CArray<CWolf07PreyRow>& SurveyRows() const { return m_survey.rows; }
    const CArray<CWolf07PreySexRow>& KilledRows() const { return m_killed.rows; }

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnSurveyDblClk(NMHDR* header, LRESULT*) { m_survey.Change(header, this); }
    void OnKilledDblClk(NMHDR* header, LRESULT*) { m_killed.Change(header, this); }
    // Switches a list's buttons and grid on or off; off greys its text and drops its selection.
    void EnableSection(CGridCtrl& grid, int addId, int deleteId, BOOL on);

    CWolfRowList<CWolf07PreyRow, CDlg_Wolf_Prey> m_survey;
    CWolfRowList<CWolf07PreySexRow, CDlg_Wolf_PreyBySex> m_killed;
    int m_surveyOn = 0;
    int m_killedOn = 0;
};
