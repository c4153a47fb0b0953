#include "pages/common/ChooseForm00.h"

#include "controls/DialogHelpers.h"
#include "controls/ListBoxHelpers.h"
#include "pages/common/PageValues.h"
#include "platform/MessageBox.h"
#include "platform/WaitCursor.h"
#include "res/ShellIds.h"
#include "shell/MainFrm.h"
#include "shell/PageHeader.h"
#include "shell/ProgramDatabase.h"
#include "store/FormDocument.h"
#include "store/SqlText.h"

IMPLEMENT_DYNCREATE(CChooseForm_00, CFormView)

namespace {

constexpr int kSuperGroupOffset = 1000000;
constexpr int kGroupOffset = 100000;
constexpr int kSubgroupOffset = 10000;
constexpr int kNoNode = 10000000;
constexpr int kListTop = 60;
constexpr int kLabelBottom = 57;
constexpr int kBarWidth = 3;

// The species of a group without a subgroup, and of a subgroup: Bulgarian name first for
// super group 4, Latin name first for the rest, the one name where there is only one.
constexpr char kSpeciesOfGroup[] =
    "select ID,  CASE WHEN Name_bg is NULL THEN Name_lat\t\t\t\t\t\t\t\t\t                 WHEN Name_lat is NULL "
    "THEN  Name_bg\t\t\t\t\t\t\t\t\t            ELSE case when SuperGroupID = 4 then Name_bg  || ' (' || Name_lat  || "
    "')'\t                 else  Name_lat || ' (' || Name_bg || ')'\t\t\t\t\t\t\t\t                 "
    "end\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t           END as Name\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\tfrom sAllSpecies "
    "where SubGroupID is NULL  and groupID = %d\t\t\t\t\t\t\t";
constexpr char kSpeciesOfSubgroup[] =
    "select ID,  CASE WHEN Name_bg is NULL THEN Name_lat\t\t\t\t\t\t\t\t\t                 WHEN Name_lat is NULL "
    "THEN  Name_bg\t\t\t\t\t\t\t\t\t            ELSE case when SuperGroupID = 4 then Name_bg  || ' (' || Name_lat  || "
    "')'\t                 else  Name_lat || ' (' || Name_bg || ')'\t\t\t\t\t\t\t\t                 "
    "end\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t           END as Name\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\tfrom sAllSpecies "
    "where SubGroupID = %d\t\t\t\t\t\t\t\t\t\t\t\t\t";

// Appends one child per row of the query: its Name, and its ID plus `offset` as item data.
// Returns the (item, ID) of each child for the levels below.
struct Node {
    HTREEITEM item;
    int id;
};
std::vector<Node> AppendNodes(CSQLite3DB& db, CTreeCtrl& tree, HTREEITEM parent, const CString& sql, int offset) {
    std::vector<Node> nodes;
    for (CSQLite3Query query = db.execQuery(sql); !query.eof(); query.nextRow()) {
        const int id = LeadingInteger(query.getStringField("ID", ""));
        const HTREEITEM item = tree.InsertItem(query.getStringField("Name", ""), parent, TVI_LAST);
        tree.SetItemData(item, static_cast<DWORD_PTR>(id + offset));
        nodes.push_back({item, id});
    }
    return nodes;
}

}  // namespace

SpeciesNode SpeciesNodeOf(int itemData) {
    if (itemData <= 0 || itemData >= kNoNode) return {0, 0};
    if (itemData < kSubgroupOffset) return {itemData, 1};
    if (itemData < kGroupOffset) return {itemData - kSubgroupOffset, 2};
    if (itemData < kSuperGroupOffset) return {itemData - kGroupOffset, 3};
    return {itemData - kSuperGroupOffset, 4};
}

CChooseForm_00::CChooseForm_00() : CFormView(IDD_CHOOSE_FORM) {}

const MessageMap& CChooseForm_00::GetMessageMap() const {
    static const MessageMap map(CFormView::GetMessageMap(), {
        OnClicked(IDC_CONTINUE, &CChooseForm_00::OnContinue),
        OnLbnDblclk(IDC_FORMS, &CChooseForm_00::OnContinue),
        OnTvnSelChanged(IDC_TREE, &CChooseForm_00::OnSelChangedTree),
        OnNotify(IDC_SPLITTER, NM_SPLITTERBAR_MOVED, &CChooseForm_00::OnSplitterMoved),
    });
    return map;
}

void CChooseForm_00::DoDataExchange(CDataExchange* pDX) {
    CFormView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TREE, m_tree);
    DDX_Control(pDX, IDC_FORMS, m_forms);
}

CTovan_splitDoc* CChooseForm_00::FormDocument() const { return dynamic_cast<CTovan_splitDoc*>(GetDocument()); }

void CChooseForm_00::OnInitialUpdate() {
    CFormView::OnInitialUpdate();
    FillSpeciesTree();
    m_tree.ModifyStyle(0, TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS);
    if (CWnd* place = GetDlgItem(IDC_SPLITTER)) {
        m_splitter.Create(WS_CHILD | WS_VISIBLE, WindowRectInParent(*place), this, IDC_SPLITTER);
        m_splitter.SetRange(kDragRange, kDragRange, -1);
    }
    LayOut();
    SetControlFont(this, "Times New Roman", IDC_PAGE_TITLE);
}

void CChooseForm_00::FillSpeciesTree() {
    m_tree.DeleteAllItems();
    WithProgramDatabase([&](CSQLite3DB& db) {
        const auto superGroups = AppendNodes(
            db, m_tree, TVI_ROOT, "select ID, Name_lat || ' (' || Name_bg || ')' as Name from sSuperGroups", kSuperGroupOffset);
        for (const Node& superGroup : superGroups) {
            const auto groups = AppendNodes(
                db, m_tree, superGroup.item,
                FormatSql("select ID, Name_lat || ' (' || Name_bg || ')' as Name from sGroups  where SuperGroupID = %d",
                          superGroup.id),
                kGroupOffset);
            for (const Node& group : groups) {
                AppendNodes(db, m_tree, group.item, FormatSql(kSpeciesOfGroup, group.id), 0);
                const auto subgroups = AppendNodes(
                    db, m_tree, group.item,
                    FormatSql("select ID, Name_lat || ' (' || Name_bg || ')' as Name from sSubGroups where GroupID = %d",
                              group.id),
                    kSubgroupOffset);
                for (const Node& subgroup : subgroups)
                    AppendNodes(db, m_tree, subgroup.item, FormatSql(kSpeciesOfSubgroup, subgroup.id), 0);
            }
        }
    });
}

void CChooseForm_00::FillForms(CListBox& list, int id, int level) {
    CWaitCursor wait;
    list.ResetContent();
    WithProgramDatabase([&](CSQLite3DB& db) {
        const CString sql = FormatSql(
            "select r.ID,  r.SpeciesType, n.ID as formID, a.Name_lat, n.Name  as Name from SpeciesFormsRel r inner join "
            "sAllSpecies a on r.SpeciesID = a.ID inner join FormNames n on r.FormNameID = n.ID where a.ID = %d and  "
            "r.SpeciesType = %d order by SequenceNum ",
            id, level);
        for (CSQLite3Query query = db.execQuery(sql); !query.eof(); query.nextRow()) {
            const int index = list.AddString(query.getStringField("Name", ""));
            list.SetItemData(index, static_cast<DWORD>(LeadingInteger(query.getStringField("formID", ""))));
        }
    });
    CListBoxHelpers::SetHorizontalExtentToFit(list);
}

void CChooseForm_00::OnSelChangedTree(NMHDR*, LRESULT* result) {
    *result = 0;
    const HTREEITEM item = m_tree.GetSelectedItem();
    if (!item) return;
    const SpeciesNode node = SpeciesNodeOf(static_cast<int>(m_tree.GetItemData(item)));
    if (node.level == 0) return;
    FillForms(m_forms, node.id, node.level);
}

void CChooseForm_00::OnContinue() {
    const int selected = m_forms.GetCurSel();
    if (selected == LB_ERR) {
        AfxMessageBox("Няма избрана форма!", MB_OK);
        return;
    }
    CTovan_splitDoc* const document = FormDocument();
    if (!document) return;
    CMainFrame* const frame = TheMainFrame();
    // The document holds one form: a form opened before and changed since would be lost.
    // Asked before anything of the document changes, so that "Не" leaves it whole.
    if (frame && !frame->ConfirmDiscardUnsavedInput("Да бъде ли започнат нов формуляр?")) return;
    if (const HTREEITEM item = m_tree.GetSelectedItem())
        document->SpeciesID = static_cast<int>(m_tree.GetItemData(item));
    const int formTypeId = static_cast<int>(m_forms.GetItemData(selected));
    document->ClearAll();
    document->FormTypeID = formTypeId;
    ReadFormName(*document, formTypeId);
    ReadSpeciesName(*document, document->SpeciesID);
    // The first step of the form replaces this view: nothing of it is touched afterwards.
    if (frame) frame->OpenForm(formTypeId, FALSE, FALSE);
}

void CChooseForm_00::ReadFormName(CTovan_splitDoc& document, int formTypeId) {
    WithProgramDatabase([&](CSQLite3DB& db) {
        CSQLite3Query query = db.execQuery(FormatSql("select ID, Name from FormNames where ID = %d ", formTypeId));
        if (!query.eof()) document.FormName = query.getStringField("Name", "");
    });
}

// A form started on a group of species names it as the stored form will when opened again,
// so that the page header and a print before storing show the object the form is about (not
// the species chosen for an earlier form).
void CChooseForm_00::ReadSpeciesName(CTovan_splitDoc& document, int combinedId) {
    WithProgramDatabase([&](CSQLite3DB& db) { document.ReadTaxonName(db, combinedId); });
}

void CChooseForm_00::LayOut() {
    if (!m_tree.GetSafeHwnd() || !m_forms.GetSafeHwnd()) return;
    CRect client;
    GetClientRect(&client);
    const int width = client.Width();
    const int height = client.Height();
    const int fifth = width / 5;
    const int bottom = height - 80;
    m_tree.MoveWindow(0, kListTop, 2 * fifth, bottom - kListTop);
    if (m_splitter.GetSafeHwnd()) m_splitter.MoveWindow(2 * fifth, kListTop, kBarWidth, bottom - kListTop);
    m_forms.MoveWindow(2 * fifth + kBarWidth, kListTop, width - 10 - (2 * fifth + kBarWidth), bottom - kListTop);
    const auto placeLabel = [&](int id, int left) {
        CWnd* label = GetDlgItem(id);
        if (!label) return;
        const CRect rect = WindowRectInParent(*label);
        label->MoveWindow(left, kLabelBottom - rect.Height(), rect.Width(), rect.Height());
    };
    placeLabel(IDC_FORMS_LABEL, 2 * fifth + kBarWidth);
    placeLabel(IDC_OBJECTS_LABEL, 3);
    if (CWnd* button = GetDlgItem(IDC_CONTINUE)) {
        const CRect rect = WindowRectInParent(*button);
        button->MoveWindow(width - 10 - rect.Width(), height - 10 - rect.Height(), rect.Width(), rect.Height());
    }
    SetScrollSizes(MM_TEXT, client.Size());
}

void CChooseForm_00::OnSize(UINT type, int cx, int cy) {
    CFormView::OnSize(type, cx, cy);
    LayOut();
}

void CChooseForm_00::OnSplitterMoved(NMHDR* header, LRESULT* result) {
    *result = 0;
    const int delta = reinterpret_cast<NM_SPLITTERBAR*>(header)->delta;
    CSplitterBar::ChangeWidth(&m_tree, delta, 1);
    CSplitterBar::ChangeWidth(&m_forms, -delta, 2);
    CSplitterBar::ChangePos(GetDlgItem(IDC_FORMS_LABEL), -delta, 0);
    Invalidate();
    UpdateWindow();
}
