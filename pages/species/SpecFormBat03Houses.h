#pragma once
// "Къщички за прилепи": the bat houses checked, each with its number and condition, and the
// species seen in the house last clicked, with their counts.
#include "controls/grid/GridCtrl.h"
#include "pages/common/FormPage.h"
#include "store/BatRecords.h"

class CSpecForm_Bat_03_Houses : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Bat_03_Houses)
public:
    static constexpr int IDC_FORM_NUM = 1389, IDC_HOUSES = 2619, IDC_SPECIES = 2594;
    static constexpr int IDC_ADD_HOUSE = 2624, IDC_DELETE_HOUSE = 2627, IDC_ADD_SPECIES = 2617, IDC_DELETE_SPECIES = 2618;

    CSpecForm_Bat_03_Houses();

    const MessageMap& GetMessageMap() const override;

    void OnAddHouse();
    void OnDeleteHouse();
    void OnAddSpecies();
    void OnDeleteSpecies();

    const CArray<CBatHouse>& Houses() const { return m_houses; }
    CGridCtrl& HouseGrid() { return m_housesGrid; }
    CGridCtrl& SpeciesGrid() { return m_speciesGrid; }

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void SetupHousesGrid();
    void RefillHousesGrid();
    void ShowSpeciesOf(int house);
    void OnHouseSelChanging(NMHDR* header, LRESULT* result);

    CString m_formNum;
    CArray<CBatHouse> m_houses;
    CGridCtrl m_housesGrid;
    CGridCtrl m_speciesGrid;
};
