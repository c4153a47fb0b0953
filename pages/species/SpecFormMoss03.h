#pragma once
// "Мъхове - 03 -  Характеристика на местообитанието": the dominant shrub and grass species,
// the covers of both layers, the slope, the exposure and whether rock outcrops are present.
// An edit of a row may pick a species that another row holds.
#include "controls/PercentEdit.h"
#include "pages/common/FormPage.h"
#include "pages/species/MossTables.h"
#include "platform/ListControls.h"

class CSpecForm_Moss_03 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Moss_03)
public:
    static constexpr int IDC_SPECIES = 2457, IDC_ADD = 2596, IDC_DELETE = 2598;
    static constexpr int IDC_BUSHES = 2464, IDC_GRASS = 2028, IDC_TILT = 5004, IDC_EXPOSURE = 2460;
    static constexpr int IDC_ROCKS_YES = 2463, IDC_ROCKS_NO = 2084;

    CSpecForm_Moss_03();

    const MessageMap& GetMessageMap() const override;

    void OnAdd() { m_species.Add(this); }
    void OnDelete() { m_species.Delete(); }

    CMossSpeciesTable m_species;
    CComboBox m_exposure;

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnSpeciesDblClk(NMHDR* header, LRESULT*) { m_species.Edit(GridRowOf(header), this); }

    CPercentEdit m_bushesEdit;
    CPercentEdit m_grassEdit;
    CString m_bushes;
    CString m_grass;
    CString m_tilt;
    int m_rocks = -1;
};
