#pragma once
// "Жертви на вълка": one prey species known from questionnaires or own data, and the number
// killed. Species first, then the count; the count is kept as the number it starts with
// ("007" gives "7"), and blanks alone count as nothing typed. A species may stand in the
// list more than once.
#include "controls/SearchComboBox.h"
#include "pages/common/RowDialog.h"
#include "store/WolfRecords.h"

class CDlg_Wolf_Prey : public CRowDialogOf<CWolf07PreyRow> {
public:
    static constexpr int IDC_SPECIES = 2625, IDC_COUNT = 2612;

    // With a row the dialog changes a copy of it, else it starts from a new row.
    explicit CDlg_Wolf_Prey(const CWolf07PreyRow* row = nullptr, CWnd* parent = nullptr);

    CSearchComboBox m_species;

    // What both prey dialogs share: every species of the list by its Latin name, and a
    // count that must hold more than blanks and is rewritten as its leading number.
    static void FillPreySpecies(CComboBox& species);
    static BOOL RequireCount(CString& count, const char* message);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void FillLists() override;
    BOOL ShowRow() override;
    BOOL CheckInput() override;
    void TakeRow() override;

private:
    CString m_count;
};
