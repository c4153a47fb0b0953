// Registering a user and changing a password: the rules in their order with their
// messages, what reaches the Users table, the login afterwards, and the login's two links.
#include <gtest/gtest.h>

#include "controls/LinkStaticOpenDialog.h"
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
    const auto refused = [this](NewUser user) { return Register(user); };
    NewUser user;
    user.userName = "";
    user.name = "";  // the first failing rule is the one said
    EXPECT_EQ(refused(user), Texts{"Моля попълнете полето 'Потребителско име:'!"});
    user = NewUser();
    user.name = "";
    EXPECT_EQ(refused(user), Texts{"Моля попълнете полето Име"});
    user = NewUser();
    user.surName = "";
    EXPECT_EQ(refused(user), Texts{"Моля попълнете полето Презиме."});
    user = NewUser();
    user.familyName = "";
    EXPECT_EQ(refused(user), Texts{"Моля попълнете полето Фамилия."});
    user = NewUser();
    user.password = "";
    EXPECT_EQ(refused(user), Texts{"Моля попълнете полето Парола."});
    user = NewUser();
    user.password = user.confirm = "абв";
    EXPECT_EQ(refused(user), Texts{"Паролата трябва да е с поне четири символа."});
    user = NewUser();
    user.confirm = "тайнa";  // a Latin "a" at the end
    EXPECT_EQ(refused(user), Texts{"Паролата и потвърдената парола не съвпадат"});
    EXPECT_EQ(UserCount("petrov"), 0);
}

TEST_F(UserDialogsTest, ARegisteredUserLogsInWithTheDigestOfThePassword) {
    NewUser user;
    user.userName = "o'neil";
    user.password = user.confirm = "абвг";  // four characters are enough
    INT_PTR result = 0;
    EXPECT_TRUE(Register(user, &result).empty());
    EXPECT_EQ(result, IDOK);
    CSQLite3DB db;
    db.open(database.Path());
    CSQLite3Query row = db.execQuery("select Name, SurName, FamilyName, Password from Users where UserName = 'o''neil'");
    ASSERT_FALSE(row.eof());
    EXPECT_EQ(row.getStringField(0), "Петър");
    EXPECT_EQ(row.getStringField(1), "Иванов");
    EXPECT_EQ(row.getStringField(2), "Петров");
    EXPECT_EQ(row.getStringField(3), PasswordDigest("абвг"));
    EXPECT_NE(Login("o'neil", "абвг"), -1);
    EXPECT_EQ(Login("o'neil", "абвг "), -1);
}

TEST_F(UserDialogsTest, AnExistingUserNameIsRefusedBeforeAnyOtherField) {
    NewUser user;
    user.userName = "demo";
    user.name = user.password = "";
    EXPECT_EQ(Register(user), Texts{"В системата вече съществува потребител с такова потребителско име."});
    // Blanks count: " demo" is another name.
    user = NewUser();
    user.userName = " demo";
    INT_PTR result = 0;
    EXPECT_TRUE(Register(user, &result).empty());
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

// The login's two link labels in a window of their own: the user-name field 2519 and the
// labels 2523 and 2524.
class LoginLinks : public CDialog {
public:
    LoginLinks() : CDialog(0u) {
        CreateIndirect(DialogTemplate{0, "Вход", {220, 60}, {
            ComboBox(2519, {10, 10, 120, 80}, CBS_DROPDOWN),
            Label(2523, "Регистриране на нов потребител", {10, 30, 130, 8}),
            Label(2524, "Смяна на парола", {150, 30, 60, 8}),
        }});
        newUser.SubclassDlgItem(2523, this);
        password.SubclassDlgItem(2524, this);
    }
    ~LoginLinks() override { DestroyWindow(); }

    CString UserName() const {
        CString text;
        GetDlgItemText(2519, text);
        return text;
    }
    static void Click(CWnd* label) { label->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2)); }

    CLinkStatic_OpenDialog newUser;
    CLinkStatic_OpenDialog password;
};

TEST_F(UserDialogsTest, TheLoginLinksOpenTheUserDialogs) {
    RegisterAccountLinks();
    LoginLinks login;
    login.ShowWindow(SW_SHOW);
    MessageBoxLog boxes;
    {
        const ModalRun run([](CDialog& dialog) {
            ASSERT_NE(dynamic_cast<CDlg_AddUser*>(&dialog), nullptr);
            dialog.SetDlgItemText(CDlg_AddUser::IDC_USER_NAME, "nova");
            dialog.PressButton(IDCANCEL);
        });
        LoginLinks::Click(&login.newUser);
        EXPECT_EQ(login.UserName(), "");  // a cancelled registration names nobody
    }
    {
        const ModalRun run([](CDialog& dialog) {
            for (const auto& [id, text] : {std::pair{CDlg_AddUser::IDC_USER_NAME, "nova"}, {CDlg_AddUser::IDC_NAME, "Нова"},
                                          {CDlg_AddUser::IDC_SURNAME, "Н"}, {CDlg_AddUser::IDC_FAMILY_NAME, "Н"},
                                          {CDlg_AddUser::IDC_PASSWORD, "1234"}, {CDlg_AddUser::IDC_CONFIRM, "1234"}})
                dialog.SetDlgItemText(id, text);
            dialog.PressButton(IDOK);
        });
        LoginLinks::Click(&login.newUser);
        EXPECT_EQ(login.UserName(), "nova");
    }
    {
        // Cancelled after a refused attempt: the name typed then still reaches the login.
        const ModalRun run([](CDialog& dialog) {
            ASSERT_NE(dynamic_cast<CDlg_ChangePassword*>(&dialog), nullptr);
            dialog.SetDlgItemText(CDlg_ChangePassword::IDC_USER_NAME, "demo");
            dialog.PressButton(IDOK);
            dialog.PressButton(IDCANCEL);
        });
        LoginLinks::Click(&login.password);
        EXPECT_EQ(login.UserName(), "demo");
    }
    EXPECT_EQ(boxes.Texts(), Texts{"Потребителското име и паролата не съответстват."});
}

}  // namespace
