// The team and threats pages: observers chosen in the observers dialog, threats chosen in
// the classification tree of the threats picker; the lists, their numbering, what the
// pages leave in their records.
#include "pages/common/CommonForm06.h"
#include "pages/common/CommonForm07Threat.h"
#include "shell/DlgPersons.h"
#include "store/DlgThreats.h"
#include "store/ThreatPaths.h"
#include "tests/pages/PageFixture.h"

namespace {

// ---- the team ---------------------------------------------------------------------------

class ObserversPageTest : public PageTest {
protected:
    CCommonForm_06* Page() { return dynamic_cast<CCommonForm_06*>(page); }

    // Adds the observer of `lastName` through the observers dialog (nullptr: cancels it).
    void AddObserver(const char* lastName) {
        ModalRun script([lastName](CDialog& shown) {
            auto& dialog = dynamic_cast<CDlg_Persons&>(shown);
            if (!lastName) {
                dialog.PressButton(IDCANCEL);
                return;
            }
            dialog.SetDlgItemText(CDlg_Persons::IDC_LAST_NAME, lastName);
            dialog.PressButton(CDlg_Persons::IDC_FIND);
            dialog.m_grid.SetSelectedRange(1, 0, 1, 6);
            dialog.PressButton(IDOK);
        });
        Click(*page, CCommonForm_06::IDC_ADD_OBSERVER);
    }

    // The grid's rows: "№", last name, e-mail.
    std::vector<std::vector<CString>> Shown() {
        std::vector<std::vector<CString>> rows;
        CGridCtrl& grid = Page()->ObserverGrid();
        for (int row = 1; row < grid.GetRowCount(); ++row)
            rows.push_back({grid.GetItemText(row, 0), grid.GetItemText(row, 3), grid.GetItemText(row, 4)});
        return rows;
    }

};

using ShownRows = std::vector<std::vector<CString>>;

TEST_F(ObserversPageTest, ObserversAreAddedOnceEachAndKeptInTheRecord) {
    ShowPage(RUNTIME_CLASS(CCommonForm_06));
    AddObserver("Иванов");
    AddObserver("Колев");
    AddObserver(nullptr);   // cancelled: nobody
    AddObserver("Иванов");  // already listed
    EXPECT_EQ(boxes.Texts(), std::vector<CString>{"Избраният наблюдател вече присъства в списъка!"});
    EXPECT_EQ(Shown(), (ShownRows{{"1", "Иванов", "i.ivanov@example.org"}, {"2", "Колев", "n.kolev@example.org"}}));

    Leave();
    const CArray<CPersonRow>& kept = doc.CommonData_06.Observers;
    ASSERT_EQ(kept.GetSize(), 2);
    EXPECT_EQ(kept[0], (CPersonRow{1, "Иван", "Петров", "Иванов", "i.ivanov@example.org", "РИОСВ - София",
                                   "Главен експерт „Биологично разнообразие“"}));
    EXPECT_EQ(kept[1].ID, 7);

    ShowPage(RUNTIME_CLASS(CCommonForm_06));  // shown again from the record
    EXPECT_EQ(Shown().size(), 2u);
}

// ---- the threats ------------------------------------------------------------------------

class ThreatsPageTest : public PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        // A small classification: two top-level threats, the first with two below it, the
        // first of which has one below it.
        Exec("delete from nThreats;"
             "insert into nThreats (ID, Code, Name) values (11, '1.', 'Строителство'), (12, '1.1.', 'Жилищни зони'),"
             " (13, '1.1.1.', 'Вилни селища'), (14, '1.2.', 'Пътища'), (21, '2.', 'Земеделие')");
    }

    CCommonForm_07_Threat* Page() { return dynamic_cast<CCommonForm_07_Threat*>(page); }

    std::vector<CString> Listed() {
        std::vector<CString> texts;
        CListBox& list = Page()->ThreatList();
        for (int i = 0; i < list.GetCount(); ++i) texts.push_back(list.GetText(i));
        return texts;
    }

    static HTREEITEM FindItem(const CTreeCtrl& tree, const char* text, HTREEITEM item) {
        for (; item; item = tree.GetNextSiblingItem(item)) {
            if (tree.GetItemText(item) == text) return item;
            if (HTREEITEM found = FindItem(tree, text, tree.GetChildItem(item))) return found;
        }
        return nullptr;
    }
    // Selects the threat of that name in the picker's tree and presses ">".
    static void ChooseThreat(CDlg_Threats& picker, const char* name) {
        ASSERT_TRUE(picker.m_tree.SelectItem(FindItem(picker.m_tree, name, picker.m_tree.GetRootItem())));
        picker.PressButton(CDlg_Threats::IDC_ADD);
    }
};

using Texts = std::vector<CString>;

TEST_F(ThreatsPageTest, TheTreeFollowsTheDotsOfTheCodes) {
    std::vector<std::pair<CString, int>> shape;  // each item's text and child count
    ModalRun script([&](CDialog& shown) {
        auto& picker = dynamic_cast<CDlg_Threats&>(shown);
        const CTreeCtrl& tree = picker.m_tree;
        const auto children = [&tree](HTREEITEM item) {
            int count = 0;
            for (HTREEITEM child = tree.GetChildItem(item); child; child = tree.GetNextSiblingItem(child)) ++count;
            return count;
        };
        for (HTREEITEM top = tree.GetRootItem(); top; top = tree.GetNextSiblingItem(top)) {
            shape.emplace_back(tree.GetItemText(top), children(top));
            for (HTREEITEM inner = tree.GetChildItem(top); inner; inner = tree.GetNextSiblingItem(inner))
                shape.emplace_back(tree.GetItemText(inner), children(inner));
        }
        EXPECT_EQ(static_cast<int>(tree.GetItemData(tree.GetRootItem())), 11);
        picker.PressButton(IDCANCEL);
    });
    ShowPage(RUNTIME_CLASS(CCommonForm_07_Threat));
    Click(*page, CCommonForm_07_Threat::IDC_ADD_THREAT);
    const std::vector<std::pair<CString, int>> expected = {
        {"Строителство", 2}, {"Жилищни зони", 1}, {"Пътища", 0}, {"Земеделие", 0}};
    EXPECT_EQ(shape, expected);
}

TEST_F(ThreatsPageTest, ThreatsArePickedWithTheirPathsOnceEach) {
    ShowPage(RUNTIME_CLASS(CCommonForm_07_Threat));
    {
        ModalRun script([](CDialog& shown) {
            auto& picker = dynamic_cast<CDlg_Threats&>(shown);
            picker.m_tree.SelectItem(nullptr);
            picker.PressButton(CDlg_Threats::IDC_ADD);  // nothing selected in the tree
            ChooseThreat(picker, "Вилни селища");
            ChooseThreat(picker, "Строителство");  // an inner item can be chosen too
            ChooseThreat(picker, "Земеделие");
            ChooseThreat(picker, "Вилни селища");  // already chosen
            picker.PressButton(IDOK);
        });
        Click(*page, CCommonForm_07_Threat::IDC_ADD_THREAT);
    }
    EXPECT_EQ(boxes.Texts(), (Texts{"Моля изберете елемент от списъка със заплахите.",
                               "Елемента, който се опитвате да вмъкнете, вече е в списъка."}));
    EXPECT_EQ(Listed(), (Texts{"Строителство->Жилищни зони->Вилни селища", "Строителство", "Земеделие"}));
    // The path is the one a stored form's threat is loaded with.
    EXPECT_EQ(CThreatPaths::Current().PathOf(13), "Строителство->Жилищни зони->Вилни селища");

    Page()->ThreatList().SetCurSel(1);
    Click(*page, CCommonForm_07_Threat::IDC_DELETE_THREAT);
    EXPECT_EQ(Listed(), (Texts{"Строителство->Жилищни зони->Вилни селища", "Земеделие"}));
    Page()->ThreatList().SetCurSel(-1);
    Click(*page, CCommonForm_07_Threat::IDC_DELETE_THREAT);  // nothing selected: nothing happens
    EXPECT_EQ(Listed().size(), 2u);

    Leave();
    const CThreatArray& kept = doc.CommonData_07_Threat.Threats;
    ASSERT_EQ(kept.GetSize(), 2);
    EXPECT_EQ(kept[0], (CThreatItem{13, "Строителство->Жилищни зони->Вилни селища"}));
    EXPECT_EQ(kept[1], (CThreatItem{21, "Земеделие"}));
}

TEST_F(ThreatsPageTest, ThePickerEditsTheWholeListAndCancelKeepsIt) {
    doc.CommonData_07_Threat.Threats.Add(CThreatItem{14, "Строителство->Пътища"});
    doc.CommonData_07_Threat.Threats.Add(CThreatItem{21, "Земеделие"});
    ShowPage(RUNTIME_CLASS(CCommonForm_07_Threat));
    Texts openedWith;
    const auto removeFirst = [&](int ending) {
        return [&openedWith, ending](CDialog& shown) {
            auto& picker = dynamic_cast<CDlg_Threats&>(shown);
            openedWith.clear();
            for (int i = 0; i < picker.m_list.GetCount(); ++i) openedWith.push_back(picker.m_list.GetText(i));
            picker.m_list.SetCurSel(0);
            picker.PressButton(CDlg_Threats::IDC_REMOVE);
            picker.PressButton(ending);
        };
    };
    {
        ModalRun script(removeFirst(IDCANCEL));
        page->SendMessage(WM_COMMAND, MAKEWPARAM(CCommonForm_07_Threat::IDC_THREATS, LBN_DBLCLK),
                          reinterpret_cast<LPARAM>(&Page()->ThreatList()));  // a double click opens it too
    }
    EXPECT_EQ(openedWith, (Texts{"Строителство->Пътища", "Земеделие"}));
    EXPECT_EQ(Listed(), (Texts{"Строителство->Пътища", "Земеделие"}));
    {
        ModalRun script(removeFirst(IDOK));
        Click(*page, CCommonForm_07_Threat::IDC_ADD_THREAT);
    }
    EXPECT_EQ(Listed(), Texts{"Земеделие"});
}

}  // namespace
