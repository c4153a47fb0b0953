#pragma once
// "Мъхове - 19": trees in the bog and the part of it they take, the species' microrelief, its
// annual growth, the covers of the peat mosses and of the observed species, and the dominant
// shrub and grass species (an edit may pick a species that another row holds). The trees'
// part is emptied and locked while the trees box is off. The covers stop at 100 percent, the
// species' cover with decimals.
#include "controls/PercentEdit.h"
#include "pages/common/FormPage.h"
#include "pages/species/MossTables.h"

class CSpecForm_Moss_19 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Moss_19)
public:
    static constexpr int IDC_SPECIES = 2457, IDC_ADD = 2596, IDC_DELETE = 2598;
    static constexpr int IDC_TREES = 2498, IDC_TREES_PART = 2499, IDC_TREES_PART_LABEL = 2778;
    static constexpr int IDC_RELIEF = 2047, IDC_GROWTH = 2516, IDC_MOSSES_COVER = 2504, IDC_SPECIES_COVER = 2515;

    CSpecForm_Moss_19();

    const MessageMap& GetMessageMap() const override;

    void OnAdd() { m_species.Add(this); }
    void OnDelete() { m_species.Delete(); }
    void OnTreesClicked();

    CMossSpeciesTable m_species;

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnSpeciesDblClk(NMHDR* header, LRESULT*) { m_species.Edit(GridRowOf(header), this); }

    CPercentEdit m_treesPartEdit;
    CPercentEdit m_mossesCoverEdit;
    CPercentNumberEdit m_speciesCoverEdit;
    BOOL m_trees = FALSE;
    CString m_treesPart;
    CString m_relief;
    CString m_growth;
    CString m_mossesCover;
    CString m_speciesCover;
};
