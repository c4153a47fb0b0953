// Registering a user and changing a password: the rules in their order with their
// messages, what reaches the Users table, the login afterwards, and the login's two links.
#include <gtest/gtest.h>

#include "db/MD5.h"
#include "db/ProgramFolder.h"
#include "db/SQLite3DB.h"
#include "shell/DlgAddUser.h"
#include "shell/DlgChangePassword.h"
#include "shell/DlgLogin.h"
#include "shell/UserAccounts.h"
#include "store/SqlText.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/WindowFixture.h"

namespace {

struct NewUser {
    const char* userName = "petrov";
    const char* name = "Петър";
    const char* surName = "Иванов";
    const char* familyName = "Петров";
    const char* password = "тайна";
    const char* confirm = "тайна";
};

class UserDialogsTest : public ::testing::Test {
protected:
    void SetUp() override { TheProgramFolder().InitAppDir((database.Folder() + "quorin").GetString()); }

    // Opens the registration, types the user in and presses "Продължи" until the dialog
    // ends or refuses; the messages it gave.
    std::vector<CString> Register(const NewUser& user, INT_PTR* result = nullptr) {
        MessageBoxLog boxes;
        const ModalRun run([&](CDialog& dialog) {
            dialog.SetDlgItemText(CDlg_AddUser::IDC_USER_NAME, user.userName);
            dialog.SetDlgItemText(CDlg_AddUser::IDC_NAME, user.name);
            dialog.SetDlgItemText(CDlg_AddUser::IDC_SURNAME, user.surName);
            dialog.SetDlgItemText(CDlg_AddUser::IDC_FAMILY_NAME, user.familyName);
            dialog.SetDlgItemText(CDlg_AddUser::IDC_PASSWORD, user.password);
            dialog.SetDlgItemText(CDlg_AddUser::IDC_CONFIRM, user.confirm);
            dialog.PressButton(IDOK);
            if (!dialog.IsEnded()) dialog.PressButton(IDCANCEL);
        });
        CDlg_AddUser dialog;
        const INT_PTR ended = dialog.DoModal();
        if (result) *result = ended;
        return boxes.Texts();
    }

    std::vector<CString> ChangePassword(const char* user, const char* old, const char* fresh, const char* confirm) {
        MessageBoxLog boxes;
        const ModalRun run([&](CDialog& dialog) {
            dialog.SetDlgItemText(CDlg_ChangePassword::IDC_USER_NAME, user);
            dialog.SetDlgItemText(CDlg_ChangePassword::IDC_OLD_PASSWORD, old);
            dialog.SetDlgItemText(CDlg_ChangePassword::IDC_NEW_PASSWORD, fresh);
            dialog.SetDlgItemText(CDlg_ChangePassword::IDC_CONFIRM, confirm);
            dialog.PressButton(IDOK);
            if (!dialog.IsEnded()) dialog.PressButton(IDCANCEL);
        });
        CDlg_ChangePassword dialog;
        dialog.DoModal();
        return boxes.Texts();
    }

    int UserCount(const CString& userName) const {
        CSQLite3DB db;
        db.open(database.Path());
        return db.execQuery(FormatSql("select count(*) from Users where UserName = '%s'", QuoteSqlAsTyped(userName)))
            .getIntField(0);
    }

    static int Login(const char* user, const char* password) {
        CDlgLogin login;
        return login.CheckUser(user, password);
    }

    CTestDatabase database;
};

using Texts = std::vector<CString>;

TEST_F(UserDialogsTest, RegistrationChecksTheFieldsInOrder) {
    const std::pair<NewUser, const char*> refusals[] = {
        {{.userName = "", .name = ""}, "Моля попълнете полето 'Потребителско име:'!"},  // the first failing rule is said
        {{.name = ""}, "Моля попълнете полето Име"},
        {{.surName = ""}, "Моля попълнете полето Презиме."},
        {{.familyName = ""}, "Моля попълнете полето Фамилия."},
        {{.password = ""}, "Моля попълнете полето Парола."},
        {{.password = "абв", .confirm = "абв"}, "Паролата трябва да е с поне четири символа."},
        {{.confirm = "тайнa"}, "Паролата и потвърдената парола не съвпадат"},  // a Latin "a" at the end
    };
    for (const auto& [user, message] : refusals) EXPECT_EQ(Register(user), Texts{message});
    EXPECT_EQ(UserCount("petrov"), 0);
}

TEST_F(UserDialogsTest, ARegisteredUserLogsInWithTheDigestOfThePassword) {
    INT_PTR result = 0;
    // Four characters are enough.
    EXPECT_TRUE(Register({.userName = "o'neil", .password = "абвг", .confirm = "абвг"}, &result).empty());
    EXPECT_EQ(result, IDOK);
    CSQLite3DB db;
    db.open(database.Path());
    EXPECT_EQ(db.execQuery("select Name || '|' || SurName || '|' || FamilyName || '|' || Password from Users where "
                           "UserName = 'o''neil'")
                  .getStringField(0),
              "Петър|Иванов|Петров|" + PasswordDigest("абвг"));
    EXPECT_NE(Login("o'neil", "абвг"), -1);
    EXPECT_EQ(Login("o'neil", "абвг "), -1);
}

TEST_F(UserDialogsTest, AnExistingUserNameIsRefusedBeforeAnyOtherField) {
    EXPECT_EQ(Register({.userName = "demo", .name = "", .password = ""}),
              Texts{"В системата вече съществува потребител с такова потребителско име."});
    // Blanks count: " demo" is another name.
    INT_PTR result = 0;
    EXPECT_TRUE(Register({.userName = " demo"}, &result).empty());
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(UserCount("demo"), 1);
    EXPECT_EQ(UserCount(" demo"), 1);
}

TEST_F(UserDialogsTest, APasswordChangesOnlyWithTheRightOldOne) {
    EXPECT_EQ(ChangePassword("demo", "грешна", "нова1", "нова1"),
              Texts{"Потребителското име и паролата не съответстват."});
    EXPECT_EQ(ChangePassword("demo", "demo", "123", "123"), Texts{"Новата паролата трябва да е с поне четири символа."});
    EXPECT_EQ(ChangePassword("demo", "demo", "нова1", "нова2"), Texts{"Паролата и потвърдената парола не съвпадат"});
    EXPECT_NE(Login("demo", "demo"), -1);

    EXPECT_TRUE(ChangePassword("demo", "demo", "нова'1", "нова'1").empty());
    EXPECT_EQ(Login("demo", "demo"), -1);
    EXPECT_NE(Login("demo", "нова'1"), -1);
}

// Each link opens its dialog and hands the login the user name it ended with: none from a
// cancelled registration, the typed one from a password change cancelled after a refusal.
TEST_F(UserDialogsTest, TheLoginLinksOpenTheUserDialogs) {
    RegisterAccountLinks();
    MessageBoxLog boxes;
    Texts names;
    int registrations = 0;
    const ModalRun run([&](CDialog& dialog) {
        if (auto* login = dynamic_cast<CDlgLogin*>(&dialog)) {
            login->SetDlgItemText(CDlgLogin::IDC_USER_NAME, "");
            for (CWnd* link : {&login->m_linkNewUser, &login->m_linkNewUser, &login->m_linkChangePassword}) {
                link->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
                names.push_back(TextOf(*login, CDlgLogin::IDC_USER_NAME));
            }
            login->PressButton(IDCANCEL);
        } else if (dynamic_cast<CDlg_AddUser*>(&dialog)) {
            for (const auto& [id, text] : {std::pair{CDlg_AddUser::IDC_USER_NAME, "nova"}, {CDlg_AddUser::IDC_NAME, "Нова"},
                                          {CDlg_AddUser::IDC_SURNAME, "Н"}, {CDlg_AddUser::IDC_FAMILY_NAME, "Н"},
                                          {CDlg_AddUser::IDC_PASSWORD, "1234"}, {CDlg_AddUser::IDC_CONFIRM, "1234"}})
                dialog.SetDlgItemText(id, text);
            dialog.PressButton(++registrations == 1 ? IDCANCEL : IDOK);
        } else {
            dialog.SetDlgItemText(CDlg_ChangePassword::IDC_USER_NAME, "demo");
            dialog.PressButton(IDOK);
            dialog.PressButton(IDCANCEL);
        }
    });
    CDlgLogin login;
    login.DoModal();
    EXPECT_EQ(names, (Texts{"", "nova", "demo"}));
    EXPECT_EQ(boxes.Texts(), Texts{"Потребителското име и паролата не съответстват."});
}

}  // namespace
