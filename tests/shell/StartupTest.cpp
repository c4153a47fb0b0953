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
    EXPECT_EQ(Number(FormatSql("select UserID from Sessions where ID = %d", session)), demo);
    EXPECT_EQ(Number(FormatSql("select RIOSW_ID from Sessions where ID = %d", session)), 5);
    EXPECT_FALSE(Text(FormatSql("select ActionDate from Sessions where ID = %d", session)).IsEmpty());

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
    EXPECT_EQ(tree.GetItemText(tree.GetRootItem()), "Начало");
    EXPECT_EQ(tree.GetSelectedItem(), tree.GetRootItem());
    EXPECT_EQ(tree.GetCount(), 6u);
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(StartupTest, WrongPasswordSaysSoAndKeepsTheDialogOpen) {
    const int sessionsBefore = Number("select count(*) from Sessions");
    bool stayedOpen = false;
    ASSERT_TRUE(Start([&](CDlgLogin& dialog) {
        Login(dialog, 1, "demo", "wrong");
        stayedOpen = !dialog.IsEnded();
        EXPECT_EQ(LastMessage(boxes.Texts()), kMismatch);
        EXPECT_EQ(Number("select count(*) from Sessions"), sessionsBefore);
        Login(dialog, 1, "demo", "demo");  // a second try is allowed
    }));
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(Number("select count(*) from Sessions"), sessionsBefore + 1);
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

TEST_F(StartupTest, UserNameAndPasswordCountAsTyped) {
    Exec(FormatSql("insert into Users (UserName, Password) values ('nopass', '%s')", PasswordDigest("")));
    int mismatches = 0;
    ASSERT_TRUE(Start([&](CDlgLogin& dialog) {
        Login(dialog, 1, "demo ", "demo");  // no trimming of the name
        Login(dialog, 1, "demo", "demo ");  // nor of the password
        Login(dialog, 1, "demo", "");
        mismatches = static_cast<int>(boxes.Texts().size());
        Login(dialog, 1, "nopass", "");
    }));
    EXPECT_EQ(mismatches, 3);
    EXPECT_EQ(Doc()->UserID, Number("select ID from Users where UserName = 'nopass'"));
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
    EXPECT_NE(loginIcon, nullptr);
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
        dialog.SetDlgItemText(CDlgLogin::IDC_USER_NAME, "demo");
        dialog.SetDlgItemText(CDlgLogin::IDC_PASSWORD, "demo");
        dialog.PressButton(IDOK);
        EXPECT_FALSE(dialog.IsEnded());
        dialog.PressButton(IDCANCEL);
    });
    EXPECT_EQ(selection, CB_ERR);
    EXPECT_EQ(LastMessage(boxes.Texts()), "Моля изберете РИОСВ!");
}

TEST_F(StartupTest, TheUserNameListOffersTheLatestThreeUsers) {
    std::vector<CString> names;
    const auto readNames = [&](CDlgLogin& dialog) {
        auto* combo = dynamic_cast<CComboBox*>(dialog.GetDlgItem(CDlgLogin::IDC_USER_NAME));
        names.clear();
        for (int i = 0; i < combo->GetCount(); ++i) names.push_back(combo->GetLBText(i));
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
    EXPECT_EQ(names.front(), "galya");
}

TEST_F(StartupTest, AMissingOrDamagedDatabaseIsSaidAndTheProgramEnds) {
    for (const bool damaged : {false, true}) {
        SCOPED_TRACE(damaged ? "damaged" : "missing");
        boxes.Reset();
        if (damaged) std::ofstream(database.Path().GetString(), std::ios::binary | std::ios::trunc) << std::string(4096, 'x');
        else std::remove(database.Path().GetString());
        EXPECT_FALSE(Start([](CDlgLogin& dialog) { dialog.PressButton(IDOK); }));
        EXPECT_EQ(loginRuns, 0);
        ASSERT_EQ(boxes.Texts().size(), 1u);
        EXPECT_GE(boxes.Texts().front().Find(database.Path()), 0);
        EXPECT_GE(boxes.Texts().front().Find("липсва или е повредена"), 0);
    }
}

TEST_F(StartupTest, ARefusedStartEndsWithAFailureStatusACancelledLoginWithout) {
    std::string program = (database.Folder() + "quorin").str();
    char* argv[] = {program.data()};
    const auto exitStatus = [&] {
        app = std::make_unique<CTovan_splitApp>();
        const ModalRun cancel([](CDialog& dialog) { dialog.EndDialog(IDCANCEL); });
        return AfxWinMain(1, argv);
    };
    EXPECT_EQ(exitStatus(), 0);
    EXPECT_TRUE(boxes.Texts().empty());
    std::remove(database.Path().GetString());
    EXPECT_NE(exitStatus(), 0);
    EXPECT_GE(LastMessage(boxes.Texts()).Find("липсва или е повредена"), 0);
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
