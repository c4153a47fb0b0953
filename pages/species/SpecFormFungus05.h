#pragma once
// "Гъби - 5": the species found on the trial plot with their fruit bodies, each species at
// most once; rows are added and, by a double click, changed in the species dialog.
#include "controls/grid/GridCtrl.h"
#include "pages/common/FormPage.h"
#include "platform/Arrays.h"
#include "store/FungusRecords.h"

class CSpecForm_Fungus_05 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Fungus_05)
public:
    static constexpr int IDC_SPECIES = 2422, IDC_ADD = 2596, IDC_DELETE = 2598;

    CSpecForm_Fungus_05();

    const MessageMap& GetMessageMap() const override;

    void OnAdd();
    void OnDelete();

    CGridCtrl& SpeciesGrid() { return m_grid; }

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void RefreshSpeciesGrid();
    void OnSpeciesDblClk(NMHDR* header, LRESULT* result);

    CGridCtrl m_grid;
    CArray<CFungus05Row> m_species;
};
