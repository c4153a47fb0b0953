#pragma once
// Registration of a new user of the program: user name, the three names and the password
// twice. The password is kept as its digest, as the login compares it.
#include "platform/Dialog.h"
#include "res/UserDialogIds.h"

class CDlg_AddUser : public CDialog {
public:
    enum { IDD = IDD_ADD_USER };
    static constexpr int IDC_USER_NAME = 2562;
    static constexpr int IDC_NAME = 2009;
    static constexpr int IDC_SURNAME = 2032;
    static constexpr int IDC_FAMILY_NAME = 2065;
    static constexpr int IDC_PASSWORD = 2051;
    static constexpr int IDC_CONFIRM = 2094;

    explicit CDlg_AddUser(CWnd* parent = nullptr);

    // The user name typed (after the dialog ended with OK: the new user's).
    CString GetUserName() const { return m_strUserName; }

    // TRUE when no user has exactly this name (blanks count); FALSE also when the database
    // could not be asked (the error is shown).
    BOOL IsUserNameFree(const CString& userName);
    // FALSE, after showing the database error, when the user could not be stored.
    BOOL InsertUser();

    CString m_strUserName;
    CString m_strName;
    CString m_strSurName;
    CString m_strFamilyName;
    CString m_strPassword;
    CString m_strConfirm;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
};
