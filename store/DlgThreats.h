#pragma once
// The threats picker: the classification nThreats as a tree, from which the threats of a
// form are chosen. Loading a stored form also creates it hidden, only to find each stored
// threat in its tree and read the threat's path there.
#include "platform/Dialog.h"
#include "platform/TreeCtrl.h"
#include "store/CommonRecords.h"

class CDlg_Threats : public CDialog {
public:
    static constexpr UINT IDD = 191;
    static constexpr int IDC_THREAT_TREE = 2801;

    // The current choice is copied; the dialog edits its own copy.
    explicit CDlg_Threats(const CThreatArray& current, CWnd* parent = nullptr);

    // Depth first from the first top-level item (an item, its children, then its next
    // siblings): the first item whose data is the threat's id, nullptr when none carries it.
    // Neither the selection nor the expansion changes.
    HTREEITEM SelectTreeItemByData(int threatId) const;

    CTreeCtrl m_tree;
    CThreatArray m_chosen;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    void BuildThreatTree();
    HTREEITEM FindFrom(HTREEITEM item, int threatId) const;
};

// The texts of the item's ancestors from the top down and of the item, joined with "->".
CString TreeItemPath(const CTreeCtrl& tree, HTREEITEM item);
