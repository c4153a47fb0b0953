#pragma once
// "Мъхове - 15": soil, rock outcrops, exposure, erosion, the covers of the three layers, slope,
// the dominant shrub and grass species (listed once, on an edit as well) and the tufts with
// their archegonia. Each table has its own pair of buttons.
#include "controls/PercentEdit.h"
#include "pages/common/FormPage.h"
#include "pages/species/MossTables.h"
#include "platform/ListControls.h"

class CSpecForm_Moss_15 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Moss_15)
public:
    static constexpr int IDC_SPECIES = 2457, IDC_ADD_SPECIES = 2596, IDC_DELETE_SPECIES = 2598;
    static constexpr int IDC_TUFTS = 2474, IDC_ADD_TUFT = 2597, IDC_DELETE_TUFT = 2599;
    static constexpr int IDC_SOIL = 2505, IDC_ROCKS = 2503, IDC_EXPOSURE = 2460, IDC_EROSION = 2506;
    static constexpr int IDC_BUSHES = 2464, IDC_GRASS = 2028, IDC_TILT = 5004, IDC_TREES = 2486;

    CSpecForm_Moss_15();

    const MessageMap& GetMessageMap() const override;

    void OnAddSpecies() { m_species.Add(this); }
    void OnDeleteSpecies() { m_species.Delete(); }
    void OnAddTuft();
    void OnDeleteTuft();

    CMossSpeciesTable m_species;
    CGridCtrl m_tuftGrid;
    CArray<CMoss15Row> m_tufts;
    CComboBox m_soil;
    CComboBox m_rocks;
    CComboBox m_exposure;
    CComboBox m_erosion;

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnSpeciesDblClk(NMHDR* header, LRESULT*) { m_species.Edit(GridRowOf(header), this); }
    void OnTuftDblClk(NMHDR* header, LRESULT*);
    void RefillTufts();

    CPercentEdit m_bushesEdit;
    CPercentEdit m_grassEdit;
    CPercentEdit m_treesEdit;
    CString m_bushes;
    CString m_grass;
    CString m_tilt;
    CString m_trees;
};
