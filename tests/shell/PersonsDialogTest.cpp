// The observers dialog on the demo register of persons: searching by every field,
// registering a new observer under the dialog's rules, and choosing one.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "db/ProgramFolder.h"
#include "db/SQLite3DB.h"
#include "platform/GuiRuntime.h"
#include "platform/ListControls.h"
#include "platform/WindowImage.h"
#include "shell/DlgPersons.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/WindowFixture.h"

namespace {

using Texts = std::vector<CString>;

struct Fields {
    const char* first = "";
    const char* mid = "";
    const char* last = "";
    const char* email = "";
    const char* organization = "";
    const char* position = "";
};

void Fill(CDialog& dialog, const Fields& fields) {
    dialog.SetDlgItemText(CDlg_Persons::IDC_FIRST_NAME, fields.first);
    dialog.SetDlgItemText(CDlg_Persons::IDC_MID_NAME, fields.mid);
    dialog.SetDlgItemText(CDlg_Persons::IDC_LAST_NAME, fields.last);
    dialog.SetDlgItemText(CDlg_Persons::IDC_EMAIL, fields.email);
    dialog.SetDlgItemText(CDlg_Persons::IDC_ORGANIZATION, fields.organization);
    dialog.SetDlgItemText(CDlg_Persons::IDC_POSITION, fields.position);
}

std::string FileBytes(const char* path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// The last names the table lists, in its order; none while it is hidden.
Texts Listed(CDlg_Persons& dialog) {
    Texts names;
    if (!dialog.m_grid.IsWindowVisible()) return names;
    for (int row = 1; row < dialog.m_grid.GetRowCount(); ++row) names.push_back(dialog.m_grid.GetItemText(row, 3));
    return names;
}

class PersonsDialogTest : public ::testing::Test {
protected:
    void SetUp() override { TheProgramFolder().InitAppDir((database.Folder() + "quorin").GetString()); }

    // The persons a search with these fields lists.
    Texts Search(const Fields& fields) {
        Texts found;
        const ModalRun run([&](CDialog& shown) {
            auto& dialog = dynamic_cast<CDlg_Persons&>(shown);
            Fill(dialog, fields);
            dialog.PressButton(CDlg_Persons::IDC_FIND);
            found = Listed(dialog);
            dialog.PressButton(IDCANCEL);
        });
        CDlg_Persons dialog(CDlg_Persons::kSearch);
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        return found;
    }

    int Count(const char* where) const {
        CSQLite3DB db;
        db.open(database.Path());
        CString sql = "select count(*) from Person_Colaborator where ";
        return db.execQuery(sql + where).getIntField(0);
    }

    CTestDatabase database;
};

TEST_F(PersonsDialogTest, EachFieldNarrowsTheSearchWithoutRegardToCase) {
    MessageBoxLog boxes;
    EXPECT_EQ(Search({}).size(), 8u);  // nothing typed: every observer
    EXPECT_EQ(Search({.first = "иван"}), Texts{"Иванов"});
    EXPECT_EQ(Search({.mid = "ИВАНОВ"}), Texts{"Колев"});
    EXPECT_EQ(Search({.last = "ова"}), (Texts{"Стоянова", "Христова", "Маринова"}));
    EXPECT_EQ(Search({.email = "n.kolev@"}), Texts{"Колев"});
    EXPECT_EQ(Search({.organization = "  нп „рила“ "}), Texts{"Николов"});
    EXPECT_EQ(Search({.organization = "софия", .position = "ЕКСПЕРТ"}), (Texts{"Иванов", "Стоянова"}));
    EXPECT_EQ(Search({.first = "Иван", .last = "Колев"}), Texts{});
    EXPECT_EQ(Search({.last = "О'Нийл"}), Texts{});  // an apostrophe is only a letter
    EXPECT_TRUE(boxes.boxes.empty());
}

// "Продължи" (or a double click on a row) takes the one selected row; without one, or on
// the heading, the dialog stays open, also while nothing found hides the table.
TEST_F(PersonsDialogTest, TheChosenRowIsHandedBack) {
    BOOL noticeShown = FALSE;
    const ModalRun run([&](CDialog& shown) {
        auto& dialog = dynamic_cast<CDlg_Persons&>(shown);
        Fill(dialog, {.last = "Несъществуващ"});
        dialog.PressButton(CDlg_Persons::IDC_FIND);
        noticeShown = dialog.GetDlgItem(CDlg_Persons::IDC_NOTHING_FOUND)->IsWindowVisible();
        dialog.PressButton(IDOK);
        Fill(dialog, {.organization = "софия"});
        dialog.PressButton(CDlg_Persons::IDC_FIND);
        NM_GRIDVIEW heading{{&dialog.m_grid, CDlg_Persons::IDC_GRID, NM_DBLCLK}, 0, 1};
        dialog.SendMessage(WM_NOTIFY, CDlg_Persons::IDC_GRID, reinterpret_cast<LPARAM>(&heading));
        EXPECT_FALSE(dialog.IsEnded());
        dialog.m_grid.SetSelectedRange(2, 0, 2, 6);
        NM_GRIDVIEW row{{&dialog.m_grid, CDlg_Persons::IDC_GRID, NM_DBLCLK}, 2, 1};
        dialog.SendMessage(WM_NOTIFY, CDlg_Persons::IDC_GRID, reinterpret_cast<LPARAM>(&row));
    });
    CDlg_Persons dialog;
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(noticeShown);
    EXPECT_EQ(dialog.m_person.ID, 2);  // the observers page checks the whole row handed back
}

TEST_F(PersonsDialogTest, RegistrationNeedsCyrillicNamesAndAnEmail) {
    const std::pair<Fields, const char*> refusals[] = {
        {{"", "Петрова", "Илиева", "a@b"}, "Моля попълнете полето: 'Име'"},
        {{"Anna", "Петрова", "Илиева", "a@b"}, "Полето 'Име' може да съдържа само букви на кирилица"},
        {{"Анна", "", "Илиева", "a@b"}, "Моля попълнете полето: 'Презиме'"},
        {{"Анна", "Петрова Ана", "Илиева", "a@b"}, "Полето 'Презиме' може да съдържа само букви на кирилица"},
        {{"Анна", "Петрова", "", "a@b"}, "Моля попълнете полето: 'Фамилия'"},
        {{"Анна", "Петрова", "Илиева-Попова", "a@b"}, "Полето 'Фамилия' може да съдържа само букви на кирилица"},
        {{"Анна", "Петрова", "Илиёва", "a@b"}, "Полето 'Фамилия' може да съдържа само букви на кирилица"},
        {{"Анна", "Петрова", "Илиева", "   "}, "Моля попълнете полето: 'Електронна поща'"},
    };
    MessageBoxLog boxes;
    int focused = 0;
    const ModalRun run([&](CDialog& shown) {
        auto& dialog = dynamic_cast<CDlg_Persons&>(shown);
        dialog.PressButton(CDlg_Persons::IDC_MODE_ADD);
        EXPECT_FALSE(dialog.GetDlgItem(CDlg_Persons::IDC_FIND)->IsWindowEnabled());
        for (const auto& [fields, message] : refusals) {
            Fill(dialog, fields);
            dialog.PressButton(CDlg_Persons::IDC_ADD);
        }
        focused = CWnd::GetFocus() ? CWnd::GetFocus()->GetDlgCtrlID() : 0;
        dialog.PressButton(IDCANCEL);
    });
    CDlg_Persons dialog(CDlg_Persons::kSearch);
    dialog.DoModal();
    Texts expected;
    for (const auto& refusal : refusals) expected.push_back(refusal.second);
    EXPECT_EQ(boxes.Texts(), expected);
    EXPECT_EQ(focused, CDlg_Persons::IDC_EMAIL);
    EXPECT_EQ(Count("LastName like 'Илиева%'"), 0);
}

TEST_F(PersonsDialogTest, ANewObserverIsStoredAndListedReadyToChoose) {
    MessageBoxLog boxes;
    const ModalRun run([](CDialog& shown) {
        auto& dialog = dynamic_cast<CDlg_Persons&>(shown);
        dialog.PressButton(CDlg_Persons::IDC_FIND);
        GuiRuntime::PumpMessages();  // the search's rows are on the screen
        Fill(dialog, {" Анна ", "Петрова", "Илиева", "a.o'hara@example.org", "Дирекция на ПП 'Витоша'", "Еколог; 100%"});
        dialog.PressButton(CDlg_Persons::IDC_ADD);
        EXPECT_EQ(Listed(dialog), Texts{"Илиева"});
        // The grid shows the new list, not the search's rows under it: as the screen shows it, as
        // it draws itself afresh.
        EXPECT_TRUE(SaveScreenImage(&dialog.m_grid, "/tmp/persons_grid_shown.png"));
        SaveWindowImage(&dialog.m_grid, "/tmp/persons_grid_fresh.png");
        EXPECT_TRUE(FileBytes("/tmp/persons_grid_shown.png") == FileBytes("/tmp/persons_grid_fresh.png"));
        dialog.m_grid.SetSelectedRange(1, 0, 1, 6);
        dialog.PressButton(IDOK);
    });
    CDlg_Persons dialog(CDlg_Persons::kAdd);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(Count("FirstName = 'Анна' and MidName = 'Петрова' and LastName = 'Илиева' and EGN = 'a.o''hara@example.org' "
                    "and Organization = 'Дирекция на ПП ''Витоша''' and Position = 'Еколог; 100%'"),
              1);
    EXPECT_GT(dialog.m_person.ID, 8);
    EXPECT_EQ(dialog.m_person.FirstName, "Анна");
}

// Typed into the institution's field while its list is dropped, a text moves the list's
// highlight to the first entry that begins with it and stays as typed; Enter takes the entry.
TEST_F(PersonsDialogTest, TypingWithTheInstitutionsListDroppedHighlightsTheFirstEntryBeginningWithIt) {
    CString typed, chosen;
    int highlighted = -1, expected = -2;
    const ModalRun run([&](CDialog& shown) {
        auto* combo = dynamic_cast<CComboBox*>(shown.GetDlgItem(CDlg_Persons::IDC_ORGANIZATION));
        ASSERT_NE(combo, nullptr);
        expected = combo->FindStringExact(-1, "РИОСВ - Благоевград");
        ActivateTopLevel(&shown);
        combo->SetFocus();
        COMBOBOXINFO parts;
        ASSERT_TRUE(combo->GetComboBoxInfo(&parts));
        ClickAt(combo, CRect(parts.rcButton).CenterPoint());
        ASSERT_TRUE(combo->GetDroppedState() && combo->GetComboBoxInfo(&parts));
        auto* list = dynamic_cast<CListBox*>(parts.hwndList);
        ASSERT_NE(list, nullptr);
        TypeText(list, "риосв - бл");
        highlighted = list->GetCurSel();
        combo->GetWindowText(typed);
        PressKey(list, VK_RETURN);
        combo->GetWindowText(chosen);
        shown.PressButton(IDCANCEL);
    });
    CDlg_Persons dialog;
    dialog.DoModal();
    EXPECT_EQ(typed, "риосв - бл");
    EXPECT_EQ(highlighted, expected);
    EXPECT_EQ(chosen, "РИОСВ - Благоевград");
}

TEST_F(PersonsDialogTest, ASimilarObserverIsShownInsteadOfAddingATwin) {
    const Fields sameNames{"Иван", "Петров", "Иванов", "other@example.org"};
    const Fields sameEmail{"Петя", "Иванова", "Петрова", "m.stoyanova@example.org"};
    MessageBoxLog boxes;
    std::vector<Texts> listed;
    const ModalRun run([&](CDialog& shown) {
        auto& dialog = dynamic_cast<CDlg_Persons&>(shown);
        for (const Fields& fields : {sameNames, sameEmail}) {
            Fill(dialog, fields);
            dialog.PressButton(CDlg_Persons::IDC_ADD);
            listed.push_back(Listed(dialog));
        }
        dialog.PressButton(IDCANCEL);
    });
    CDlg_Persons dialog(CDlg_Persons::kAdd);
    dialog.DoModal();
    const CString warning = "В базата вече има въведени наблюдатели с подобни показатели, моля изберерте от списъка.";
    EXPECT_EQ(boxes.Texts(), (Texts{warning, warning}));
    EXPECT_EQ(listed, (std::vector<Texts>{{"Иванов"}, {"Стоянова"}}));
    EXPECT_EQ(Count("1"), 8);
}

// In the modal dialog the tip of a cut-off e-mail passes the real pointer on, as in the main
// window: a move off the cell hides it, and a click on it reaches the row under it.
TEST_F(PersonsDialogTest, TheTipOfACutOffEmailPassesTheRealPointerOnUnderX11) {
    SKIP_UNLESS_X11();
    const ModalRun run([](CDialog& shown) {
        auto& dialog = dynamic_cast<CDlg_Persons&>(shown);
        CGridCtrl& grid = dialog.m_grid;
        dialog.PressButton(CDlg_Persons::IDC_FIND);
        ASSERT_EQ(grid.GetRowCount(), 9);
        const auto at = [&grid](int row, int col) {
            CRect cell;
            grid.GetCellRect(row, col, &cell);
            return cell.CenterPoint();
        };
        const auto restOnEmail = [&] {
            ASSERT_TRUE(RealPointerAt(&grid, at(1, 4), false));
            ASSERT_TRUE(PumpUntil([&] { return CWnd::GetCapture() != nullptr && CWnd::GetCapture() != &grid; }))
                << "no tip over \"" << grid.GetItemText(1, 4).GetString() << "\"";
        };
        const auto rowSelected = [&grid](int row) { return [&grid, row] { return grid.IsCellSelected(row, 1) != FALSE; }; };

        restOnEmail();
        CWnd* const tip = CWnd::GetCapture();
        ASSERT_TRUE(RealPointerAt(&grid, at(5, 1), false));
        EXPECT_TRUE(PumpUntil([&] { return !tip->IsWindowVisible() && CWnd::GetCapture() == nullptr; }));
        ASSERT_TRUE(RealPointerAt(&grid, at(5, 1), true));
        EXPECT_TRUE(PumpUntil(rowSelected(5)));
        restOnEmail();
        ASSERT_TRUE(RealPointerAt(&grid, at(1, 4), true));
        EXPECT_TRUE(PumpUntil(rowSelected(1)));
        EXPECT_FALSE(tip->IsWindowVisible());
        dialog.PressButton(IDCANCEL);
    });
    CDlg_Persons dialog;
    dialog.DoModal();
}

}  // namespace
