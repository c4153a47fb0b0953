#pragma once
// "Добави вид" of the trial plot: one fungus found and the number of its fruit bodies. Both
// are required; the count is digits only, at most four, and kept without blanks at its ends.
#include "controls/SearchComboBox.h"
#include "pages/common/RowDialog.h"
#include "store/FungusRecords.h"

class CDlg_Fungus_AddSpecies : public CRowDialogOf<CFungus05Row> {
public:
    static constexpr int IDC_SPECIES = 2625, IDC_COUNT = 2612;

    // With a row the dialog changes a copy of it, else it starts from a new row.
    explicit CDlg_Fungus_AddSpecies(const CFungus05Row* row = nullptr, CWnd* parent = nullptr);

    CSearchComboBox m_species;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void FillLists() override;
    BOOL ShowRow() override;
    BOOL CheckInput() override;
    void TakeRow() override;

private:
    CString m_count;
};
