#pragma once
// "Мъхове - 09": the stumps and fallen trees carrying Buxbaumia viridis, the area they lie
// on, and the unsettled rotting stumps per decay category.
#include "controls/NumericEdit.h"
#include "controls/grid/GridCtrl.h"
#include "pages/common/FormPage.h"
#include "store/MossRecords.h"

class CSpecForm_Moss_09 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Moss_09)
public:
    static constexpr int IDC_STUMPS = 2478, IDC_ADD = 2596, IDC_DELETE = 2598, IDC_AREA = 2037;
    static constexpr int IDC_CATEGORY1 = 2479, IDC_CATEGORY2 = 2480, IDC_CATEGORY3 = 2481;

    CSpecForm_Moss_09();

    const MessageMap& GetMessageMap() const override;

    void OnAdd();
    void OnDelete();
    void EditStump(int gridRow);

    CGridCtrl m_grid;
    CArray<CMoss09Row> m_stumps;

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnStumpsDblClk(NMHDR* header, LRESULT*);
    void Refill();

    CNumericEdit m_areaEdit;
    CString m_area;
    CString m_categories[3];
};
