#include "pages/species/SpecFormMoss17.h"

#include "pages/species/DlgMossAddTree.h"
#include "pages/species/DlgMossColony.h"
#include "platform/MessageBox.h"
#include "res/MossPageIds.h"
#include "store/FormDocument.h"
#include "store/SqlText.h"

namespace {

constexpr int kAreaLength = 7;

}  // namespace

IMPLEMENT_DYNCREATE(CSpecForm_Moss_17, CFormPage)

CSpecForm_Moss_17::CSpecForm_Moss_17() : CFormPage(IDD_MOSS_HOSTS_PAGE) {}

const MessageMap& CSpecForm_Moss_17::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(IDC_ADD_TREE, &CSpecForm_Moss_17::OnAddTree),
        OnClicked(IDC_DELETE_TREE, &CSpecForm_Moss_17::OnDeleteTree),
        OnClicked(IDC_ADD_COLONY, &CSpecForm_Moss_17::OnAddColony),
        OnClicked(IDC_DELETE_COLONY, &CSpecForm_Moss_17::OnDeleteColony),
        OnNotify(IDC_TREES, NM_DBLCLK, &CSpecForm_Moss_17::OnTreeDblClk),
        OnNotify(IDC_COLONIES, NM_DBLCLK, &CSpecForm_Moss_17::OnColonyDblClk),
    });
    return map;
}

void CSpecForm_Moss_17::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TREES, m_treeGrid);
    DDX_Control(pDX, IDC_COLONIES, m_colonyGrid);
    DDX_Control(pDX, IDC_AREA, m_areaEdit);
    DDX_Text(pDX, IDC_AREA, m_area);
    DDV_MaxChars(pDX, m_area, kAreaLength);
}

void CSpecForm_Moss_17::PreparePage() {
    SetupPageGrid(m_treeGrid, {{"Име - латински", 150}, {"Име - български", 150}, {"Височина(м)", 150},
                               {"Диаметър(см)", 100}});
    // Column 3 begins with a Latin M, as the paper form's heading has it.
    SetupTwoLinePageGrid(m_colonyGrid, "№", {{"№ на\nдърво", 40}, {"Жива част-\nплощ(кв.см)", 90},
                                             {"Mъртва част-\nплощ(кв.см)", 90}, {"Обрастване-\nплощ(кв.см)", 90},
                                             {"Изложение", 75}, {"Височина\nот основата(м)", 90},
                                             {"Брой подходящи\nнезаселени дървета", 120}});
    LoadFromDocument();
    RefillTrees();
    RefillColonies();
}

void CSpecForm_Moss_17::RefillTrees() {
    RefillPageGrid(m_treeGrid, m_trees, [](const CMoss17TreeRow& tree) {
        return PageGridRow{{tree.Name_lat, tree.Name_bg, tree.Height, tree.Diameter}, std::nullopt};
    });
}

void CSpecForm_Moss_17::RefillColonies() {
    RefillPageGrid(m_colonyGrid, m_colonies, [](const CMoss17ColonyRow& colony) {
        return PageGridRow{{FormatSql("%d", colony.TreeNum + 1), colony.AliveArea, colony.DeadArea, colony.Coverage,
                            colony.ExposureIDName, colony.Height, colony.AppropriateCount},
                           std::nullopt};
    });
}

void CSpecForm_Moss_17::OnAddTree() {
    CDlg_Moss_AddTree dialog(nullptr, this);
    if (dialog.DoModal() != IDOK) return;
    m_trees.Add(dialog.m_row);
    RefillTrees();
}

void CSpecForm_Moss_17::OnTreeDblClk(NMHDR* header, LRESULT*) {
    const int index = ElementIndexOfRow(m_treeGrid, GridRowOf(header));
    if (index < 0 || index >= m_trees.GetSize()) return;
    CDlg_Moss_AddTree dialog(&m_trees[index], this);
    if (dialog.DoModal() != IDOK) return;
    m_trees[index] = dialog.m_row;
    RefillTrees();
}

void CSpecForm_Moss_17::OnDeleteTree() {
    const int index = SelectedElementIndex(m_treeGrid);
    if (index < 0 || index >= m_trees.GetSize()) return;
    int onTree = 0;
    for (const CMoss17ColonyRow& colony : m_colonies) onTree += colony.TreeNum == index;
    const CString question =
        onTree == 1 ? CString("Върху това дърво има 1 мъхова колония. Тя също ще бъде изтрита. Продължавате ли?")
                    : FormatSql("Върху това дърво има %d мъхови колонии. Те също ще бъдат изтрити. Продължавате ли?", onTree);
    if (onTree > 0 && AfxMessageBox(question, MB_YESNO) != IDYES) return;
    m_trees.RemoveAt(index);
    // The colonies of the later trees follow their tree; those on the deleted one go with it.
    for (int i = m_colonies.GetSize() - 1; i >= 0; --i) {
        if (m_colonies[i].TreeNum == index) m_colonies.RemoveAt(i);
        else if (m_colonies[i].TreeNum > index) --m_colonies[i].TreeNum;
    }
    RefillTrees();
    RefillColonies();
}

void CSpecForm_Moss_17::OnAddColony() {
    if (m_trees.GetSize() == 0) {
        AfxMessageBox(kNoTrees);
        return;
    }
    CDlg_Moss_ColonyArea dialog(m_trees.GetSize(), nullptr, this);
    if (dialog.DoModal() != IDOK) return;
    m_colonies.Add(dialog.m_row);
    RefillColonies();
}

void CSpecForm_Moss_17::OnColonyDblClk(NMHDR* header, LRESULT*) {
    const int index = ElementIndexOfRow(m_colonyGrid, GridRowOf(header));
    if (index < 0 || index >= m_colonies.GetSize()) return;
    CDlg_Moss_ColonyArea dialog(m_trees.GetSize(), &m_colonies[index], this);
    if (dialog.DoModal() != IDOK) return;
    m_colonies[index] = dialog.m_row;
    RefillColonies();
}

void CSpecForm_Moss_17::OnDeleteColony() {
    if (DeleteTableRow(m_colonyGrid, m_colonies)) RefillColonies();
}

void CSpecForm_Moss_17::LoadRecord() {
    const CSpecData_Moss_17& hosts = Document()->SpecData_Moss_17;
    m_trees = hosts.Trees;
    m_colonies = hosts.Colonies;
    m_area = hosts.Area;
}

void CSpecForm_Moss_17::SaveRecord() {
    CSpecData_Moss_17& hosts = Document()->SpecData_Moss_17;
    hosts.Trees = m_trees;
    hosts.Colonies = m_colonies;
    hosts.Area = m_area;
}
