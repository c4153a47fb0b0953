#pragma once
// "Видове за избраната къщичка": a species seen in a bat house and how many.
#include "pages/common/RowDialog.h"
#include "store/BatRecords.h"

class CDlg_BatHouse_Species : public CRowDialogOf<CBatHouseSpecies> {
public:
    static constexpr int IDC_SPECIES = 2599, IDC_COUNT = 2612;

    explicit CDlg_BatHouse_Species(CWnd* parent = nullptr);

    CComboBox m_species;
    CString m_count;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void FillLists() override;
    BOOL CheckInput() override;
    void TakeRow() override;
};
