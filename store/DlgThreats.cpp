#include "DlgThreats.h"

#include <algorithm>
#include <cstdlib>

#include "controls/ListBoxHelpers.h"
#include "controls/TreeHelpers.h"
#include "db/ProgramFolder.h"
#include "db/SQLite3DB.h"
#include "platform/MessageBox.h"
#include "store/DatabaseError.h"

REGISTER_DIALOG_CLASS(CDlg_Threats, CThreatArray())

CDlg_Threats::CDlg_Threats(const CThreatArray& current, CWnd* parent) : CDialog(IDD, parent), m_chosen(current) {}

const MessageMap& CDlg_Threats::GetMessageMap() const {
    static const MessageMap map(CDialog::GetMessageMap(), {
        OnClicked(IDC_ADD, &CDlg_Threats::OnAddToChosen),
        OnClicked(IDC_REMOVE, &CDlg_Threats::OnRemoveFromChosen),
    });
    return map;
}

void CDlg_Threats::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CHOSEN, m_list);
    DDX_Control(pDX, IDC_THREAT_TREE, m_tree);
}

BOOL CDlg_Threats::OnInitDialog() {
    CDialog::OnInitDialog();
    BuildThreatTree();
    m_tree.ModifyStyle(0, TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT);
    FillChosenList();
    m_tree.Expand(m_tree.GetRootItem(), TVE_EXPAND);
    return TRUE;
}

void CDlg_Threats::FillChosenList() { FillThreatList(m_list, m_chosen); }

void FillThreatList(CListBox& list, const CThreatArray& threats) {
    list.ResetContent();
    for (int i = 0; i < threats.GetSize(); ++i) list.SetItemData(list.AddString(threats[i].Name), static_cast<DWORD>(threats[i].ID));
    CListBoxHelpers::SetHorizontalExtentToFit(list);
}

// Any item can be chosen, an inner one as well as a leaf; each threat once.
void CDlg_Threats::OnAddToChosen() {
    HTREEITEM item = m_tree.GetSelectedItem();
    if (!item) {
        AfxMessageBox("Моля изберете елемент от списъка със заплахите.", MB_OK);
        return;
    }
    const auto id = static_cast<DWORD>(m_tree.GetItemData(item));
    if (CListBoxHelpers::ContainsItemData(m_list, id)) {
        AfxMessageBox("Елемента, който се опитвате да вмъкнете, вече е в списъка.", MB_OK);
        return;
    }
    m_list.SetItemData(m_list.AddString(CTreeHelpers::GetItemPath(m_tree, item)), id);
    CListBoxHelpers::SetHorizontalExtentToFit(m_list);
}

// The chosen array itself changes only on OK, so that Cancel leaves it as it came.
void CDlg_Threats::OnRemoveFromChosen() {
    const int selected = m_list.GetCurSel();
    if (selected >= 0) m_list.DeleteString(static_cast<UINT>(selected));
}

void CDlg_Threats::OnOK() {
    m_chosen.RemoveAll();
    for (int i = 0; i < m_list.GetCount(); ++i) m_chosen.Add(CThreatItem{static_cast<int>(m_list.GetItemData(i)), m_list.GetText(i)});
    CDialog::OnOK();
}

// The rows come depth first: each follows its parent or an earlier sibling's last
// descendant, and the number of dots in its code is its level (one dot: the top level).
void CDlg_Threats::BuildThreatTree() {
    const auto parentOf = [this](HTREEITEM item) {
        HTREEITEM parent = item ? m_tree.GetParentItem(item) : nullptr;
        return parent ? parent : TVI_ROOT;
    };
    try {
        CSQLite3DB db;
        db.open(TheProgramFolder().DatabasePath());
        CSQLite3Query query = db.execQuery("select ID, Code, Name from nThreats");
        int previousLevel = 0;
        HTREEITEM previous = nullptr;
        for (; !query.eof(); query.nextRow()) {
            const int id = std::atoi(query.getStringField("ID"));
            const CString code = query.getStringField("Code");
            const int level = static_cast<int>(std::count(code.str().begin(), code.str().end(), '.'));

            HTREEITEM parent = nullptr;
            if (level == 1) {
                parent = TVI_ROOT;
            } else if (level == previousLevel) {
                parent = parentOf(previous);
            } else if (level == previousLevel + 1) {
                parent = previous ? previous : TVI_ROOT;
            } else if (level < previousLevel) {
                HTREEITEM ancestor = previous ? m_tree.GetParentItem(previous) : nullptr;
                for (int up = 0; up < previousLevel - level && ancestor; ++up) ancestor = m_tree.GetParentItem(ancestor);
                parent = ancestor ? ancestor : TVI_ROOT;
            } else {
                // More than one level below the row before: the row has nowhere to hang.
                previousLevel = level;
                continue;
            }
            previous = m_tree.InsertItem(query.getStringField("Name"), parent, TVI_LAST);
            m_tree.SetItemData(previous, static_cast<DWORD_PTR>(id));
            previousLevel = level;
        }
    } catch (const CSQLite3Exception& e) {
        ShowDatabaseError(e);
    }
}

HTREEITEM CDlg_Threats::SelectTreeItemByData(int threatId) const { return FindFrom(m_tree.GetRootItem(), threatId); }

HTREEITEM CDlg_Threats::FindFrom(HTREEITEM item, int threatId) const {
    for (; item; item = m_tree.GetNextSiblingItem(item)) {
        if (static_cast<int>(m_tree.GetItemData(item)) == threatId) return item;
        if (HTREEITEM found = FindFrom(m_tree.GetChildItem(item), threatId)) return found;
    }
    return nullptr;
}
