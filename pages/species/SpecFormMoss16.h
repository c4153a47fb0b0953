#pragma once
// "Мъхове - 16": rock outcrops, open water and the dominant shrub and grass species. An edit of
// a row may pick a species that another row holds.
#include "pages/common/FormPage.h"
#include "pages/species/MossTables.h"
#include "platform/ListControls.h"

class CSpecForm_Moss_16 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Moss_16)
public:
    static constexpr int IDC_SPECIES = 2457, IDC_ADD = 2596, IDC_DELETE = 2598;
    static constexpr int IDC_ROCKS = 2508, IDC_WATER = 2462;

    CSpecForm_Moss_16();

    const MessageMap& GetMessageMap() const override;

    void OnAdd() { m_species.Add(this); }
    void OnDelete() { m_species.Delete(); }

    CMossSpeciesTable m_species;
    CComboBox m_rocks;
    CComboBox m_water;

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnSpeciesDblClk(NMHDR* header, LRESULT*) { m_species.Edit(GridRowOf(header), this); }
};
