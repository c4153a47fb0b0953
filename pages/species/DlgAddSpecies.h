#pragma once
// "Добави вид": picks one accompanying species for a page's list. The calling page's step
// code chooses the list: 6401 the reptiles, 6501 the amphibians, 6602 the fungi. Nothing is
// chosen at first; after OK, m_row holds the species' id and name.
#include "controls/SearchComboBox.h"
#include "pages/common/RowDialog.h"
#include "store/SpeciesNameRow.h"

class CDlg_AddSpecies : public CRowDialogOf<CSpeciesNameRow> {
public:
    static constexpr int kReptiles = 6401, kAmphibians = 6501, kFungi = 6602;
    static constexpr int IDC_SPECIES = 2625;

    explicit CDlg_AddSpecies(int formCode, CWnd* parent = nullptr);

    CSearchComboBox m_species;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void FillLists() override;
    BOOL CheckInput() override;
    void TakeRow() override;

private:
    int m_formCode;
};
