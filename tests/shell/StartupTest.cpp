// Start-up and login: what a successful login leaves behind, and every way a login is
// refused or given up without writing anything.
#include <filesystem>
#include <fstream>

#include "db/MD5.h"
#include "db/ProgramFolder.h"
#include "platform/Profile.h"
#include "shell/ListProgramModes.h"
#include "shell/WorkflowCodes.h"
#include "tests/shell/ShellFixture.h"

namespace {

constexpr char kMismatch[] = "Потребителското име и паролата не съответстват.";

class StartupTest : public ShellTest {};

TEST_F(StartupTest, LoginWritesSessionAndGivesTheDocumentItsContext) {
    const int sessionsBefore = Number("select count(*) from Sessions");
    StartLoggedIn(5);

    const int demo = Number("select ID from Users where UserName = 'demo'");
    const CString inspectorate = Text("select Name from nRIOSW_NP_PP where ID = 5");
    EXPECT_EQ(Number("select count(*) from Sessions"), sessionsBefore + 1);
    const int session = Number("select max(ID) from Sessions");
    EXPECT_EQ(Text(FormatSql("select UserID || '|' || RIOSW_ID || '|' || (ActionDate <> '') from Sessions where ID = %d",
                             session)),
              FormatSql("%d|5|1", demo));

    EXPECT_EQ(Doc()->UserID, demo);
    EXPECT_EQ(Doc()->SessionID, session);
    EXPECT_EQ(Doc()->RIOSW_ID, 5);
    EXPECT_EQ(Doc()->RIOSWName, inspectorate);
    CString title;
    Frame()->GetWindowText(title);
    EXPECT_EQ(title, "Ведрин - " + inspectorate);
    EXPECT_EQ(GetProfileInt("Settings", "RIOSW_ID", -1), 5);

    // The window as the user finds it: the modes under "Начало", the mode list on the right.
    EXPECT_NE(dynamic_cast<CListProgramModes*>(RightView()), nullptr);
    CTreeCtrl& tree = Tree()->GetTreeCtrl();
    EXPECT_EQ(tree.GetSelectedItem(), tree.GetRootItem());
    EXPECT_TRUE(boxes.Texts().empty());
}

// A wrong password, or a name or password that differs only by a blank, is refused: the
// dialog stays open, nothing is written, and the user may try again.
TEST_F(StartupTest, ARefusedLoginSaysSoAndKeepsTheDialogOpen) {
    Exec(FormatSql("insert into Users (UserName, Password) values ('nopass', '%s')", PasswordDigest("")));
    const int sessionsBefore = Number("select count(*) from Sessions");
    ASSERT_TRUE(Start([&](CDlgLogin& dialog) {
        for (const auto& [user, password] : {std::pair{"demo", "wrong"}, {"demo ", "demo"}, {"demo", "demo "}, {"demo", ""}}) {
            Login(dialog, 1, user, password);
            EXPECT_FALSE(dialog.IsEnded()) << user << "/" << password;
        }
        EXPECT_EQ(boxes.Texts(), std::vector<CString>(4, kMismatch));
        EXPECT_EQ(Number("select count(*) from Sessions"), sessionsBefore);
        Login(dialog, 1, "nopass", "");
    }));
    EXPECT_EQ(Number("select count(*) from Sessions"), sessionsBefore + 1);
    EXPECT_EQ(Doc()->UserID, Number("select ID from Users where UserName = 'nopass'"));
}

TEST_F(StartupTest, ApostrophesInTheUserNameNeitherBreakNorChangeTheQuery) {
    Exec(FormatSql("insert into Users (UserName, Password) values ('o''brien', '%s')", PasswordDigest("pw")));
    bool refused = false;
    ASSERT_TRUE(Start([&](CDlgLogin& dialog) {
        // An attempt to make the condition always true logs nobody in, and is no SQL error.
        Login(dialog, 1, "x' or '1'='1", "x' or '1'='1");
        refused = !dialog.IsEnded() && LastMessage(boxes.Texts()) == kMismatch && boxes.Texts().size() == 1;
        Login(dialog, 1, "o'brien", "pw");
    }));
    EXPECT_TRUE(refused);
    EXPECT_EQ(Doc()->UserID, Number("select ID from Users where UserName = 'o''brien'"));
}

TEST_F(StartupTest, CancelEndsTheStartWithoutSessionOrProfileEntry) {
    const int sessionsBefore = Number("select count(*) from Sessions");
    CString title;
    HICON loginIcon = nullptr;
    EXPECT_FALSE(Start([&](CDlgLogin& dialog) {
        AfxGetMainWnd()->GetWindowText(title);
        loginIcon = dialog.SetIcon(nullptr, TRUE);  // the icon the dialog set for itself
        dialog.PressButton(IDCANCEL);
    }));
    EXPECT_EQ(title, "Ведрин");  // while the login ran
    EXPECT_EQ(loginIcon, LoadIconResource(128));
    EXPECT_EQ(Number("select count(*) from Sessions"), sessionsBefore);
    EXPECT_EQ(GetProfileInt("Settings", "RIOSW_ID", -1), -1);
}

TEST_F(StartupTest, TheLastInspectorateIsChosenAgainAndAnUnknownOneIsNot) {
    WriteProfileInt("Settings", "RIOSW_ID", 3);
    int chosen = -2;
    ASSERT_TRUE(Start([&](CDlgLogin& dialog) {
        chosen = static_cast<int>(dialog.m_cbRiosw.GetItemData(dialog.m_cbRiosw.GetCurSel()));
        dialog.PressButton(IDCANCEL);
    }) == FALSE);
    EXPECT_EQ(chosen, 3);

    WriteProfileInt("Settings", "RIOSW_ID", 999);
    int selection = 0;
    Start([&](CDlgLogin& dialog) {
        selection = dialog.m_cbRiosw.GetCurSel();
        Login(dialog, 999, "demo", "demo");
        EXPECT_FALSE(dialog.IsEnded());
        dialog.PressButton(IDCANCEL);
    });
    EXPECT_EQ(selection, CB_ERR);
    EXPECT_EQ(LastMessage(boxes.Texts()), "Моля изберете РИОСВ!");
}

TEST_F(StartupTest, TheUserNameListOffersTheLatestThreeUsers) {
    Entries names;
    const auto readNames = [&](CDlgLogin& dialog) {
        names = ListOf(dialog, CDlgLogin::IDC_USER_NAME);
        dialog.PressButton(IDCANCEL);
    };
    Exec("delete from Sessions");
    Start(readNames);
    EXPECT_TRUE(names.empty());

    for (const char* name : {"ana", "boris", "vera", "galya"})
        Exec(FormatSql("insert into Users (UserName, Password) values ('%s', '')", name));
    for (const char* name : {"ana", "boris", "ana", "vera", "galya"})
        Exec(FormatSql("insert into Sessions (UserID, RIOSW_ID) select ID, 1 from Users where UserName = '%s'", name));
    Start(readNames);
    ASSERT_LE(names.size(), 3u);
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names.front().second, "galya");
}

// A cancelled login ends the program without failure; a missing or damaged database is said,
// before any login, and ends it with a failure status.
TEST_F(StartupTest, AMissingOrDamagedDatabaseIsSaidAndTheProgramEndsWithAFailureStatus) {
    std::string program = (database.Folder() + "quorin").str();
    char* argv[] = {program.data()};
    int logins = 0;
    const auto exitStatus = [&] {
        app = std::make_unique<CTovan_splitApp>();
        const ModalRun cancel([&](CDialog& dialog) {
            ++logins;
            dialog.EndDialog(IDCANCEL);
        });
        return AfxWinMain(1, argv);
    };
    EXPECT_EQ(exitStatus(), 0);
    EXPECT_EQ(logins, 1);
    EXPECT_TRUE(boxes.Texts().empty());
    for (const bool damaged : {false, true}) {
        SCOPED_TRACE(damaged ? "damaged" : "missing");
        boxes.Reset();
        logins = 0;
        if (damaged) std::ofstream(database.Path().GetString(), std::ios::binary | std::ios::trunc) << std::string(4096, 'x');
        else std::remove(database.Path().GetString());
        EXPECT_NE(exitStatus(), 0);
        EXPECT_EQ(logins, 0);
        ASSERT_EQ(boxes.Texts().size(), 1u);
        EXPECT_GE(boxes.Texts().front().Find(database.Path()), 0);
        EXPECT_GE(boxes.Texts().front().Find("липсва или е повредена"), 0);
    }
}

TEST_F(StartupTest, AStartThroughALinkFromAnotherFolderUsesTheProgramsOwnFolder) {
    // This test program stands in for the executable: a link to it in one folder, started by
    // a relative path from another.
    namespace fs = std::filesystem;
    const fs::path program = fs::canonical("/proc/self/exe");
    const fs::path root(database.Folder().str());
    fs::create_directories(root / "links");
    fs::create_directories(root / "elsewhere");
    fs::create_symlink(program, root / "links" / "quorin");
    const fs::path startFolder = fs::current_path();
    fs::current_path(root / "elsewhere");
    AfxSetModuleFileName("");  // the real one
    char* argv[] = {const_cast<char*>("../links/quorin")};
    AfxWinInit(1, argv);
    Start([](CDlgLogin& dialog) { dialog.PressButton(IDCANCEL); });
    fs::current_path(startFolder);
    EXPECT_EQ(GetAppDir(), CString(program.parent_path().string() + "/"));
}

}  // namespace
