#pragma once
// The threats picker: the classification nThreats as a tree, from which the threats of a
// form are put together in a list (">" adds the tree's selected item, "<" removes the
// list's selected entry; OK hands the list back). Loading a stored form also creates it
// hidden, only to find each stored threat in its tree and read the threat's path there.
#include "platform/Dialog.h"
#include "platform/ListControls.h"
#include "platform/TreeCtrl.h"
#include "store/CommonRecords.h"

class CDlg_Threats : public CDialog {
public:
    static constexpr UINT IDD = 191;
    static constexpr int IDC_THREAT_TREE = 2801;
    static constexpr int IDC_CHOSEN = 2802;
    static constexpr int IDC_ADD = 2621;
    static constexpr int IDC_REMOVE = 2598;

    // The current choice is copied; the dialog edits its own copy.
    explicit CDlg_Threats(const CThreatArray& current, CWnd* parent = nullptr);

    const MessageMap& GetMessageMap() const override;

    // Depth first from the first top-level item (an item, its children, then its next
    // siblings): the first item whose data is the threat's id, nullptr when none carries it.
    // Neither the selection nor the expansion changes.
    HTREEITEM SelectTreeItemByData(int threatId) const;

    void OnAddToChosen();
    void OnRemoveFromChosen();

    CListBox m_list;
    CTreeCtrl m_tree;
    // The current choice while the dialog runs; after OK, the list as the user left it.
    CThreatArray m_chosen;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void BuildThreatTree();
    void FillChosenList();
    HTREEITEM FindFrom(HTREEITEM item, int threatId) const;
};

// Shows the threats in the list in their order (path text, the id as item data) and lets
// the list scroll across its widest entry.
void FillThreatList(CListBox& list, const CThreatArray& threats);
