#pragma once
// "Мъхове - 04": where the tufts grow (grass cover, sun or shade), each list showing the
// situations flagged for it, and the tufts of the studied habitat with their areas.
#include "pages/common/FormPage.h"
#include "pages/species/MossTables.h"
#include "platform/ListControls.h"

class CSpecForm_Moss_04 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Moss_04)
public:
    static constexpr int IDC_GRASS_COVER = 2493, IDC_SUNSHINE = 2492, IDC_TUFTS = 2502;
    static constexpr int IDC_ADD = 2596, IDC_DELETE = 2598;

    CSpecForm_Moss_04();

    const MessageMap& GetMessageMap() const override;

    void OnAdd() { m_tufts.Add(this); }
    void OnDelete() { m_tufts.Delete(); }

    CComboBox m_grassCover;
    CComboBox m_sunshine;
    CMossTuftTable m_tufts;

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnTuftDblClk(NMHDR* header, LRESULT*) { m_tufts.Edit(GridRowOf(header), this); }
};
