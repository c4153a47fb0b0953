#pragma once
// The login: the inspectorate or park, the user name and the password. A successful login
// writes a session row and remembers the inspectorate for the next run; the caller takes
// the user, session and inspectorate from the dialog's results.
#include "controls/LinkStaticOpenDialog.h"
#include "controls/SearchComboBox.h"
#include "platform/Dialog.h"

class CDlgLogin : public CDialog {
public:
    enum { IDD = 133 };
    static constexpr int IDC_RIOSW = 2522;
    static constexpr int IDC_USER_NAME = 2519;
    static constexpr int IDC_PASSWORD = 2051;
    static constexpr int IDC_TITLE = 2003;
    static constexpr int IDC_NEW_USER_LINK = 2523;
    static constexpr int IDC_CHANGE_PASSWORD_LINK = 2524;

    explicit CDlgLogin(CWnd* parent = nullptr);

    const MessageMap& GetMessageMap() const override;

    // Results after the dialog ended with OK.
    int m_nUserID = -1;
    int m_nSessionID = -1;  // -1 when the session row could not be written
    int m_nRioswID = -1;
    CString m_strRioswName;

    CSearchComboBox m_cbRiosw;
    CLinkStatic_OpenDialog m_linkNewUser;         // 2523: registration
    CLinkStatic_OpenDialog m_linkChangePassword;  // 2524: password change
    CString m_strUserName;
    CString m_strRioswText;
    CString m_strPassword;

    // Fills the combo with "select ID, Name from <table>", in the order the rows come.
    void FillRiosw(int id, const char* table);
    // The user names of the three latest sessions, newest first.
    void FillLastUsers(int id);
    // The user's ID, or -1 when the name and password do not match a user.
    int CheckUser(const CString& userName, const CString& password);
    // The new session's ID, or -1 when it could not be written.
    int InsertSession(int userId, int rioswId);
    void SetTitleFont(LPCTSTR faceName, int id);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    // TRUE when the program's database opens and holds the login's tables; otherwise the
    // reason is said and the dialog ends with IDABORT, which ends the program as a failure.
    BOOL CheckDatabase();
};
