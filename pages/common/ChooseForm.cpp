#include "pages/common/ChooseForm.h"

#include "pages/common/CommonForm01.h"
#include "res/ListPageIds.h"
#include "shell/MainFrm.h"
#include "shell/PageHeader.h"
#include "shell/ProgramDatabase.h"
#include "store/FormDocument.h"
#include "store/SqlText.h"

IMPLEMENT_DYNCREATE(CChooseForm, CFormView)

CChooseForm::CChooseForm() : CFormView(IDD_OLD_CHOOSE_FORM) {}

const MessageMap& CChooseForm::GetMessageMap() const {
    static const MessageMap map(CFormView::GetMessageMap(), {
        OnNotify(IDC_SPECIES_TYPES, NM_CLICK, &CChooseForm::OnClickSpeciesTypes),
        OnNotify(IDC_FORMS, NM_CLICK, &CChooseForm::OnClickForms),
        OnNotify(IDC_FORMS, NM_DBLCLK, &CChooseForm::OnDblClickForms),
        OnClicked(IDC_CONTINUE, &CChooseForm::OnContinue),
    });
    return map;
}

void CChooseForm::DoDataExchange(CDataExchange* pDX) {
    CFormView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SPECIES_TYPES, m_types);
    DDX_Control(pDX, IDC_FORMS, m_forms);
}

void CChooseForm::OnInitialUpdate() {
    CFormView::OnInitialUpdate();
    for (auto [list, heading] : {std::pair{&m_types, "Вид"}, {&m_forms, "Форма"}}) {
        list->InsertColumn(0, "№", LVCFMT_LEFT, 30);
        list->InsertColumn(1, heading, LVCFMT_LEFT, 500);
        list->SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_TRACKSELECT);
    }
    FillList(m_types, "select id, Name from old_SpeciesType", "id");
    m_forms.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    if (CWnd* button = GetDlgItem(IDC_CONTINUE)) button->EnableWindow(FALSE);
    SetControlFont(this, "Times New Roman", IDC_TITLE);
}

void CChooseForm::FillList(CListCtrl& list, const CString& sql, const char* idColumn) {
    WithProgramDatabase([&](CSQLite3DB& db) {
        for (CSQLite3Query query = db.execQuery(sql); !query.eof(); query.nextRow()) {
            CString number;
            number.Format("%d", list.GetItemCount() + 1);
            const int item = list.InsertItem(list.GetItemCount(), number);
            list.SetItemText(item, 1, query.getStringField("Name"));
            list.SetItemData(item, static_cast<DWORD_PTR>(atoi(query.getStringField(idColumn))));
        }
    });
}

int CChooseForm::SingleSelection(const CListCtrl& list) {
    if (list.GetSelectedCount() != 1) return -1;
    POSITION position = list.GetFirstSelectedItemPosition();
    return static_cast<int>(list.GetItemData(list.GetNextSelectedItem(position)));
}

void CChooseForm::FillForms(int speciesTypeId) {
    m_forms.DeleteAllItems();
    if (CWnd* button = GetDlgItem(IDC_CONTINUE)) button->EnableWindow(FALSE);
    FillList(m_forms, FormatSql("select ID, SpeciesID, Name from old_Form where SpeciesID = %d", speciesTypeId), "ID");
}

void CChooseForm::OnClickSpeciesTypes(NMHDR*, LRESULT*) {
    BeginWaitCursor();
    FillForms(SingleSelection(m_types));
    EndWaitCursor();
}

void CChooseForm::OnClickForms(NMHDR*, LRESULT*) {
    if (m_forms.GetSelectedCount() == 1)
        if (CWnd* button = GetDlgItem(IDC_CONTINUE)) button->EnableWindow(TRUE);
}

void CChooseForm::OnDblClickForms(NMHDR*, LRESULT*) {
    if (m_forms.GetSelectedCount() == 1) OnContinue();
}

void CChooseForm::OnContinue() {
    if (m_forms.GetSelectedCount() != 1) return;
    const int formType = SingleSelection(m_forms);
    if (auto* document = dynamic_cast<CTovan_splitDoc*>(GetDocument())) document->FormTypeID = formType;
    for (int item = 0; item < m_forms.GetItemCount(); ++item) m_forms.SetItemState(item, 0, LVIS_SELECTED);
    if (CWnd* button = GetDlgItem(IDC_CONTINUE)) button->EnableWindow(FALSE);
    if (CMainFrame* frame = TheMainFrame()) frame->ShowView(RUNTIME_CLASS(CCommonForm_01));
}
