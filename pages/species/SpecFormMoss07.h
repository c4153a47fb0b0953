#pragma once
// "Мъхове - 07": where the tufts are found, chosen from the locations on offer with ">" (or a
// double click) and removed with "<", in the order chosen; and the tufts with their areas and
// spore capsules.
#include "pages/common/FormPage.h"
#include "pages/species/MossTables.h"
#include "platform/ListControls.h"

class CSpecForm_Moss_07 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Moss_07)
public:
    static constexpr int IDC_OFFERED = 2465, IDC_CHOSEN = 2466, IDC_CHOOSE = 2621, IDC_REMOVE = 2598;
    static constexpr int IDC_TUFTS = 2474, IDC_ADD = 2596, IDC_DELETE = 2614;

    CSpecForm_Moss_07();

    const MessageMap& GetMessageMap() const override;

    void OnChoose();
    void OnRemove();
    void OnAdd() { m_tufts.Add(this); }
    void OnDelete() { m_tufts.Delete(); }

    CListBox m_offered;
    CListBox m_chosen;
    CMossTuftTable m_tufts;

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void FillOffered();
    void OnTuftDblClk(NMHDR* header, LRESULT*) { m_tufts.Edit(GridRowOf(header), this); }
};
