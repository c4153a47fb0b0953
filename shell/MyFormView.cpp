#include "shell/MyFormView.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <vector>

#include "controls/ComboHelpers.h"
#include "controls/DialogHelpers.h"
#include "controls/MsgBoxEx.h"
#include "db/ProgramFolder.h"
#include "platform/Menu.h"
#include "platform/MessageBox.h"
#include "platform/SystemInfo.h"
#include "platform/WaitCursor.h"
#include "reports/DlgReport.h"
#include "res/StoredFormIds.h"
#include "shell/FormReport.h"
#include "shell/MainFrm.h"
#include "shell/PageHeader.h"
#include "shell/ProgramDatabase.h"
#include "shell/StoredForms.h"
#include "store/FormDocument.h"

// Both modes are recorded with the list as their base, so that a switch between them
// always replaces the view.
IMPLEMENT_DYNAMIC(CMyFormView, CFormView)
IMPLEMENT_DYNCREATE(CMyEdit_FormView, CMyFormView)
IMPLEMENT_DYNCREATE(CMyReport_FormView, CMyFormView)

namespace {

constexpr char kNoFormToDelete[] = "Няма избран формуляр който да бъде изтрит!";
constexpr char kDeleteQuestion[] = "Сигурни ли сте, че желаете да изтриете избрания формуляр?";
constexpr char kDeleteCaption[] = "Внимание!!!";
constexpr char kFormGone[] =
    "Избраният формуляр вече е изтрит (от друг потребител или друга програма).\nСписъкът е обновен.";

struct GridColumn {
    const char* heading;
    int width;  // before the columns are spread over the list's width
};
constexpr GridColumn kColumns[CMyFormView::kColumnCount] = {
    {"№", 10},         {"Формуляр", 120},  {"Код", 0},         {"Обект на мониторинг", 100},   {"Дата", 50},
    {"Час", 50},       {"Потребител", 50}, {"Институция", 60}, {"Последна промяна", 70},
};

int SelectedItemData(const CComboBox& combo) {
    int data = -1;
    CString text;
    CComboHelpers::GetSelection(combo, data, text);
    return data;
}

}  // namespace

CMyFormView::CMyFormView(int mode) : CFormView(IDD_STORED_FORMS), m_nMode(mode) {}

CMyFormView::~CMyFormView() = default;

const MessageMap& CMyFormView::GetMessageMap() const {
    static const MessageMap map(CFormView::GetMessageMap(), {
        OnClicked(IDC_STORED_SHOW, &CMyFormView::OnShow),
        OnSelChange(IDC_STORED_FORM_TYPE, &CMyFormView::OnShow),
        OnClicked(IDC_STORED_SHOW_ALL, &CMyFormView::OnShowAll),
        OnClicked(IDC_STORED_CLEAR, &CMyFormView::OnClear),
        OnClicked(IDC_STORED_DELETE, &CMyFormView::OnDeleteForm),
        OnClicked(IDC_STORED_LOAD, &CMyFormView::OnLoad),
        OnCommand(ID_STORED_DELETE, &CMyFormView::OnDeleteForm),
        OnCommand(ID_STORED_PRINT, &CMyFormView::OnShowReportCmd),
        OnCommand(ID_STORED_OPEN_FOR_READING, &CMyFormView::OnLoadForReading),
        OnNotify(IDC_STORED_GRID, NM_DBLCLK, &CMyFormView::OnGridDblClk),
        OnNotify(IDC_STORED_GRID, NM_RCLICK, &CMyFormView::OnGridRClick),
    });
    return map;
}

void CMyFormView::DoDataExchange(CDataExchange* pDX) {
    CFormView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_STORED_FORM_TYPE, m_cbFormType);
    DDX_Control(pDX, IDC_STORED_USER, m_cbUser);
    DDX_Control(pDX, IDC_STORED_GRID, m_grid);
}

CTovan_splitDoc* CMyFormView::FormDocument() const { return dynamic_cast<CTovan_splitDoc*>(GetDocument()); }

void CMyFormView::OnInitialUpdate() {
    CFormView::OnInitialUpdate();
    // The framework's File New prepares the shown view again: it is filled once.
    if (++m_nInitCount > 1) return;
    SetUpGrid();
    CRect client;
    GetClientRect(&client);
    LayOutGrid(client.Width(), client.Height());
    const CString database = TheProgramFolder().DatabasePath();
    FillCombo(IDC_STORED_USER, database, "Users", "ID", "UserName");
    FillCombo(IDC_STORED_FORM_TYPE, database, "FormNames", "ID", "Name");
    const bool editing = m_nMode == kEditing;
    SetDlgItemText(IDC_STORED_TITLE, editing ? "Редакция." : "Справка.");
    if (CWnd* deleteButton = GetDlgItem(IDC_STORED_DELETE)) deleteButton->ShowWindow(editing ? SW_SHOW : SW_HIDE);
    SetDlgItemText(IDC_STORED_LOAD, editing ? "Зареди за редакция" : "Зареди за четене");
    SetControlFont(this, "Times New Roman", IDC_STORED_TITLE);
}

void CMyFormView::SetUpGrid() {
    m_grid.SetFixedRowCount(1);
    m_grid.SetFixedColumnCount(0);
    m_grid.SetListMode(TRUE);
    m_grid.SetSingleRowSelection(TRUE);
    m_grid.SetEditable(FALSE);
    for (const GridColumn& column : kColumns)
        m_grid.SetColumnWidth(m_grid.InsertColumn(column.heading, DT_CENTER | DT_VCENTER | DT_SINGLELINE), column.width);
    m_grid.ExpandColumnsToFit();
}

void CMyFormView::OnSize(UINT type, int cx, int cy) {
    CFormView::OnSize(type, cx, cy);
    LayOutGrid(cx, cy);
}

// The list fills the view below the filters, a small margin all round.
void CMyFormView::LayOutGrid(int cx, int cy) {
    const CWnd* group = GetDlgItem(IDC_STORED_GROUP);
    if (cx <= kMinLayoutWidth || !m_grid.GetSafeHwnd() || !group) return;
    const int top = WindowRectInParent(*group).bottom + kMargin;
    m_grid.MoveWindow(kMargin, top, std::max(0, cx - 2 * kMargin), std::max(0, cy - kMargin - top));
    m_grid.ExpandColumnsToFit();
}

void CMyFormView::FillCombo(int comboId, const CString& databasePath, const CString& table, const CString& idColumn,
                            const CString& textColumn) {
    CComboBox* combo = comboId == IDC_STORED_USER ? &m_cbUser : comboId == IDC_STORED_FORM_TYPE ? &m_cbFormType : nullptr;
    if (!combo) return;
    try {
        CSQLite3DB db;
        db.open(databasePath);
        CString sql;
        sql.Format("select %s, %s from %s", idColumn, textColumn, table);
        for (CSQLite3Query query = db.execQuery(sql); !query.eof(); query.nextRow()) {
            const int index = combo->AddString(query.getStringField(1, ""));
            combo->SetItemData(index, static_cast<DWORD>(query.getIntField(0, 0)));
        }
    } catch (const CSQLite3Exception& error) {
        ShowDatabaseError(error);  // the entries read so far stay
    }
    CComboHelpers::SetDroppedWidthToFit(*combo);
}

void CMyFormView::FillList(int formTypeId, int userId, int limit) {
    // Drawing is off before the old rows go, so that neither removing nor adding rows lays
    // the grid out again row by row.
    m_grid.SetRedraw(FALSE);
    m_grid.DeleteNonFixedRows();
    // Rows read before a database error stay.
    WithProgramDatabase([&](CSQLite3DB& db) {
        CSQLite3Query query = db.execQuery(
            StoredFormsQuery(formTypeId, userId, limit, ChooseStoredFormsPlan(db, userId)));
        AppendRows(m_grid, query);
    });
    m_grid.SetRedraw(TRUE, TRUE);
}

void CMyFormView::AppendRows(CGridCtrl& grid, CSQLite3Query& query) {
    const CStoredFormReader reader(query);
    std::vector<StoredFormRow> forms;
    // Rows go into the grid a batch at a time: the grid grows once per batch, and every row
    // gets the height of a numbered heading, measured once.
    const auto addBatch = [&] {
        if (forms.empty()) return;
        const int first = grid.GetRowCount();
        grid.SetRowCount(first + static_cast<int>(forms.size()));
        int height = -1;
        for (size_t i = 0; i < forms.size(); ++i) {
            StoredFormRow& form = forms[i];
            const int row = first + static_cast<int>(i);
            grid.SetItemText(row, kNumberColumn, CString(std::to_string(row)));
            if (height < 0) height = grid.GetTextExtent(row, kNumberColumn, grid.GetItemText(row, kNumberColumn)).cy;
            grid.SetRowHeight(row, height);
            grid.SetItemData(row, kNumberColumn, form.formId);
            grid.SetItemText(row, kFormTypeColumn, std::move(form.formTypeName));
            grid.SetItemData(row, kFormTypeColumn, form.formTypeId);
            grid.SetItemText(row, kCodeColumn, std::move(form.formCode));
            grid.SetItemText(row, kObjectColumn, std::move(form.objectName));
            grid.SetItemText(row, kDateColumn, std::move(form.createdDate));
            grid.SetItemText(row, kTimeColumn, std::move(form.createdTime));
            grid.SetItemText(row, kUserColumn, std::move(form.userName));
            grid.SetItemText(row, kInspectorateColumn, std::move(form.inspectorate));
            grid.SetItemText(row, kLastChangeColumn, std::move(form.lastChange));
        }
        forms.clear();
    };
    constexpr size_t kBatch = 4096;
    try {
        for (; !query.eof(); query.nextRow()) {
            forms.push_back(reader.Read(query));
            if (forms.size() == kBatch) addBatch();
        }
    } catch (...) {
        addBatch();
        throw;
    }
    addBatch();
}

int CMyFormView::GetLimit() const {
    CString text;
    GetDlgItemText(IDC_STORED_LIMIT, text);
    text.Trim();
    const char* const first = text.GetString();
    const char* const last = first + std::char_traits<char>::length(first);
    int limit = 0;
    const auto [end, error] = std::from_chars(first, last, limit);
    if (error == std::errc::result_out_of_range) return INT_MAX;  // more rows than any list holds
    return error == std::errc() ? limit : 0;
}

void CMyFormView::ShowReport(int formTypeId) { PrintFormReport(m_pReportDlg, FormDocument(), formTypeId); }

// ---- filters ------------------------------------------------------------------------------

void CMyFormView::OnShow() { FillList(SelectedItemData(m_cbFormType), SelectedItemData(m_cbUser), GetLimit()); }

void CMyFormView::OnShowAll() { FillList(-1, -1, -1); }

void CMyFormView::OnClear() {
    SetDlgItemText(IDC_STORED_LIMIT, "");
    m_cbUser.SetCurSel(-1);
    m_cbFormType.SetCurSel(-1);
    m_grid.DeleteNonFixedRows();
    m_grid.Refresh();
}

// ---- rows ---------------------------------------------------------------------------------

BOOL CMyFormView::IsDataRow(int row) const { return row >= m_grid.GetFixedRowCount() && row < m_grid.GetRowCount(); }

int CMyFormView::SelectedDataRow() const {
    const CCellRange selected = m_grid.GetSelectedCellRange();
    if (!selected.IsValid() || !IsDataRow(selected.GetMinRow())) return -1;
    return selected.GetMinRow();
}

void CMyFormView::OnGridDblClk(NMHDR* header, LRESULT* result) {
    *result = 0;
    const int row = reinterpret_cast<const NM_GRIDVIEW*>(header)->iRow;
    if (IsDataRow(row)) OpenRow(row, m_nMode == kEditing ? Opening::kEdit : Opening::kPrint);
}

void CMyFormView::OnGridRClick(NMHDR* header, LRESULT* result) {
    *result = 0;
    const auto* cell = reinterpret_cast<const NM_GRIDVIEW*>(header);
    if (!IsDataRow(cell->iRow) || cell->iColumn < 0) return;
    m_grid.SetSelectedRange(cell->iRow, 0, cell->iRow, m_grid.GetColumnCount() - 1, TRUE);
    CMenu menu;
    if (!menu.LoadMenu(IDR_STORED_FORM_MENU)) return;
    CMenu* popup = menu.GetSubMenu(m_nMode == kEditing ? 0 : 1);
    if (!popup) return;
    CPoint point;
    GetCursorPos(&point);
    popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
}

void CMyFormView::OnLoad() {
    const int row = SelectedDataRow();
    if (row >= 0) OpenRow(row, m_nMode == kEditing ? Opening::kEdit : Opening::kRead);
}

void CMyFormView::OnShowReportCmd() {
    const int row = SelectedDataRow();
    if (m_nMode == kLookup && row >= 0) OpenRow(row, Opening::kPrint);
}

void CMyFormView::OnLoadForReading() {
    const int row = SelectedDataRow();
    if (m_nMode == kLookup && row >= 0) OpenRow(row, Opening::kRead);
}

BOOL CMyFormView::ConfirmFormIsLive(int formId) {
    int live = 0;
    const BOOL read = WithProgramDatabase([&](CSQLite3DB& db) {
        CString sql;
        sql.Format("select count(*) from Forms where ID = %d and Del is NULL", formId);
        live = db.execQuery(sql).getIntField(0, 0);
    });
    if (!read) return FALSE;
    if (live > 0) return TRUE;
    AfxMessageBox(kFormGone, MB_OK);
    OnShow();
    return FALSE;
}

void CMyFormView::OpenRow(int row, Opening how) {
    CTovan_splitDoc* const document = FormDocument();
    if (!document || !IsDataRow(row)) return;
    const int formId = static_cast<int>(m_grid.GetItemData(row, kNumberColumn));
    const int formTypeId = static_cast<int>(m_grid.GetItemData(row, kFormTypeColumn));
    if (!ConfirmFormIsLive(formId)) return;
    CMainFrame* const frame = TheMainFrame();
    // The document holds one form: one typed and not stored yet would be lost.
    const char* const question = how == Opening::kPrint  ? "Да бъде ли показана справка за избрания формуляр?"
                                 : how == Opening::kEdit ? "Да бъде ли отворен избраният формуляр за редакция?"
                                                         : "Да бъде ли отворен избраният формуляр за четене?";
    if (frame && !frame->ConfirmDiscardUnsavedInput(question)) return;

    document->ClearAll();
    document->FormTypeID = formTypeId;
    if (!document->LoadForm(formId)) {
        // The error has been shown. A form loaded in part is neither printed nor opened: its
        // "Редактирай" would store the missing part as deleted.
        document->ClearAll();
        if (frame) frame->ClearFormSteps();
        return;
    }
    document->SetModifiedFlag(FALSE);
    switch (how) {
    case Opening::kPrint:
        if (frame) frame->ClearFormSteps();
        ShowReport(formTypeId);
        break;
    // The form's first step replaces this view: nothing of it is touched from here on.
    case Opening::kEdit:
        if (frame) frame->OpenForm(formTypeId, TRUE, FALSE);
        break;
    case Opening::kRead:
        if (frame) frame->OpenForm(formTypeId, FALSE, TRUE);
        break;
    }
}

void CMyFormView::OnDeleteForm() {
    const CCellRange selected = m_grid.GetSelectedCellRange();
    const int row = selected.GetMinRow();
    const bool oneWholeRow = row == selected.GetMaxRow() && IsDataRow(row) && selected.GetMinCol() == 0 &&
                             selected.GetMaxCol() == m_grid.GetColumnCount() - 1;
    if (!oneWholeRow) {
        AfxMessageBox(kNoFormToDelete, MB_OK);
        return;
    }
    if (CMsgBoxEx(kDeleteQuestion, kDeleteCaption, MB_YESNO) != IDYES) return;

    CWaitCursor wait;
    const int formId = static_cast<int>(m_grid.GetItemData(row, kNumberColumn));
    CTovan_splitDoc* const document = FormDocument();
    if (!document || !ConfirmFormIsLive(formId)) return;
    CMainFrame* const frame = TheMainFrame();
    // Deleting the form in hand also drops what has been typed into it since it was opened.
    if (frame && document->FormID == formId && !frame->ConfirmDiscardUnsavedInput("Да бъде ли изтрит формулярът?"))
        return;
    // A failed delete has changed nothing and shown why: the list is still right as it is.
    if (!document->DeleteForm(formId)) return;
    if (document->FormID == formId) {
        // The form in hand is gone: its steps must not store it again.
        document->ClearAll();
        document->SetModifiedFlag(FALSE);
        if (frame) frame->ClearFormSteps();
    }
    OnShow();
}
