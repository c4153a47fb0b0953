#pragma once
// The main window: menu, toolbar and status bar, the workflow tree on the left and one view
// at a time on the right. The right pane changes in two ways only: a selection in the tree
// (SwitchView with the node's code) and ShowView with a class. Either destroys the shown
// view first (a page saves into its record on the way) and prepares the new one once.
#include "platform/ControlBars.h"
#include "platform/FrameWnd.h"
#include "shell/MySplitter.h"

class CTovan_splitDoc;
class CTreeWorkFlow;

class CMainFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)
public:
    static constexpr int kTreeWidth = 200;

    CMainFrame();
    ~CMainFrame() override;

    const MessageMap& GetMessageMap() const override;

    // Shows the view of the workflow code (the table of StepViews.h) and retitles the window.
    void SwitchView(int code);
    // Shows a view of the class; nothing for a null class.
    void ShowView(const CRuntimeClass* viewClass);
    // The tree becomes the active view and selects the node of the code, which shows it.
    void SelectMode(int code);
    // Builds the form's steps under the tree's selected node and shows the first. A form
    // opened for editing whose steps are not all built pages opens read-only.
    void OpenForm(int formTypeId, BOOL editing, BOOL readOnly);
    // The text of the tree's selected node, or "Няма избран елемент".
    CString GetSelectedItemText();
    void ClearFormSteps();
    BOOL SelectNextStep();
    BOOL SelectPrevStep();

    // "Ведрин - " and the inspectorate of the login.
    void UpdateTitle();

    CTreeWorkFlow* GetWorkFlowTree() const;
    CView* GetRightView() const;
    CTovan_splitDoc* GetFormDocument() const;
    CToolBar& GetToolBar() { return m_wndToolBar; }
    CStatusBar& GetStatusBar() { return m_wndStatusBar; }

    // The page header tells the frame what a prepared page's controls hold; a page left
    // with other contents marks the document as holding unsaved input.
    void RememberShownPage(const CWnd& page);
    // TRUE when a form open in the tree holds input that has not been stored.
    BOOL HasUnsavedInput();
    // Before the open form is cleared: TRUE when nothing typed would be lost or the user agrees
    // to lose it. `question` says what is about to happen ("Да бъде ли ...?").
    BOOL ConfirmDiscardUnsavedInput(LPCTSTR question);

protected:
    int OnCreate(LPCREATESTRUCT createStruct) override;
    BOOL OnCreateClient(LPCREATESTRUCT createStruct, CCreateContext* context) override;
    void OnClose() override;
    BOOL OnHelpInfo(HELPINFO* info) override;

private:
    void NoteShownPageChanges();
    void ReplaceRightView(const CRuntimeClass* viewClass);

    void OnModeNewForm();
    void OnModeEditForms();
    void OnModeLookup();
    void OnModeAnalysis();
    void OnModeAdministration();
    void OnHelpManual();
    void OnAddObserver();
    void OnUpdateAddObserver(CCmdUI* cmdUI);
    void OnAddUser();

    CMySplitter m_wndSplitter;
    DWORD m_dwHelpCookie = 0;
    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;
    const CWnd* m_shownPage = nullptr;  // compared, never used: it may be gone
    CString m_shownPageState;
};

// The program's main window, or nullptr (before it exists, and in tests without one).
CMainFrame* TheMainFrame();
