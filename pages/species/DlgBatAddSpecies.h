#pragma once
// "Добави вид": a species found in a cave or a wetland, the methods by which it was found and
// how many. The target species come from the page's own list (_BatsInCaves or
// _BatsInWetlands), the others from all bats. On the target pages only the methods ticked
// on the page can be chosen.
#include "pages/common/RowDialog.h"
#include "store/BatRecords.h"

class CDlg_Bat_AddSpecies : public CRowDialogOf<CBat04Row> {
public:
    static constexpr int IDC_SPECIES = 2599, IDC_FIRST_METHOD = 2582, IDC_COUNT = 2612;

    // `enabled`: one byte per method, read while the dialog runs; nullptr leaves every box
    // enabled.
    CDlg_Bat_AddSpecies(int methodCount, const BYTE* enabled, BOOL wetland, BOOL ownList, CWnd* parent = nullptr);

    CComboBox m_species;
    CString m_count;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void FillLists() override;
    BOOL ShowRow() override;
    BOOL CheckInput() override;
    void TakeRow() override;

private:
    int m_methodCount;
    const BYTE* m_enabled;
    BOOL m_wetland;
    BOOL m_ownList;
};
