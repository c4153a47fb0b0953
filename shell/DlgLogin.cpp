#include "shell/DlgLogin.h"

#include "controls/ComboHelpers.h"
#include "db/MD5.h"
#include "platform/MessageBox.h"
#include "platform/Profile.h"
#include "shell/PageHeader.h"
#include "shell/ProgramDatabase.h"
#include "store/SqlText.h"

REGISTER_DIALOG_CLASS(CDlgLogin)

namespace {

constexpr char kSettings[] = "Settings";
constexpr char kRioswEntry[] = "RIOSW_ID";
constexpr UINT kLoginIcon = 128;


}  // namespace

CDlgLogin::CDlgLogin(CWnd* parent) : CDialog(IDD, parent) {}

const MessageMap& CDlgLogin::GetMessageMap() const {
    static const MessageMap map(CDialog::GetMessageMap(), {});
    return map;
}

void CDlgLogin::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RIOSW, m_cbRiosw);
    DDX_Control(pDX, IDC_NEW_USER_LINK, m_linkNewUser);
    DDX_Control(pDX, IDC_CHANGE_PASSWORD_LINK, m_linkChangePassword);
    DDX_CBString(pDX, IDC_RIOSW, m_strRioswText);
    DDX_CBString(pDX, IDC_USER_NAME, m_strUserName);
    DDX_Text(pDX, IDC_PASSWORD, m_strPassword);
}

BOOL CDlgLogin::CheckDatabase() {
    const CString path = TheProgramFolder().DatabasePath();
    try {
        CSQLite3DB db;
        db.open(path);
        db.execQuery("select (select count(*) from nRIOSW_NP_PP), (select count(*) from Users), "
                     "(select count(*) from Sessions)");
        return TRUE;
    } catch (const CSQLite3Exception& e) {
        CString text;
        text.Format("Базата данни \"%s\" липсва или е повредена и програмата не може да работи с нея.\n\n%s\n"
                    "Програмата ще бъде затворена.",
                    path.GetString(), CSQLiteErrorText(e).GetString());
        AfxMessageBox(text, MB_OK | MB_ICONSTOP);
        EndDialog(IDABORT);
        return FALSE;
    }
}

BOOL CDlgLogin::OnInitDialog() {
    CDialog::OnInitDialog();
    if (!CheckDatabase()) return FALSE;
    FillRiosw(IDC_RIOSW, "nRIOSW_NP_PP");
    FillLastUsers(IDC_USER_NAME);
    CComboHelpers::SelectByItemData(m_cbRiosw, static_cast<DWORD>(GetProfileInt(kSettings, kRioswEntry, -1)));
    m_linkNewUser.SetUnderline(FALSE);
    m_linkChangePassword.SetUnderline(FALSE);
    SetTitleFont("Times New Roman", IDC_TITLE);
    const HICON icon = LoadIconResource(kLoginIcon);
    SetIcon(icon, TRUE);
    SetIcon(icon, FALSE);
    if (CWnd* userName = GetDlgItem(IDC_USER_NAME)) userName->SetFocus();
    return FALSE;  // the focus stays in the user name
}

void CDlgLogin::FillRiosw(int id, const char* table) {
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(id));
    if (!combo) return;
    combo->ResetContent();
    WithProgramDatabase([&](CSQLite3DB& db) {
        for (CSQLite3Query query = db.execQuery(FormatSql("select ID, Name from %s", table)); !query.eof();
             query.nextRow()) {
            const int index = combo->AddString(query.getStringField("Name", ""));
            combo->SetItemData(index, static_cast<DWORD>(query.getIntField("ID", 0)));
        }
    });
}

void CDlgLogin::FillLastUsers(int id) {
    auto* combo = dynamic_cast<CComboBox*>(GetDlgItem(id));
    if (!combo) return;
    combo->ResetContent();
    WithProgramDatabase([&](CSQLite3DB& db) {
        for (CSQLite3Query query = db.execQuery("select distinct u.UserName as UserName from sessions s inner join "
                                                "Users u on s.UserID = u.ID order by s.ID desc limit 3");
             !query.eof(); query.nextRow())
            combo->AddString(query.getStringField("UserName", ""));
    });
}

int CDlgLogin::CheckUser(const CString& userName, const CString& password) {
    int userId = -1;
    WithProgramDatabase([&](CSQLite3DB& db) {
        CSQLite3Query query = db.execQuery(FormatSql("select * from Users where UserName = '%s' and Password = '%s'",
                                                     QuoteSqlAsTyped(userName), PasswordDigest(password)));
        if (!query.eof()) userId = query.getIntField("ID", -1);
    });
    return userId;
}

int CDlgLogin::InsertSession(int userId, int rioswId) {
    int sessionId = -1;
    WithProgramDatabase([&](CSQLite3DB& db) {
        db.execDML(FormatSql("insert into Sessions (UserID, RIOSW_ID) values( %d, %d )", userId, rioswId));
        sessionId = db.lastRowId();
    });
    return sessionId;
}

void CDlgLogin::SetTitleFont(LPCTSTR faceName, int id) { SetControlFont(this, faceName, id, 40); }

void CDlgLogin::OnOK() {
    if (!UpdateData(TRUE)) return;
    CComboHelpers::GetSelection(m_cbRiosw, m_nRioswID, m_strRioswName);
    if (m_nRioswID == -1) {
        AfxMessageBox("Моля изберете РИОСВ!", MB_OK);
        return;
    }
    const int userId = CheckUser(m_strUserName, m_strPassword);
    if (userId == -1) {
        AfxMessageBox("Потребителското име и паролата не съответстват.", MB_OK);
        return;
    }
    m_nUserID = userId;
    m_nSessionID = InsertSession(m_nUserID, m_nRioswID);
    WriteProfileInt(kSettings, kRioswEntry, m_nRioswID);
    EndDialog(IDOK);
}
