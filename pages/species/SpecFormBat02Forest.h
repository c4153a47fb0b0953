#pragma once
// "Прилепи - Гори  2": the other bat species found in the forest (added, changed by a double
// click and deleted in the grid), the changes seen, notes and the paper form's number.
#include "controls/grid/GridCtrl.h"
#include "pages/common/FormPage.h"
#include "store/BatRecords.h"

class CSpecForm_Bat_02_Forest : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Bat_02_Forest)
public:
    static constexpr int IDC_SPECIES = 2594, IDC_ADD = 2596, IDC_DELETE = 2598;
    static constexpr int IDC_CHANGES = 2646, IDC_NOTES = 2645, IDC_BLANK_NUM = 2004;

    CSpecForm_Bat_02_Forest();

    const MessageMap& GetMessageMap() const override;

    void OnAdd();
    void OnDelete();

    const CArray<CBat02Row>& Rows() const { return m_rows; }
    CGridCtrl& SpeciesGrid() { return m_grid; }

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void RefillGrid();
    void OnGridDblClk(NMHDR* header, LRESULT* result);

    CGridCtrl m_grid;
    CArray<CBat02Row> m_rows;
    CString m_changes;
    CString m_notes;
    CString m_blankNum;
};
