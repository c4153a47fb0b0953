#include "pages/species/DlgMossColony.h"

#include "controls/ComboHelpers.h"
#include "pages/common/PageLists.h"
#include "res/MossPageIds.h"
#include "store/SqlText.h"

REGISTER_DIALOG_CLASS(CDlg_Moss_ColonyArea, 3, nullptr)

namespace {

constexpr int kSizeLength = 6;
constexpr int kCountLength = 4;

}  // namespace

CDlg_Moss_ColonyArea::CDlg_Moss_ColonyArea(int treeCount, const CMoss17ColonyRow* row, CWnd* parent)
    : CRowDialogOf(IDD_MOSS_COLONY, row, parent), m_treeCount(treeCount) {}

void CDlg_Moss_ColonyArea::DoDataExchange(CDataExchange* pDX) {
    CRowDialogOf::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TREE, m_trees);
    DDX_Control(pDX, IDC_EXPOSURE, m_exposure);
    const int numberIds[] = {IDC_ALIVE, IDC_DEAD, IDC_COVERAGE, IDC_HEIGHT};
    CString* numbers[] = {&m_alive, &m_dead, &m_coverage, &m_height};
    for (int i = 0; i < 4; ++i) {
        DDX_Control(pDX, numberIds[i], m_numbers[i]);
        DDX_Text(pDX, numberIds[i], *numbers[i]);
        DDV_MaxChars(pDX, *numbers[i], kSizeLength);
    }
    DDX_Text(pDX, IDC_COUNT, m_count);
    DDV_MaxChars(pDX, m_count, kCountLength);
    DDX_CBIndex(pDX, IDC_TREE, m_tree);
}

void CDlg_Moss_ColonyArea::FillLists() {
    FillComboFromColumns(m_exposure, "ID", "Name", "nMossExposure");
    for (int i = 0; i < m_treeCount; ++i) m_trees.AddString(FormatSql("%d", i + 1));
}

BOOL CDlg_Moss_ColonyArea::ShowRow() {
    m_alive = m_row.AliveArea;
    m_count = m_row.AppropriateCount;
    m_dead = m_row.DeadArea;
    m_coverage = m_row.Coverage;
    m_height = m_row.Height;
    // A tree beyond the list opens unselected, so OK asks for it.
    m_tree = m_row.TreeNum < m_treeCount ? m_row.TreeNum : -1;
    CComboHelpers::SelectByItemData(m_exposure, static_cast<DWORD>(m_row.ExposureID));
    return TRUE;
}

BOOL CDlg_Moss_ColonyArea::CheckInput() { return m_tree >= 0 || Refuse(kTreeRequired); }

void CDlg_Moss_ColonyArea::TakeRow() {
    m_row.AliveArea = m_alive;
    m_row.AppropriateCount = m_count;
    m_row.DeadArea = m_dead;
    m_row.Coverage = m_coverage;
    m_row.Height = m_height;
    m_row.TreeNum = m_tree;
    CComboHelpers::GetSelection(m_exposure, m_row.ExposureID, m_row.ExposureIDName);
}
