#pragma once
// "Мъхове - 05": the companion mosses ("Съпътстващи видове"), each listed once, and their
// projective cover. Step 7021 shows the same page.
#include "controls/PercentEdit.h"
#include "pages/common/FormPage.h"
#include "pages/species/MossTables.h"

class CSpecForm_Moss_05 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Moss_05)
public:
    static constexpr int kPageCode = 7005;
    static constexpr int IDC_COMPANIONS = 2468, IDC_ADD = 2596, IDC_DELETE = 2598, IDC_COVER = 2038;

    explicit CSpecForm_Moss_05(int pageCode = kPageCode);

    const MessageMap& GetMessageMap() const override;

    void OnAdd();
    void OnDelete();

    CGridCtrl m_grid;

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void Refill();
    void OnCompanionDblClk(NMHDR* header, LRESULT*);

    int m_pageCode;
    CArray<CMoss05Row> m_companions;
    CPercentEdit m_coverEdit;
    CString m_cover;
};
