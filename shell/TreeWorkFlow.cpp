#include "shell/TreeWorkFlow.h"

#include "platform/WaitCursor.h"
#include "res/ShellIds.h"
#include "shell/MainFrm.h"
#include "shell/ProgramDatabase.h"
#include "shell/WorkflowCodes.h"

IMPLEMENT_DYNCREATE(CTreeWorkFlow, CTreeView)

namespace {

struct Mode {
    int code;
    const char* caption;
    int image;
};

constexpr Mode kModes[] = {
    {kCodeNewForm, "Въвеждане", 0},      {kCodeEditForms, "Редакция", 1},
    {kCodeLookup, "Справка", 2},         {kCodeAnalysis, "Анализ", 3},
    {kCodeAdministration, "Администриране", 4},
};
constexpr int kStartImage = 5;
constexpr int kFormTypes = 47;

constexpr UINT kModeIcons[] = {IDI_TREE_NEW_FORM, IDI_TREE_EDIT_FORMS, IDI_TREE_LOOKUP,
                               IDI_TREE_ANALYSIS, IDI_TREE_ADMINISTRATION, IDI_TREE_START};

}  // namespace

UINT FormTypeIconId(int formTypeId) {
    struct Family {
        int first;
        int last;
        UINT icon;
    };
    static constexpr Family kFamilies[] = {
        {1, 1, 266},   {2, 10, 267},  {11, 12, 269}, {13, 13, 270}, {14, 14, 271}, {15, 15, 272},
        {16, 16, 273}, {17, 20, 274}, {21, 22, 275}, {23, 24, 276}, {25, 29, 277}, {30, 30, 266},
        {31, 34, 276}, {35, 44, 275}, {45, 47, 277},
    };
    for (const Family& family : kFamilies)
        if (formTypeId >= family.first && formTypeId <= family.last) return family.icon;
    return 0;
}

CTreeWorkFlow::CTreeWorkFlow() = default;

const MessageMap& CTreeWorkFlow::GetMessageMap() const {
    static const MessageMap map(CTreeView::GetMessageMap(), {
        OnNotifyReflect(TVN_SELCHANGED, &CTreeWorkFlow::OnSelChanged),
    });
    return map;
}

BOOL CTreeWorkFlow::PreCreateWindow(CREATESTRUCT& cs) {
    cs.style |= WS_CHILD | WS_VISIBLE | WS_BORDER;
    return CTreeView::PreCreateWindow(cs);
}

void CTreeWorkFlow::BuildImageList() {
    m_imageList.Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 4);
    for (const UINT icon : kModeIcons) m_imageList.AddIconResource(icon);
    for (int type = 1; type <= kFormTypes; ++type) m_imageList.AddIconResource(FormTypeIconId(type));
}

void CTreeWorkFlow::OnInitialUpdate() {
    CTreeView::OnInitialUpdate();
    if (++m_nInitCount > 1) return;
    CTreeCtrl& tree = GetTreeCtrl();
    BuildImageList();
    tree.SetImageList(&m_imageList, TVSIL_NORMAL);
    const HTREEITEM root = tree.InsertItem("Начало", kStartImage, kStartImage, TVI_ROOT, TVI_LAST);
    tree.SetItemData(root, kCodeStart);
    for (const Mode& mode : kModes) {
        const HTREEITEM item = tree.InsertItem(mode.caption, mode.image, mode.image, root, TVI_LAST);
        tree.SetItemData(item, static_cast<DWORD_PTR>(mode.code));
    }
    tree.Expand(root, TVE_EXPAND);
    ModifyStyleBits(TVS_SHOWSELALWAYS, TRUE);
    SelectByItemData(kCodeStart);
    tree.SetItemHeight(kItemHeight);
}

void CTreeWorkFlow::OnSelChanged(NMHDR*, LRESULT* result) {
    *result = 0;
    CTreeCtrl& tree = GetTreeCtrl();
    const HTREEITEM item = tree.GetSelectedItem();
    if (m_bSkipNextChange) {
        m_bSkipNextChange = FALSE;
        return;
    }
    if (!item) return;
    const int code = static_cast<int>(tree.GetItemData(item));
    tree.Expand(item, TVE_EXPAND);
    m_nLastData = code;
    if (CMainFrame* frame = TheMainFrame()) frame->SwitchView(code);
}

HTREEITEM CTreeWorkFlow::FindItemData(HTREEITEM first, DWORD_PTR data) {
    CTreeCtrl& tree = GetTreeCtrl();
    for (HTREEITEM item = first; item; item = tree.GetNextSiblingItem(item)) {
        if (tree.GetItemData(item) == data) return item;
        if (const HTREEITEM found = FindItemData(tree.GetChildItem(item), data)) return found;
    }
    return nullptr;
}

BOOL CTreeWorkFlow::SelectByItemData(int code) {
    CTreeCtrl& tree = GetTreeCtrl();
    const HTREEITEM item = FindItemData(tree.GetRootItem(), static_cast<DWORD_PTR>(code));
    return item ? tree.SelectItem(item) : FALSE;
}

void CTreeWorkFlow::FillFormSteps(int formTypeId, BOOL editing, BOOL readOnly) {
    CWaitCursor wait;
    CTreeCtrl& tree = GetTreeCtrl();
    const HTREEITEM parent = tree.GetSelectedItem();
    ClearFormSteps();
    if (!parent) return;
    int firstCode = -1;
    const int image = formTypeId + kStartImage;
    // Steps read before a database error stay, and the first of them is shown.
    WithProgramDatabase([&](CSQLite3DB& db) {
        CString sql;
        sql.Format("select Caption, ItemDataName, ItemDataValue from FormBuilder fb\tinner join FormViews fv on "
                   "fb.formViewID = fv.ID where formtypeid = %d order by SequenceNum ",
                   formTypeId);
        for (CSQLite3Query query = db.execQuery(sql); !query.eof(); query.nextRow()) {
            CString caption = query.getStringField("Caption", "");
            int code = query.getIntField("ItemDataValue", 0);
            if (code == kCodeFinalStep && editing) {
                code = kCodeFinalStepEditing;
                caption = "Редакция";
            } else if (code == kCodeFinalStep && readOnly) {
                code = kCodeFinalStepReadOnly;
                caption = "Справка";
            }
            const HTREEITEM item = tree.InsertItem(caption, image, image, parent, TVI_LAST);
            tree.SetItemData(item, static_cast<DWORD_PTR>(code));
            if (firstCode == -1) firstCode = code;
        }
    });
    tree.Expand(parent, TVE_EXPAND);
    if (firstCode != -1) SelectByItemData(firstCode);
}

void CTreeWorkFlow::ClearFormSteps() {
    CTreeCtrl& tree = GetTreeCtrl();
    const HTREEITEM root = tree.GetRootItem();
    if (!root) return;
    for (HTREEITEM mode = tree.GetChildItem(root); mode; mode = tree.GetNextSiblingItem(mode))
        while (const HTREEITEM step = tree.GetChildItem(mode)) tree.DeleteItem(step);
}

BOOL CTreeWorkFlow::HasFormSteps() {
    CTreeCtrl& tree = GetTreeCtrl();
    const HTREEITEM root = tree.GetRootItem();
    for (HTREEITEM mode = root ? tree.GetChildItem(root) : nullptr; mode; mode = tree.GetNextSiblingItem(mode))
        if (tree.GetChildItem(mode)) return TRUE;
    return FALSE;
}

BOOL CTreeWorkFlow::SelectNextStep() {
    CTreeCtrl& tree = GetTreeCtrl();
    const HTREEITEM selected = tree.GetSelectedItem();
    const HTREEITEM next = selected ? tree.GetNextSiblingItem(selected) : nullptr;
    return next ? tree.SelectItem(next) : FALSE;
}

BOOL CTreeWorkFlow::SelectPrevStep() {
    CTreeCtrl& tree = GetTreeCtrl();
    const HTREEITEM selected = tree.GetSelectedItem();
    const HTREEITEM previous = selected ? tree.GetPrevSiblingItem(selected) : nullptr;
    return previous ? tree.SelectItem(previous) : FALSE;
}

void CTreeWorkFlow::ModifyStyleBits(DWORD bits, BOOL set) {
    CTreeCtrl& tree = GetTreeCtrl();
    if (set)
        tree.ModifyStyle(0, bits, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    else
        tree.ModifyStyle(bits, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
}
