#include "shell/UserAccounts.h"

#include "controls/LinkStaticOpenDialog.h"
#include "shell/DlgAddUser.h"
#include "shell/DlgChangePassword.h"

namespace {

constexpr int kNewUserLink = 2523;
constexpr int kChangePasswordLink = 2524;
constexpr int kLoginUserName = 2519;

}  // namespace

void RegisterAccountLinks() {
    CLinkStatic_OpenDialog::RegisterDialog(kNewUserLink, [](CWnd* login) {
        CDlg_AddUser dialog;
        if (dialog.DoModal() == IDOK && login) login->SetDlgItemText(kLoginUserName, dialog.GetUserName());
    });
    CLinkStatic_OpenDialog::RegisterDialog(kChangePasswordLink, [](CWnd* login) {
        CDlg_ChangePassword dialog;
        if (dialog.DoModal() != 0 && login) login->SetDlgItemText(kLoginUserName, dialog.m_strUserName);
    });
}
