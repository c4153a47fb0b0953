#pragma once
// A moss colony of page 17: the number of its host tree ("1" to the page's tree count; stored
// as the tree's position), its areas, exposure (optional), height and the count of suitable
// trees the moss has not settled.
#include "controls/NumericEdit.h"
#include "pages/common/RowDialog.h"
#include "store/MossRecords.h"

class CDlg_Moss_ColonyArea : public CRowDialogOf<CMoss17ColonyRow> {
public:
    static constexpr int IDC_TREE = 2496, IDC_ALIVE = 2030, IDC_DEAD = 2048, IDC_COVERAGE = 2062;
    static constexpr int IDC_EXPOSURE = 2460, IDC_HEIGHT = 2513, IDC_COUNT = 2091;
    static constexpr const char* kTreeRequired = "Моля попълнете полето '№ на дърво' !";

    CDlg_Moss_ColonyArea(int treeCount, const CMoss17ColonyRow* row, CWnd* parent = nullptr);

    CComboBox m_exposure;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void FillLists() override;
    BOOL ShowRow() override;
    BOOL CheckInput() override;
    void TakeRow() override;

private:
    int m_treeCount;
    int m_tree = -1;
    CComboBox m_trees;
    CNumericEdit m_numbers[4];  // living, dead, overgrown, height
    CString m_alive;
    CString m_dead;
    CString m_coverage;
    CString m_height;
    CString m_count;
};
