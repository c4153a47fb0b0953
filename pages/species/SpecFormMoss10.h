#pragma once
// "Мъхове - 10": the dominant shrub and grass species (each listed once), the tree canopy and
// grass cover, and where the rock outcrops lie. The shrub cover stays hidden and passes
// through as the record had it.
#include "controls/PercentEdit.h"
#include "pages/common/FormPage.h"
#include "pages/species/MossTables.h"

class CSpecForm_Moss_10 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Moss_10)
public:
    static constexpr int IDC_SPECIES = 2457, IDC_ADD = 2596, IDC_DELETE = 2598;
    static constexpr int IDC_CANOPY = 2486, IDC_GRASS = 2028, IDC_BUSHES = 2464, IDC_IN_FOREST = 2463;

    CSpecForm_Moss_10();

    const MessageMap& GetMessageMap() const override;

    void OnAdd() { m_species.Add(this); }
    void OnDelete() { m_species.Delete(); }

    CMossSpeciesTable m_species;

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnSpeciesDblClk(NMHDR* header, LRESULT*) { m_species.Edit(GridRowOf(header), this); }

    CPercentEdit m_canopyEdit;
    CPercentEdit m_grassEdit;
    CString m_canopy;
    CString m_grass;
    CString m_bushes;
    int m_rocksPlace = -1;
};
