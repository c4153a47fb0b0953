#pragma once
// "Установен друг вид": another bat species found in the forest, the methods by which it
// was found and how many. Its methods text has no blanks ("1;3;"); loading reads both forms.
#include "pages/common/RowDialog.h"
#include "store/BatRecords.h"

class CDlg_Bat_OtherSpecies : public CRowDialogOf<CBat02Row> {
public:
    static constexpr int IDC_SPECIES = 2599, IDC_FIRST_METHOD = 2582, IDC_COUNT = 2612;

    explicit CDlg_Bat_OtherSpecies(const CForestMethodFlags& enabled, CWnd* parent = nullptr);

    CComboBox m_species;
    CString m_count;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void FillLists() override;
    BOOL ShowRow() override;
    BOOL CheckInput() override;
    void TakeRow() override;

private:
    CForestMethodFlags m_enabled;
};
