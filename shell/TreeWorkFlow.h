#pragma once
// The workflow tree, the left pane of the main window for the whole run: the five modes
// under the root "Начало" and, while a form is open, the form's steps under the mode it was
// opened from. Selecting a node shows its view in the right pane.
#include "platform/CtrlView.h"
#include "platform/ImageList.h"

class CTreeWorkFlow : public CTreeView {
    DECLARE_DYNCREATE(CTreeWorkFlow)
public:
    static constexpr int kItemHeight = 18;
    static constexpr int kModeImages = 6;  // then one image per form type: index = type + 5

    CTreeWorkFlow();
    const MessageMap& GetMessageMap() const override;
    void OnInitialUpdate() override;

    // Depth first from the first root item; selects (as the caret) the first item whose
    // data is the code. FALSE when none has it.
    BOOL SelectByItemData(int code);
    // Puts the steps of the form type under the selected node and selects the first, which
    // shows it. The final step is "Редакция" (1029) when editing, "Справка" (1030) when
    // read-only.
    void FillFormSteps(int formTypeId, BOOL editing, BOOL readOnly);
    // Removes every step node (the children of the mode nodes).
    void ClearFormSteps();
    BOOL HasFormSteps();
    // Select the next / previous sibling of the selected node; FALSE at the end / start.
    BOOL SelectNextStep();
    BOOL SelectPrevStep();
    // Sets or clears style bits of the tree without moving it.
    void ModifyStyleBits(DWORD bits, BOOL set);

    int LastData() const { return m_nLastData; }
    const CImageList& Images() const { return m_imageList; }

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

private:
    void OnSelChanged(NMHDR* header, LRESULT* result);
    void BuildImageList();
    HTREEITEM FindItemData(HTREEITEM first, DWORD_PTR data);

    int m_nLastData = 0;
    BOOL m_bSkipNextChange = TRUE;
    CImageList m_imageList;
    int m_nInitCount = 0;
};

// The tree icon of a form type's steps (one per family of forms).
UINT FormTypeIconId(int formTypeId);
