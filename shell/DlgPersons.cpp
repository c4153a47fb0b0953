#include "shell/DlgPersons.h"

#include "controls/ComboHelpers.h"
#include "platform/Controls.h"
#include "platform/ListControls.h"
#include "platform/MessageBox.h"
#include "shell/PageHeader.h"
#include "shell/ProgramDatabase.h"
#include "store/SqlText.h"

REGISTER_DIALOG_CLASS(CDlg_Persons)

namespace {

struct PersonColumn {
    const char* heading;
    int width;
};
constexpr PersonColumn kColumns[] = {
    {"№", 25}, {"Име", 70}, {"Презиме", 70}, {"Фамилия", 70}, {"Е-поща", 70}, {"Институция", 70}, {"Длъжност", 70},
};

}  // namespace

CDlg_Persons::CDlg_Persons(int mode, CWnd* parent) : CDialog(IDD, parent), m_nMode(mode) {}

const MessageMap& CDlg_Persons::GetMessageMap() const {
    static const MessageMap map(CDialog::GetMessageMap(), {
        OnClicked(IDC_FIND, &CDlg_Persons::FindPersons),
        OnClicked(IDC_ADD, &CDlg_Persons::OnAdd),
        OnClicked(IDC_CLEAR, &CDlg_Persons::OnClear),
        OnClicked(IDC_MODE_SEARCH, &CDlg_Persons::OnModeChanged),
        OnClicked(IDC_MODE_ADD, &CDlg_Persons::OnModeChanged),
        OnNotify(IDC_GRID, NM_DBLCLK, &CDlg_Persons::OnGridDblClick),
    });
    return map;
}

void CDlg_Persons::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_MODE_SEARCH, m_nMode);
    DDX_Text(pDX, IDC_FIRST_NAME, m_strFirstName);
    DDV_MaxChars(pDX, m_strFirstName, kMaxNameLength);
    DDX_Text(pDX, IDC_MID_NAME, m_strMidName);
    DDV_MaxChars(pDX, m_strMidName, kMaxNameLength);
    DDX_Text(pDX, IDC_LAST_NAME, m_strLastName);
    DDV_MaxChars(pDX, m_strLastName, kMaxNameLength);
    DDX_Text(pDX, IDC_EMAIL, m_strEmail);
    DDX_CBString(pDX, IDC_ORGANIZATION, m_strOrganization);
    DDX_Text(pDX, IDC_POSITION, m_strPosition);
    DDX_Control(pDX, IDC_GRID, m_grid);
}

BOOL CDlg_Persons::OnInitDialog() {
    CDialog::OnInitDialog();
    InitGrid();
    FillCombo(IDC_ORGANIZATION, "nRIOSW_NP_PP");
    UpdateButtons();
    SetControlFont(this, "Times New Roman", IDC_NOTHING_FOUND);
    return TRUE;
}

void CDlg_Persons::InitGrid() {
    m_grid.SetFixedRowCount(1);
    m_grid.SetFixedColumnCount(0);
    m_grid.SetListMode(TRUE);
    m_grid.SetSingleRowSelection(TRUE);
    m_grid.SetEditable(FALSE);
    for (const PersonColumn& column : kColumns)
        m_grid.SetColumnWidth(m_grid.InsertColumn(column.heading, DT_CENTER | DT_VCENTER | DT_SINGLELINE), column.width);
    m_grid.ExpandLastColumn();
}

void CDlg_Persons::FillCombo(int controlId, const char* table) {
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(controlId));
    if (!combo) return;
    combo->ResetContent();
    WithProgramDatabase([&](CSQLite3DB& db) {
        for (CSQLite3Query query = db.execQuery(FormatSql("select ID, Name from %s", table)); !query.eof(); query.nextRow())
            combo->SetItemData(combo->AddString(query.getStringField("Name")), static_cast<DWORD>(query.getIntField("ID")));
    });
    CComboHelpers::SetDroppedWidthToFit(*combo);
}

void CDlg_Persons::UpdateButtons() {
    if (CWnd* find = GetDlgItem(IDC_FIND)) find->EnableWindow(m_nMode == kSearch);
    if (CWnd* add = GetDlgItem(IDC_ADD)) add->EnableWindow(m_nMode == kAdd);
}

void CDlg_Persons::OnModeChanged() {
    UpdateData(TRUE);
    UpdateButtons();
}

void CDlg_Persons::TrimFields() {
    for (CString* field : {&m_strFirstName, &m_strMidName, &m_strLastName, &m_strEmail, &m_strOrganization, &m_strPosition}) {
        field->TrimLeft();
        field->TrimRight();
    }
}

int CDlg_Persons::ListPersons(const CString& sql) {
    m_grid.DeleteNonFixedRows();
    int found = 0;
    WithProgramDatabase([&](CSQLite3DB& db) {
        for (CSQLite3Query query = db.execQuery(sql); !query.eof(); query.nextRow()) {
            CString number;
            number.Format("%d", ++found);
            const int row = m_grid.InsertRow(number);
            m_grid.SetItemData(row, 0, query.getIntField("ID"));
            int column = 1;
            for (const char* field : {"FirstName", "MidName", "LastName", "EGN", "Organization", "Position"})
                m_grid.SetItemText(row, column++, query.getStringField(field));
        }
    });
    // Redrawn after every refill: a click must pick the person the table shows.
    m_grid.Refresh();
    return found;
}

// Every filled field narrows the search to the persons whose field contains it; letters
// match in either case.
void CDlg_Persons::FindPersons() {
    BeginWaitCursor();
    m_grid.DeleteNonFixedRows();
    UpdateData(TRUE);
    TrimFields();
    const CString first = QuoteSql(m_strFirstName), mid = QuoteSql(m_strMidName), last = QuoteSql(m_strLastName),
                  email = QuoteSql(m_strEmail), organization = QuoteSql(m_strOrganization),
                  position = QuoteSql(m_strPosition);
    const int found = ListPersons(FormatSql(
        " select ID, FirstName, MidName, LastName, EGN, Organization, Position from Person_Colaborator "
        " where ( '%s' like '' or upper( FirstName ) like upper( '%%%s%%' ) ) and "
        " ('%s'like '' or upper( MidName ) like '%%%s%%' ) and "
        " ('%s'like '' or upper( LastName ) like '%%%s%%' ) and "
        " ('%s'like '' or EGN like '%%%s%%' ) and "
        " ('%s'like '' or upper( Organization ) like '%%%s%%' ) and "
        " ('%s'like '' or upper( Position ) like '%%%s%%' ) ",
        first, first, mid, mid, last, last, email, email, organization, organization, position, position));
    m_grid.ShowWindow(found > 0 ? SW_SHOW : SW_HIDE);
    EndWaitCursor();
}

void CDlg_Persons::OnAdd() {
    UpdateData(TRUE);
    TrimFields();
    m_grid.ShowWindow(SW_SHOW);
    if (!ValidateFields()) return;
    if (FindSimilarPersons() > 0) {
        AfxMessageBox("В базата вече има въведени наблюдатели с подобни показатели, моля изберерте от списъка.", MB_OK);
        return;
    }
    if (InsertPerson()) FindSimilarPersons();
}

BOOL CDlg_Persons::Refuse(int controlId, const char* message) {
    AfxMessageBox(message, MB_OK);
    if (auto* edit = dynamic_cast<CEdit*>(GetDlgItem(controlId))) {
        GotoDlgCtrl(edit);
        edit->SetSel(0, -1);
        edit->ScrollCaret();
    }
    return FALSE;
}

BOOL CDlg_Persons::ValidateFields() {
    struct NameField {
        const CString& text;
        int id;
        const char* empty;
        const char* notCyrillic;
    };
    const NameField names[] = {
        {m_strFirstName, IDC_FIRST_NAME, "Моля попълнете полето: 'Име'", "Полето 'Име' може да съдържа само букви на кирилица"},
        {m_strMidName, IDC_MID_NAME, "Моля попълнете полето: 'Презиме'",
         "Полето 'Презиме' може да съдържа само букви на кирилица"},
        {m_strLastName, IDC_LAST_NAME, "Моля попълнете полето: 'Фамилия'",
         "Полето 'Фамилия' може да съдържа само букви на кирилица"},
    };
    for (const NameField& name : names) {
        if (name.text.IsEmpty()) return Refuse(name.id, name.empty);
        if (!IsCyrillicOnly(name.text)) return Refuse(name.id, name.notCyrillic);
    }
    if (m_strEmail.IsEmpty()) return Refuse(IDC_EMAIL, "Моля попълнете полето: 'Електронна поща'");
    return TRUE;
}

BOOL CDlg_Persons::IsCyrillicOnly(const CString& text) {
    for (const char32_t letter : ToCodePoints(text.str()))
        if (letter < U'А' || letter > U'я') return FALSE;
    return TRUE;
}

int CDlg_Persons::FindSimilarPersons() {
    return ListPersons(FormatSql(" select ID, FirstName, MidName, LastName, EGN, Organization, Position from Person_Colaborator "
                                 " where ( FirstName = '%s' and \tMidName = '%s' and LastName = '%s' ) or  ( EGN = '%s' ) ",
                                 QuoteSql(m_strFirstName), QuoteSql(m_strMidName), QuoteSql(m_strLastName),
                                 QuoteSql(m_strEmail)));
}

BOOL CDlg_Persons::InsertPerson() {
    return WithProgramDatabase([&](CSQLite3DB& db) {
        db.execDML(FormatSql("insert into  Person_Colaborator ( FirstName, MidName, LastName, EGN, Organization, Position) "
                             "values( '%s', '%s', '%s', '%s', '%s', '%s' )",
                             QuoteSql(m_strFirstName), QuoteSql(m_strMidName), QuoteSql(m_strLastName), QuoteSql(m_strEmail),
                             QuoteSql(m_strOrganization), QuoteSql(m_strPosition)));
    });
}

// "Продължи" takes the one whole row selected in the table; without it the dialog stays.
void CDlg_Persons::OnOK() {
    if (!UpdateData(TRUE)) return;
    const CCellRange selected = m_grid.GetSelectedCellRange();
    const bool oneWholeRow = selected.GetMinRow() == selected.GetMaxRow() && selected.GetMinCol() == 0 &&
                             selected.GetMaxCol() == m_grid.GetColumnCount() - 1;
    if (m_grid.IsWindowVisible() && oneWholeRow && selected.GetMinRow() >= m_grid.GetFixedRowCount()) {
        const int row = selected.GetMinRow();
        m_person.ID = static_cast<int>(m_grid.GetItemData(row, 0));
        CString* texts[] = {&m_person.FirstName, &m_person.MidName, &m_person.LastName, &m_person.EGN,
                            &m_person.Organization, &m_person.Position};
        for (int column = 1; column <= 6; ++column) *texts[column - 1] = m_grid.GetItemText(row, column);
    }
    if (m_person.ID != -1) CDialog::OnOK();
}

void CDlg_Persons::OnGridDblClick(NMHDR* header, LRESULT*) {
    const auto* item = reinterpret_cast<const NM_GRIDVIEW*>(header);
    if (item->iRow >= 1) OnOK();
}

void CDlg_Persons::OnClear() {
    for (CString* field : {&m_strFirstName, &m_strMidName, &m_strLastName, &m_strEmail, &m_strOrganization, &m_strPosition})
        field->Empty();
    UpdateData(FALSE);
}
