#include "shell/WindowWalk.h"

#include <map>
#include <set>

#include "platform/Dialog.h"
#include "platform/FormView.h"
#include "shell/MainFrm.h"
#include "shell/ProgramDatabase.h"
#include "shell/StepViews.h"
#include "shell/TovanSplitView.h"
#include "shell/TreeWorkFlow.h"
#include "shell/WorkflowCodes.h"
#include "store/FormDocument.h"

namespace {

// The main window as on a common desktop screen, so that the pages get a pane of the size
// they were laid out for (the header's names reach 900 pixels into it).
constexpr int kScreenWidth = 1280, kScreenHeight = 1024;

struct FormType {
    int id = -1;  // -1: none
    CString name;
};

// The first form type whose workflow has the step.
FormType FormTypeWithStep(int code) {
    FormType formType;
    WithProgramDatabase([&](CSQLite3DB& db) {
        CString sql;
        sql.Format("select fb.FormTypeId, fn.Name from FormBuilder fb left join FormNames fn on fn.ID = fb.FormTypeId "
                   "where fb.ItemDataValue = %d order by fb.FormTypeId limit 1",
                   code);
        CSQLite3Query query = db.execQuery(sql);
        if (!query.eof()) formType = {query.getIntField(0, -1), query.getStringField(1, "")};
    });
    return formType;
}

// Shows the code's view: as a step of a new form that has it, as a tree node, or alone;
// TRUE when a tree node shows it.
BOOL ShowStep(CMainFrame& frame, int code) {
    CTreeWorkFlow* tree = frame.GetWorkFlowTree();
    CTovan_splitDoc* document = frame.GetFormDocument();
    if (const FormType formType = FormTypeWithStep(code); formType.id > 0 && tree && document) {
        if (document->FormTypeID != formType.id || !tree->HasFormSteps()) {
            frame.SelectMode(kCodeNewForm);
            document->FormTypeID = formType.id;
            document->FormName = formType.name;  // as the chooser names it for the page header
            frame.OpenForm(formType.id, FALSE, FALSE);
        }
        if (tree->SelectByItemData(code)) return TRUE;
    }
    frame.ClearFormSteps();
    if (tree && tree->SelectByItemData(code)) return TRUE;
    frame.SwitchView(code);
    return FALSE;
}

// Each page of the table, once per code; returns the templates they are made of.
std::set<UINT> WalkPages(CMainFrame& frame, const std::function<void(const ShownWindow&)>& visit) {
    std::set<UINT> pageTemplates;
    frame.MoveWindow(0, 0, kScreenWidth, kScreenHeight);
    for (const StepView& step : StepViewTable()) {
        // The placeholder view is no page of its own.
        if (!step.viewClass || step.viewClass == RUNTIME_CLASS(CTovan_splitView)) continue;
        const BOOL inTree = ShowStep(frame, step.code);
        CView* view = frame.GetRightView();
        if (view && !view->IsKindOf(step.viewClass)) view = nullptr;
        if (const auto* page = dynamic_cast<CFormView*>(view)) pageTemplates.insert(page->GetTemplateId());
        CString name;
        name.Format("%d-%s", step.code, step.className);
        visit({name, inTree ? frame.GetSelectedItemText() : CString(), view});
    }
    frame.ClearFormSteps();
    frame.SelectMode(kCodeStart);
    return pageTemplates;
}

// Shows the dialog through the modal seam and closes it unchanged.
void ShowDialog(CDialog& dialog, const CString& name, const std::function<void(const ShownWindow&)>& visit) {
    bool shown = false;
    const CDialog::ModalHook previous = CDialog::SetModalHook([&](CDialog& prepared) {
        shown = true;
        CString title;
        prepared.GetWindowText(title);
        visit({name, title, &prepared});
        prepared.EndDialog(IDCANCEL);
    });
    dialog.DoModal();
    CDialog::SetModalHook(previous);
    if (!shown) visit({name, "", nullptr});
}

}  // namespace

void WalkWindows(CMainFrame& frame, const std::function<void(const ShownWindow&)>& visit) {
    const std::set<UINT> pageTemplates = WalkPages(frame, visit);
    CDocument* document = frame.GetFormDocument();
    if (!document) return;  // the dialogs open on the open form's document
    std::multimap<UINT, const DialogClass*> classesOfTemplate;
    for (const DialogClass& dialogClass : DialogClasses())
        classesOfTemplate.emplace(dialogClass.make(document)->GetTemplateId(), &dialogClass);
    for (const UINT id : DialogTemplateIds()) {
        if (pageTemplates.count(id)) continue;
        CString name;
        name.Format("dialog-%u", id);
        const auto [first, last] = classesOfTemplate.equal_range(id);
        if (first == last) {
            CDialog bare(id);
            ShowDialog(bare, name, visit);
        }
        // A class registered with several wordings gets a picture of each: "-2", "-3"...
        int wording = 0;
        for (auto entry = first; entry != last; ++entry) {
            const std::unique_ptr<CDialog> dialog = entry->second->make(document);
            CString variant = name + "-" + entry->second->className;
            if (++wording > 1) variant.AppendFormat("-%d", wording);
            ShowDialog(*dialog, variant, visit);
        }
    }
}
