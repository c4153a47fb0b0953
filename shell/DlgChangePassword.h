#pragma once
// A user replaces the password after giving the old one.
#include "platform/Dialog.h"
#include "res/UserDialogIds.h"

class CDlg_ChangePassword : public CDialog {
public:
    enum { IDD = IDD_CHANGE_PASSWORD };
    static constexpr int IDC_USER_NAME = 2562;
    static constexpr int IDC_OLD_PASSWORD = 2563;
    static constexpr int IDC_NEW_PASSWORD = 2564;
    static constexpr int IDC_CONFIRM = 2565;

    explicit CDlg_ChangePassword(CWnd* parent = nullptr);

    // The ID of the user with this name and password, or -1 (also after a database error,
    // which is shown).
    int FindUserId(const CString& userName, const CString& password);

    // As typed when the dialog last read its controls (an OK attempt); read by the login.
    CString m_strUserName;
    CString m_strOldPassword;
    CString m_strNewPassword;
    CString m_strConfirm;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
};
