#pragma once
// "Мъхове - 02 - Характеристика на местообитанието": the plant community and the dominant
// tree species. Shown for any other step than 7002 (its variant 7022), the page has no
// community choice, and the record keeps the one it holds.
#include "pages/common/FormPage.h"
#include "pages/species/MossTables.h"
#include "platform/ListControls.h"

class CSpecForm_Moss_02 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Moss_02)
public:
    static constexpr int kPageCode = 7002;
    static constexpr int IDC_COMMUNITY_LABEL = 2778, IDC_COMMUNITY = 2455, IDC_TREES = 2456;
    static constexpr int IDC_ADD = 2596, IDC_DELETE = 2598;

    explicit CSpecForm_Moss_02(int pageCode = kPageCode);

    const MessageMap& GetMessageMap() const override;

    void OnAdd() { m_trees.Add(this); }
    void OnDelete() { m_trees.Delete(); }

    CMossSpeciesTable m_trees;
    CComboBox m_community;

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnTreeDblClk(NMHDR* header, LRESULT*) { m_trees.Edit(GridRowOf(header), this); }

    int m_pageCode;
};
