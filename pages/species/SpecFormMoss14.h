#pragma once
// "Мъхове - 14": the tufts of the studied habitat, one row each, with their areas and, in the
// variant that asks (page 23), whether each carries a spore capsule. Tufts are never merged.
#include "pages/common/FormPage.h"
#include "pages/species/MossTables.h"

class CSpecForm_Moss_14 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Moss_14)
public:
    static constexpr int IDC_TUFTS = 2502, IDC_ADD = 2596, IDC_DELETE = 2598;

    explicit CSpecForm_Moss_14(int sporeFlag = 0);

    const MessageMap& GetMessageMap() const override;

    void OnAdd() { m_tufts.Add(this); }
    void OnDelete() { m_tufts.Delete(); }

    CMossTuftTable m_tufts;

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnTuftDblClk(NMHDR* header, LRESULT*) { m_tufts.Edit(GridRowOf(header), this); }

    int m_sporeFlag;
};
