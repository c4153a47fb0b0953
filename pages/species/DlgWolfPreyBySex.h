#pragma once
// "Жертви на вълка": killed animals of one species observed, males and females counted and
// described. Species, then males, then females; counts as in the questionnaire dialog.
#include "controls/SearchComboBox.h"
#include "pages/common/RowDialog.h"
#include "store/WolfRecords.h"

class CDlg_Wolf_PreyBySex : public CRowDialogOf<CWolf07PreySexRow> {
public:
    static constexpr int IDC_SPECIES = 2625, IDC_MALES = 2807, IDC_FEMALES = 2615, IDC_DESCRIPTION = 2806;

    // With a row the dialog changes a copy of it, else it starts from a new row.
    explicit CDlg_Wolf_PreyBySex(const CWolf07PreySexRow* row = nullptr, CWnd* parent = nullptr);

    CSearchComboBox m_species;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void FillLists() override;
    BOOL ShowRow() override;
    BOOL CheckInput() override;
    void TakeRow() override;

private:
    CString m_males;
    CString m_females;
    CString m_description;
};
