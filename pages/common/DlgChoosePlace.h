#pragma once
// The place picker of the place and time page. The user picks a site of the inspectorate
// where the form's object was recorded before (searched by a part of its name), or another
// site of the inspectorate from the list, or types the name of a new site. On OK the caller
// reads m_resultId and m_resultName: a known site's ID and name, or kNewSite and the typed
// name (the form's save creates that site). For fish forms (kind 1009) the dialog speaks of
// water bodies; the lists are the same.
#include "controls/SearchComboBox.h"
#include "controls/grid/GridCtrl.h"
#include "platform/Dialog.h"

class CDlg_ChoosePlace : public CDialog {
public:
    static constexpr int IDC_SEARCH_MODE = 2568, IDC_NEW_MODE = 2569;
    static constexpr int IDC_CRITERION_LABEL = 2570, IDC_FOUND_LABEL = 2571, IDC_NEW_NAME_LABEL = 2572;
    static constexpr int IDC_CRITERION = 2527, IDC_SEARCH = 2533, IDC_FOUND = 2566;
    static constexpr int IDC_SITES = 2493, IDC_NEW_NAME = 2004;
    static constexpr int kNewSite = -2;
    static constexpr int kWaterBodies = 1009;

    static const char* const kNoSiteChosen;
    static const char* const kNoNewName;

    CDlg_ChoosePlace(const CString& searchText, int inspectorateId, int speciesId, int kind, CWnd* parent = nullptr);

    const MessageMap& GetMessageMap() const override;

    CGridCtrl& FoundSites() { return m_grid; }
    CSearchComboBox& InspectorateSites() { return m_sites; }

    int m_resultId = -1;
    CString m_resultName;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    void FillInspectorateSites();
    void OnSearch();
    // 0: search among the known sites; 1: another site of the inspectorate, or a new one.
    void SwitchMode(int mode);
    void OnSearchMode() { SwitchMode(0); }
    void OnNewMode() { SwitchMode(1); }
    void OnSelchangeSites();
    void OnGridSelChanging(NMHDR* header, LRESULT* result);
    void OnGridDblClk(NMHDR* header, LRESULT* result);
    void ChooseFoundSite();
    void ChooseOtherOrNewSite();

    CString m_searchText;
    int m_inspectorateId;
    int m_speciesId;
    int m_kind;
    int m_selectedRow = -1;  // in the grid of found sites; -1 for none
    int m_mode = 0;
    CString m_comboText;
    CString m_newName;
    CGridCtrl m_grid;
    CSearchComboBox m_sites;
};
