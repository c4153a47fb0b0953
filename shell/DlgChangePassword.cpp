#include "shell/DlgChangePassword.h"

#include "db/MD5.h"
#include "platform/MessageBox.h"
#include "shell/ProgramDatabase.h"
#include "shell/UserAccounts.h"
#include "store/SqlText.h"

REGISTER_DIALOG_CLASS(CDlg_ChangePassword)

CDlg_ChangePassword::CDlg_ChangePassword(CWnd* parent) : CDialog(IDD, parent) {}

void CDlg_ChangePassword::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_USER_NAME, m_strUserName);
    DDX_Text(pDX, IDC_OLD_PASSWORD, m_strOldPassword);
    DDX_Text(pDX, IDC_NEW_PASSWORD, m_strNewPassword);
    DDX_Text(pDX, IDC_CONFIRM, m_strConfirm);
}

BOOL CDlg_ChangePassword::OnInitDialog() {
    CDialog::OnInitDialog();
    return TRUE;
}

void CDlg_ChangePassword::OnOK() {
    if (!UpdateData(TRUE)) return;
    const int userId = FindUserId(m_strUserName, m_strOldPassword);
    const char* refusal = nullptr;
    if (userId == -1) refusal = "Потребителското име и паролата не съответстват.";
    else if (m_strNewPassword.GetLength() < kMinPasswordLength) refusal = "Новата паролата трябва да е с поне четири символа.";
    else if (m_strNewPassword != m_strConfirm) refusal = "Паролата и потвърдената парола не съвпадат";
    if (refusal) {
        AfxMessageBox(refusal, MB_OK);
        return;
    }
    WithProgramDatabase([&](CSQLite3DB& db) {
        db.execDML(FormatSql("update Users set Password = '%s' where id = %d", PasswordDigest(m_strNewPassword), userId));
    });
    CDialog::OnOK();
}

int CDlg_ChangePassword::FindUserId(const CString& userName, const CString& password) {
    int userId = -1;
    WithProgramDatabase([&](CSQLite3DB& db) {
        CSQLite3Query query = db.execQuery(FormatSql("select * from Users where UserName = '%s' and Password = '%s'",
                                                     QuoteSqlAsTyped(userName), PasswordDigest(password)));
        if (!query.eof()) userId = query.getIntField("ID", -1);
    });
    return userId;
}
