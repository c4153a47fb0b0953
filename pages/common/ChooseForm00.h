#pragma once
// The species and form chooser, shown for "Въвеждане": the objects of monitoring as a
// four-level tree on the left, the form types allowed for the chosen object on the right.
// "Продължи >>" (or a double click on a form) empties the document, puts the form type and
// the object into it and opens the form, whose first step then replaces this view. The
// chooser has no record and stores nothing when it is left.
#include "controls/SplitterBar.h"
#include "platform/FormView.h"
#include "platform/ListControls.h"
#include "platform/TreeCtrl.h"

class CTovan_splitDoc;

class CChooseForm_00 : public CFormView {
    DECLARE_DYNCREATE(CChooseForm_00)
public:
    static constexpr int IDC_TREE = 2472;
    static constexpr int IDC_FORMS = 2001;
    static constexpr int IDC_SPLITTER = 2484;
    static constexpr int IDC_OBJECTS_LABEL = 1384;
    static constexpr int IDC_FORMS_LABEL = 2473;
    static constexpr int IDC_CONTINUE = 2581;
    static constexpr int kDragRange = 50;

    CChooseForm_00();

    const MessageMap& GetMessageMap() const override;
    void OnInitialUpdate() override;

    void FillSpeciesTree();
    // The form types of the node (its own ID at its level 1 to 4), in their order.
    void FillForms(CListBox& list, int id, int level);
    void OnContinue();

    CTreeCtrl& SpeciesTree() { return m_tree; }
    CListBox& FormList() { return m_forms; }
    CSplitterBar& Splitter() { return m_splitter; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnSize(UINT type, int cx, int cy) override;

private:
    void OnSelChangedTree(NMHDR* header, LRESULT* result);
    void OnSplitterMoved(NMHDR* header, LRESULT* result);
    void LayOut();
    CTovan_splitDoc* FormDocument() const;
    void ReadFormName(CTovan_splitDoc& document, int formTypeId);
    void ReadSpeciesName(CTovan_splitDoc& document, int combinedId);

    CTreeCtrl m_tree;
    CListBox m_forms;
    CSplitterBar m_splitter;
};

// The (ID, level) a node of the species tree stands for: its item data less the level's
// offset (1000000 super group, 100000 group, 10000 subgroup, 0 species). Level 0 for data
// of no node (0 or less, or 10000000 and more).
struct SpeciesNode {
    int id;
    int level;
};
SpeciesNode SpeciesNodeOf(int itemData);
