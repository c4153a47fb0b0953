#pragma once
// "Мъхове - 08 - Характеристика на местообитанието": the dominant tree species and the covers
// of the tree, shrub and grass layers. A species is listed once, on add and on edit.
#include "controls/PercentEdit.h"
#include "pages/common/FormPage.h"
#include "pages/species/MossTables.h"

class CSpecForm_Moss_08 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Moss_08)
public:
    static constexpr int IDC_TREES = 2456, IDC_ADD = 2596, IDC_DELETE = 2598;
    static constexpr int IDC_CANOPY = 2477, IDC_BUSHES = 2464, IDC_GRASS = 2028;

    CSpecForm_Moss_08();

    const MessageMap& GetMessageMap() const override;

    void OnAdd() { m_trees.Add(this); }
    void OnDelete() { m_trees.Delete(); }

    CMossSpeciesTable m_trees;

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnTreesDblClk(NMHDR* header, LRESULT*) { m_trees.Edit(GridRowOf(header), this); }

    CPercentEdit m_canopyEdit;
    CPercentEdit m_bushesEdit;
    CPercentEdit m_grassEdit;
    CString m_canopy;
    CString m_bushes;
    CString m_grass;
};
