#pragma once
// The base of every form page: a form view on its own template that edits one record of
// the document. What all pages do alike lives here, so that a page only states its own
// controls, record fields, lists and rules:
//
//     class CCommonForm_02 : public CFormPage {
//         DECLARE_DYNCREATE(CCommonForm_02)
//     public:
//         CCommonForm_02() : CFormPage(107) {}
//     protected:
//         void PreparePage() override {        // lists, then the record, then the rules
//             FillComboFromTable(m_surface, "nTortoiseGround");
//             LoadFromDocument();
//             OnWindClicked();
//         }
//         void LoadRecord() override { m_rainfall = Document()->CommonData_02.Rainfall; ... }
//         void SaveRecord() override { Document()->CommonData_02.Rainfall = m_rainfall; ... }
//         void DoDataExchange(CDataExchange* pDX) override;
//     };
//     IMPLEMENT_DYNCREATE(CCommonForm_02, CFormPage)     // a variant: under its page class
//
// and its code gets the class in the view switch's table (shell/StepViews.cpp).
//
// Preparing (OnInitialUpdate): the form view's own update, PreparePage, the title font
// (control 2003, unless the page keeps the template's), and the page header last. Leaving
// (DestroyWindow, when another step is chosen or the window closes): SaveToDocument, never
// checking the content; no field's check keeps the fields after it from being read.
// "<< Назад " (2579) and "Продължи >>" (2581) step through the workflow tree.
#include "platform/FormView.h"

class CTovan_splitDoc;

class CFormPage : public CFormView {
    DECLARE_DYNAMIC(CFormPage)
public:
    explicit CFormPage(UINT templateId);

    const MessageMap& GetMessageMap() const override;
    void OnInitialUpdate() override;
    BOOL DestroyWindow() override;

    CTovan_splitDoc* Document() const;

    // Record -> members (LoadRecord), then the members into the controls.
    void LoadFromDocument();
    // The controls into the members (what they hold, whatever a check says), then members
    // -> record (SaveRecord).
    void SaveToDocument();

protected:
    // The page's own preparation, in the order its rules need; by default just the record.
    virtual void PreparePage() { LoadFromDocument(); }
    virtual void LoadRecord() {}
    virtual void SaveRecord() {}
    // FALSE for the pages whose title keeps the template's font.
    virtual BOOL UsesTitleFont() const { return TRUE; }
    // A page is saved whatever its fields hold: a field that fails its check (a value stored
    // longer than its field takes) keeps its value, and every other field is still read.
    BOOL StopsAtFailedCheck() const override { return FALSE; }

    void OnBack();
    void OnNext();
};
