#pragma once
// "Мъхове - 13": whether trees grow in the peat bog and what part of it they take, the cover
// of the observed moss, and the dominant shrub and grass species (each listed once).
#include "controls/PercentEdit.h"
#include "pages/common/FormPage.h"
#include "pages/species/MossTables.h"

class CSpecForm_Moss_13 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Moss_13)
public:
    static constexpr int IDC_TREES_EXIST = 2498, IDC_TREES_LABEL = 2778, IDC_TREES_PART = 2499, IDC_COVER = 2501;
    static constexpr int IDC_SPECIES = 2457, IDC_ADD = 2596, IDC_DELETE = 2598;

    CSpecForm_Moss_13();

    const MessageMap& GetMessageMap() const override;

    void OnAdd() { m_species.Add(this); }
    void OnDelete() { m_species.Delete(); }
    void OnTreesExist();  // the part the trees take is asked only while the box is ticked

    CMossSpeciesTable m_species;

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnSpeciesDblClk(NMHDR* header, LRESULT*) { m_species.Edit(GridRowOf(header), this); }

    CPercentEdit m_treesPartEdit;
    CPercentEdit m_coverEdit;
    BOOL m_treesExist = FALSE;
    CString m_treesPart;
    CString m_cover;
};
