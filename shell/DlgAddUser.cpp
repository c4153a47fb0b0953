#include "shell/DlgAddUser.h"

#include "db/MD5.h"
#include "platform/MessageBox.h"
#include "shell/ProgramDatabase.h"
#include "shell/UserAccounts.h"
#include "store/SqlText.h"

REGISTER_DIALOG_CLASS(CDlg_AddUser)

CDlg_AddUser::CDlg_AddUser(CWnd* parent) : CDialog(IDD, parent) {}

void CDlg_AddUser::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_USER_NAME, m_strUserName);
    DDX_Text(pDX, IDC_NAME, m_strName);
    DDX_Text(pDX, IDC_SURNAME, m_strSurName);
    DDX_Text(pDX, IDC_FAMILY_NAME, m_strFamilyName);
    DDX_Text(pDX, IDC_PASSWORD, m_strPassword);
    DDX_Text(pDX, IDC_CONFIRM, m_strConfirm);
}

// The first rule that fails says so and keeps the dialog open; nothing is trimmed.
void CDlg_AddUser::OnOK() {
    if (!UpdateData(TRUE)) return;
    const char* refusal = nullptr;
    if (m_strUserName.IsEmpty()) refusal = "Моля попълнете полето 'Потребителско име:'!";
    else if (!IsUserNameFree(m_strUserName)) refusal = "В системата вече съществува потребител с такова потребителско име.";
    else if (m_strName.IsEmpty()) refusal = "Моля попълнете полето Име";
    else if (m_strSurName.IsEmpty()) refusal = "Моля попълнете полето Презиме.";
    else if (m_strFamilyName.IsEmpty()) refusal = "Моля попълнете полето Фамилия.";
    else if (m_strPassword.IsEmpty()) refusal = "Моля попълнете полето Парола.";
    else if (m_strPassword.GetLength() < kMinPasswordLength) refusal = "Паролата трябва да е с поне четири символа.";
    else if (m_strPassword != m_strConfirm) refusal = "Паролата и потвърдената парола не съвпадат";
    if (refusal) {
        AfxMessageBox(refusal, MB_OK);
        return;
    }
    // A user that could not be stored is not reported as added: the dialog stays open.
    if (InsertUser()) CDialog::OnOK();
}

BOOL CDlg_AddUser::IsUserNameFree(const CString& userName) {
    BOOL free = FALSE;
    WithProgramDatabase([&](CSQLite3DB& db) {
        free = db.execQuery(FormatSql("select UserName from Users where UserName = '%s'", QuoteSqlAsTyped(userName))).eof();
    });
    return free;
}

BOOL CDlg_AddUser::InsertUser() {
    return WithProgramDatabase([&](CSQLite3DB& db) {
        db.execDML(FormatSql("insert into Users (UserName, Name, SurName, FamilyName, Password )values( '%s', '%s', '%s', '%s', '%s')",
                             QuoteSqlAsTyped(m_strUserName), QuoteSqlAsTyped(m_strName), QuoteSqlAsTyped(m_strSurName),
                             QuoteSqlAsTyped(m_strFamilyName), PasswordDigest(m_strPassword)));
    });
}
