// The workflow tree and the right pane: the steps of every form type, walking them, the
// view each step shows, what a page does when it is shown and left, and the final step.
#include <algorithm>
#include <filesystem>
#include <optional>
#include <set>

#include "controls/DialogHelpers.h"
#include "db/SQLite3DB.h"
#include "pages/common/ChooseForm00.h"
#include "pages/common/CommonForm06.h"
#include "platform/CrystalCtrl.h"
#include "platform/ReportEngine.h"
#include "platform/Controls.h"
#include "pages/common/PageTable.h"
#include "pages/species/SpecFormDeer01.h"
#include "pages/species/SpecFormDeer02.h"
#include "platform/FormView.h"
#include "platform/GuiRuntime.h"
#include "shell/ListProgramModes.h"
#include "shell/PageHeader.h"
#include "shell/ReportListView.h"
#include "shell/StepViews.h"
#include "shell/TovanSplitView.h"
#include "shell/WorkflowCodes.h"
#include "tests/shell/ShellFixture.h"
#include "tests/shell/TestPage.h"
#include "tests/support/StatementRecorder.h"

namespace {

class WorkflowTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        RegisterTestPageTemplate();
        StartLoggedIn(2);
    }

    // The steps FormBuilder gives the form type, as the tree should show them.
    std::vector<std::pair<CString, int>> BuilderSteps(int formTypeId) const {
        std::vector<std::pair<CString, int>> steps;
        CSQLite3DB db;
        db.open(database.Path());
        for (CSQLite3Query query = db.execQuery(FormatSql("select Caption, ItemDataValue from FormBuilder where "
                                                          "FormTypeId = %d order by SequenceNum",
                                                          formTypeId));
             !query.eof(); query.nextRow())
            steps.emplace_back(query.getStringField(0), query.getIntField(1));
        return steps;
    }

    int SelectedCode() const {
        CTreeCtrl& tree = Tree()->GetTreeCtrl();
        return static_cast<int>(tree.GetItemData(tree.GetSelectedItem()));
    }

    CTestPage* ShowTestPage() {
        Frame()->ShowView(RUNTIME_CLASS(CTestPage));
        return dynamic_cast<CTestPage*>(RightView());
    }
};

TEST_F(WorkflowTest, AFormIsWalkedThroughTheStepsOfFormBuilder) {
    // Fungi, a moss, the hamster and the wolf's routes: short and long forms, common and
    // species pages, every final step.
    for (const int type : {1, 2, 16, 40}) {
        SCOPED_TRACE(type);
        OpenForm(type);
        const auto expected = BuilderSteps(type);
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(StepNodes(), expected);

        // The first step is shown; each "Продължи >>" shows the next one's class.
        for (size_t step = 0; step < expected.size(); ++step) {
            if (step > 0) {
                ASSERT_TRUE(Frame()->SelectNextStep());
            }
            EXPECT_EQ(SelectedCode(), expected[step].second);
            ASSERT_NE(RightView(), nullptr);
            EXPECT_EQ(RightView()->GetRuntimeClass(), StepViewClass(expected[step].second));
        }
        CView* const last = RightView();
        EXPECT_FALSE(Frame()->SelectNextStep());
        EXPECT_EQ(RightView(), last);

        for (size_t step = expected.size() - 1; step > 0; --step) EXPECT_TRUE(Frame()->SelectPrevStep());
        EXPECT_EQ(SelectedCode(), expected.front().second);
        EXPECT_FALSE(Frame()->SelectPrevStep());
    }
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(WorkflowTest, OpeningAnotherFormReplacesTheStepsAndTheModesStayOnce) {
    OpenForm(1);
    OpenForm(14);
    EXPECT_EQ(StepNodes(), BuilderSteps(14));
    CTreeCtrl& tree = Tree()->GetTreeCtrl();
    EXPECT_EQ(tree.GetCount(), 6u + BuilderSteps(14).size());
    Frame()->ClearFormSteps();
    EXPECT_EQ(tree.GetCount(), 6u);
    EXPECT_FALSE(Tree()->HasFormSteps());
}

TEST_F(WorkflowTest, ShowingTheShownStepAgainKeepsItsView) {
    CTestPage::prepared = 0;
    CTestPage* page = ShowTestPage();
    ASSERT_NE(page, nullptr);
    page->SetDlgItemText(kTestEdit, "не е записано още");
    Frame()->ShowView(RUNTIME_CLASS(CTestPage));
    Frame()->ShowView(RUNTIME_CLASS(CFormPage));  // a base of the shown class
    EXPECT_EQ(RightView(), page);
    EXPECT_EQ(CTestPage::prepared, 1);
    EXPECT_EQ(TextOf(*page, kTestEdit), "не е записано още");

    OpenForm(3);
    CView* const first = RightView();
    Tree()->SelectByItemData(SelectedCode());
    Frame()->SwitchView(SelectedCode());
    EXPECT_EQ(RightView(), first);
}

TEST_F(WorkflowTest, LeavingAPageSavesItByEveryWay) {
    OpenForm(1);  // on the first step
    CTestPage* page = ShowTestPage();
    ASSERT_NE(page, nullptr);
    page->SetDlgItemText(kTestEdit, "Дъжд 'силен' 100%");
    Click(*page, 2581);
    EXPECT_EQ(Doc()->CommonData_02.Rainfall, "Дъжд 'силен' 100%");
    EXPECT_EQ(SelectedCode(), BuilderSteps(1)[1].second);

    page = ShowTestPage();
    EXPECT_EQ(page->m_text, "Дъжд 'силен' 100%");  // shown again from the record
    page->SetDlgItemText(kTestEdit, "сняг");
    Tree()->SelectByItemData(kCodeAnalysis);  // a click elsewhere in the tree
    EXPECT_EQ(Doc()->CommonData_02.Rainfall, "сняг");
    EXPECT_EQ(RightView()->GetRuntimeClass(), RUNTIME_CLASS(CTovan_splitView));
}

TEST_F(WorkflowTest, ThePageHeaderNamesFormObjectAndStep) {
    Doc()->FormName = "Гъби – находище и популация";
    Doc()->SpeciesName = "Amanita caesarea";
    OpenForm(1);
    const CString step = Frame()->GetSelectedItemText();
    CTestPage* page = ShowTestPage();
    ASSERT_NE(page, nullptr);

    EXPECT_EQ(TextOf(*page, IDC_HEADER_FORM), "Гъби – находище и популация");
    EXPECT_EQ(TextOf(*page, IDC_HEADER_OBJECT), "Amanita caesarea");
    EXPECT_EQ(TextOf(*page, IDC_HEADER_STEP), step);
    EXPECT_TRUE(page->GetDlgItem(IDC_HEADER_FORM)->IsWindowVisible());
    EXPECT_FALSE(page->GetDlgItem(IDC_PAGE_TITLE)->IsWindowVisible());

    auto* picture = dynamic_cast<CStatic*>(page->GetDlgItem(IDC_HEADER_PICTURE));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(WindowRectInParent(*picture), CRect(0, 0, 37, 37));
    EXPECT_NE(picture->GetBitmap(), nullptr);

    // Every control moved down by the header, once, the two of one id alike.
    const TemplateFont& font = FindDialogTemplate(kTestPageTemplate)->font;
    const CSize down(0, kHeaderHeight);
    std::vector<CPoint> twins;
    for (CWnd* child = page->GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT))
        if (child->GetDlgCtrlID() == kTwinLabel) twins.push_back(WindowRectInParent(*child).TopLeft());
    EXPECT_EQ(twins, (std::vector<CPoint>{DialogUnitsToPixels(font, {7, 130, 20, 8}).TopLeft() + down,
                                          DialogUnitsToPixels(font, {40, 140, 20, 8}).TopLeft() + down}));
    EXPECT_EQ(page->GetTotalSize().cy, DialogUnitsToPixels(font, {0, 0, 320, 200}).Height() + kHeaderHeight);

    Tree()->GetTreeCtrl().SelectItem(nullptr);
    EXPECT_EQ(Frame()->GetSelectedItemText(), "Няма избран елемент");
}

// A page that draws a picture into a frame draws it there alone, also when the user enters it
// while the window is on the screen: nothing stays where the frame stood before the header
// moved it down.
TEST_F(WorkflowTest, APageDrawsItsPictureOnlyInItsFrame) {
    Frame()->MoveWindow(0, 0, 1280, 1024);  // the whole page in the pane
    OpenForm(33);  // the bear's tracks: the pictures step, then the page of the paws
    ASSERT_TRUE(Tree()->SelectByItemData(1021));
    GuiRuntime::PumpMessages();  // on the screen, so that the page's own update paints at once
    PressKey(Tree(), VK_DOWN);
    ASSERT_EQ(RightView()->GetRuntimeClass(), StepViewClass(6705));
    GuiRuntime::PumpMessages();
    EXPECT_EQ(PixelsShownUnlikeDrawn(RightView()), 0);
}

TEST_F(WorkflowTest, EveryCodeOutsideTheTableAndEveryModeWithoutPageShowsThePlaceholder) {
    for (const int code : {4000, 5000, 6100, 12345, -7}) {
        SCOPED_TRACE(code);
        Frame()->SwitchView(code);
        EXPECT_EQ(RightView()->GetRuntimeClass(), RUNTIME_CLASS(CTovan_splitView));
        CString title;
        Frame()->GetWindowText(title);
        EXPECT_EQ(title, "Ведрин - " + Doc()->RIOSWName);
    }
    Frame()->SwitchView(kCodeStart);
    EXPECT_NE(dynamic_cast<CListProgramModes*>(RightView()), nullptr);
}

TEST_F(WorkflowTest, TheStepTableCoversEveryStepOfTheDemoData) {
    const auto table = StepViewTable();
    std::set<int> codes;
    for (size_t i = 0; i < table.size(); ++i) {
        if (i > 0) {
            EXPECT_LT(table[i - 1].code, table[i].code);
        }
        codes.insert(table[i].code);
        EXPECT_EQ(StepViewClass(table[i].code),
                  table[i].viewClass ? table[i].viewClass : RUNTIME_CLASS(CTovan_splitView));
    }
    CSQLite3DB db;
    db.open(database.Path());
    for (CSQLite3Query query = db.execQuery("select distinct ItemDataValue from FormBuilder"); !query.eof();
         query.nextRow())
        EXPECT_TRUE(codes.count(query.getIntField(0))) << query.getIntField(0);
}

TEST_F(WorkflowTest, TheModeListSelectsItsModeOnlyForOneSelectedItem) {
    auto* modes = dynamic_cast<CListProgramModes*>(RightView());
    ASSERT_NE(modes, nullptr);
    CListCtrl& list = modes->GetListCtrl();
    EXPECT_EQ(list.GetSelectedCount(), 0u);

    NMITEMACTIVATE click;
    click.hdr.hwndFrom = &list;
    click.hdr.idFrom = static_cast<UINT_PTR>(list.GetDlgCtrlID());
    click.hdr.code = NM_DBLCLK;
    modes->SendMessage(WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(RightView(), modes);  // empty space: nothing

    list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);  // "Анализ"
    modes->SendMessage(WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(SelectedCode(), static_cast<int>(kCodeAnalysis));
    EXPECT_EQ(RightView()->GetRuntimeClass(), RUNTIME_CLASS(CTovan_splitView));
}

TEST_F(WorkflowTest, ClosingWithUnsavedInputAsksFirst) {
    OpenForm(1);
    CTestPage* page = ShowTestPage();
    Frame()->SelectNextStep();
    EXPECT_FALSE(Frame()->HasUnsavedInput());  // walking changes nothing

    page = ShowTestPage();
    page->SetDlgItemText(kTestEdit, "въведено");
    boxes.Reset({IDNO});
    Frame()->SendMessage(WM_CLOSE);
    ASSERT_NE(Frame(), nullptr);  // still open
    EXPECT_GE(LastMessage(boxes.Texts()).Find("не са записани"), 0);
    EXPECT_EQ(Doc()->CommonData_02.Rainfall, "");  // the page is still open, unsaved

    // Left, the input is in the record: still not stored.
    Frame()->SelectNextStep();
    EXPECT_TRUE(Frame()->HasUnsavedInput());
    boxes.Reset({IDYES});
    Frame()->SendMessage(WM_CLOSE);
    EXPECT_EQ(Frame(), nullptr);
}

TEST_F(WorkflowTest, ARowAddedToATableIsInputToo) {
    OpenForm(1);
    CTestPage* page = ShowTestPage();
    EXPECT_FALSE(Frame()->HasUnsavedInput());
    AppendPageGridRow(page->m_grid, 0, PageGridRow{{"Canis lupus"}, 61});
    EXPECT_TRUE(Frame()->HasUnsavedInput());
}

// Enter or the keypad's Enter on the focused push button of a page presses it, as Space does
// and as in a dialog; a multi-line field that takes Enter keeps it.
TEST_F(WorkflowTest, EnterPressesThePageButtonThatHasTheFocus) {
    OpenForm(16);
    const auto pressEnterOn = [&](int id, UINT modifiers) {
        CWnd* button = RightView()->GetDlgItem(id);
        ActivateTopLevel(button);
        button->SetFocus();
        PressKey(button, VK_RETURN, modifiers);
    };
    Tree()->SelectByItemData(1019);  // the team
    int observerDialogs = 0;
    {
        const ModalRun persons([&](CDialog& shown) {
            ++observerDialogs;
            shown.EndDialog(IDCANCEL);
        });
        pressEnterOn(CCommonForm_06::IDC_ADD_OBSERVER, 0);
        pressEnterOn(CCommonForm_06::IDC_ADD_OBSERVER, MK_KEYPAD);
    }
    EXPECT_EQ(observerDialogs, 2);

    Tree()->SelectByItemData(6952);
    pressEnterOn(IDC_STEP_NEXT, 0);
    ASSERT_EQ(SelectedCode(), 6953);  // the notes
    CWnd* notes = RightView()->GetDlgItem(2645);
    notes->SetFocus();
    TypeText(notes, "а");
    PressKey(notes, VK_RETURN);
    TypeText(notes, "б");
    EXPECT_EQ(TextOf(*RightView(), 2645), "а\r\nб");
    EXPECT_EQ(SelectedCode(), 6953);
    pressEnterOn(IDC_STEP_NEXT, MK_KEYPAD);
    EXPECT_EQ(SelectedCode(), static_cast<int>(kCodeFinalStep));
}

// The stags and the hinds page share their code but neither is a kind of the other, so the
// view switch replaces either by the other.
TEST_F(WorkflowTest, TheDeerFormWalksBackFromTheHindsToTheStags) {
    OpenForm(25);
    while (RightView()->GetRuntimeClass() != RUNTIME_CLASS(CSpecForm_Deer_02)) ASSERT_TRUE(Frame()->SelectNextStep());
    ASSERT_TRUE(Frame()->SelectPrevStep());
    EXPECT_EQ(RightView()->GetRuntimeClass(), RUNTIME_CLASS(CSpecForm_Deer_01));
    EXPECT_TRUE(boxes.boxes.empty());
}

// The final step of a form: the step each way of opening a form ends in, its actions,
// storing a new form, and printing. Storing the changes of a stored form is driven from the
// stored-forms list.
class FinalStepTest : public WorkflowTest {
protected:
    // Opens an amphibian form (it asks for the weather) about a species and types a rainfall
    // on a page of it.
    void TypeForm(const char* rainfall) {
        Doc()->SpeciesID = Number("select SpeciesID from SpeciesFormsRel where FormNameID = 13 and SpeciesType = 1");
        OpenForm(13);
        ShowTestPage()->SetDlgItemText(kTestEdit, rainfall);
    }

    CReportListView* GoToFinalStep(int code = kCodeFinalStep) {
        Tree()->SelectByItemData(code);
        return dynamic_cast<CReportListView*>(RightView());
    }

    static std::vector<std::pair<CString, int>> Actions(CReportListView* view) {
        std::vector<std::pair<CString, int>> actions;
        CListCtrl& list = view->GetListCtrl();
        for (int i = 0; i < list.GetItemCount(); ++i)
            actions.emplace_back(list.GetItemText(i, 0), static_cast<int>(list.GetItemData(i)));
        return actions;
    }

    static void Run(CReportListView* view, int action) {
        view->SelectItem(action);
        view->RunSelectedAction();
    }
};

using ActionList = std::vector<std::pair<CString, int>>;

TEST_F(FinalStepTest, EachWayOfOpeningAFormEndsInItsOwnFinalStepWithItsActions) {
    OpenForm(1);
    CReportListView* view = GoToFinalStep();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Actions(view), (ActionList{{"Запиши", 9999}, {"Справка", 8888}}));
    EXPECT_EQ(view->GetListCtrl().GetSelectedCount(), 0u);
    view->RunSelectedAction();  // nothing selected: nothing happens
    EXPECT_EQ(RightView(), view);
    EXPECT_TRUE(boxes.Texts().empty());

    OpenForm(1, TRUE, FALSE, kCodeEditForms);
    EXPECT_EQ(StepNodes().back(), std::make_pair(CString("Редакция"), static_cast<int>(kCodeFinalStepEditing)));
    EXPECT_EQ(Actions(GoToFinalStep(kCodeFinalStepEditing)), (ActionList{{"Редактирай", 7777}, {"Справка", 8888}}));
    OpenForm(1, FALSE, TRUE, kCodeLookup);
    EXPECT_EQ(StepNodes().back(), std::make_pair(CString("Справка"), static_cast<int>(kCodeFinalStepReadOnly)));
    EXPECT_TRUE(Doc()->IsReadOnly());
    EXPECT_EQ(Actions(GoToFinalStep(kCodeFinalStepReadOnly)), (ActionList{{"Справка", 8888}}));

    // The three final steps are not kin to each other: each switch makes a new view.
    for (const auto& [code, viewClass] : {std::pair{kCodeFinalStepEditing, RUNTIME_CLASS(CReportListView_Editing)},
                                          {kCodeFinalStep, RUNTIME_CLASS(CReportListView)},
                                          {kCodeFinalStepReadOnly, RUNTIME_CLASS(CReportListView_ReadOnly)},
                                          {kCodeFinalStep, RUNTIME_CLASS(CReportListView)}}) {
        Frame()->SwitchView(code);
        EXPECT_EQ(RightView()->GetRuntimeClass(), viewClass) << code;
    }
}

TEST_F(FinalStepTest, StoringANewFormWritesItAndStartsTheNextOne) {
    TypeForm("проливен");
    const int formsBefore = Number("select count(*) from Forms");
    CReportListView* view = GoToFinalStep();
    ASSERT_NE(view, nullptr);
    const int species = Doc()->SpeciesID;
    Run(view, CReportListView::kActionStore);

    // Stored under this session's inspectorate and the chosen species, with the typed page.
    ASSERT_EQ(Number("select count(*) from Forms"), formsBefore + 1);
    const int form = Number("select max(ID) from Forms");
    EXPECT_EQ(Text(FormatSql("select FormCode from Forms where ID = %d", form)), FormatSql("2_13_%d_%d", species, form));
    EXPECT_EQ(Text(FormatSql("select Rainfall from DlgData_02_Climate where FormID = %d", form)), "проливен");

    // Ready for the next form: the chooser under "Въвеждане", no steps, an empty document.
    EXPECT_FALSE(Tree()->HasFormSteps());
    EXPECT_EQ(Frame()->GetSelectedItemText(), "Въвеждане");
    EXPECT_NE(dynamic_cast<CChooseForm_00*>(RightView()), nullptr);
    EXPECT_EQ(Doc()->FormID, -1);
    EXPECT_EQ(Doc()->CommonData_02.Rainfall, "");
    EXPECT_FALSE(Frame()->HasUnsavedInput());
    EXPECT_TRUE(boxes.Texts().empty());
}

// The save's progress window is on the screen, drawn, before the save's first statement, which
// may wait up to a minute for a database that another program holds: no message loop runs
// meanwhile that would draw it.
TEST_F(FinalStepTest, TheProgressWindowIsDrawnBeforeTheSaveMayWait) {
    TypeForm("слана");
    CReportListView* view = GoToFinalStep();
    ASSERT_NE(view, nullptr);
    GuiRuntime::PumpMessages();
    std::optional<int> unlikePixels;  // of the progress window at the first statement; -1: none shown
    const StatementRecorder recorder([&](const std::string&) {
        if (unlikePixels) return;
        const CWnd* progress = ShownTopLevel("Запис");
        unlikePixels = progress ? PixelsShownUnlikeDrawn(progress) : -1;
    });
    CListCtrl& list = view->GetListCtrl();
    CRect store;
    ASSERT_EQ(list.GetItemData(0), static_cast<DWORD_PTR>(CReportListView::kActionStore));  // "Запиши"
    ASSERT_TRUE(list.GetItemRect(0, &store, LVIR_BOUNDS));
    ClickAt(&list, store.CenterPoint(), true);
    EXPECT_EQ(unlikePixels, 0);
    EXPECT_EQ(Doc()->CommonData_02.Rainfall, "");  // stored, the next form begun
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(FinalStepTest, AFailedSaveKeepsTheTypedFormToTryAgain) {
    TypeForm("ръмеж");
    CReportListView* view = GoToFinalStep();
    ASSERT_NE(view, nullptr);
    Exec("alter table Actions rename to ActionsAway");
    const int formsBefore = Number("select count(*) from Forms");
    Run(view, CReportListView::kActionStore);

    ASSERT_EQ(boxes.Texts().size(), 1u);  // the database's error
    EXPECT_EQ(Number("select count(*) from Forms"), formsBefore);  // nothing half-stored
    EXPECT_EQ(RightView(), view);
    EXPECT_TRUE(Tree()->HasFormSteps());
    EXPECT_EQ(Doc()->CommonData_02.Rainfall, "ръмеж");
    EXPECT_EQ(Doc()->FormTypeID, 13);
    EXPECT_TRUE(Frame()->HasUnsavedInput());

    Exec("alter table ActionsAway rename to Actions");
    Run(view, CReportListView::kActionStore);
    EXPECT_EQ(Number("select count(*) from Forms"), formsBefore + 1);
    EXPECT_EQ(Text("select Rainfall from DlgData_02_Climate order by ID desc limit 1"), "ръмеж");
}

TEST_F(FinalStepTest, ReportPrintsTheFormOrSaysThereIsNone) {
    std::vector<CrystalCall> calls;
    const ReportCallRun run([&](const CCrystalCtrl&, const CrystalCall& call) { calls.push_back(call); });
    namespace fs = std::filesystem;
    fs::copy(fs::path(QUORIN_DATA_DIR) / "reports", fs::path(database.Folder().str()) / "Reports",
             fs::copy_options::recursive);
    const CString output = MakeTempFolder();
    SetReportOutputFolder(output);

    OpenForm(24);  // the full bear form has no report
    Run(GoToFinalStep(), CReportListView::kActionReport);
    EXPECT_EQ(LastMessage(boxes.Texts()), "Справка за този формуляр за сега не може да бъде направена.");
    EXPECT_TRUE(calls.empty());

    boxes.Reset({});
    OpenForm(13);
    CReportListView* view = GoToFinalStep();
    Run(view, CReportListView::kActionReport);
    Run(view, CReportListView::kActionReport);  // the report dialog is made once and used again
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(), [](const CrystalCall& call) { return call.kind == CrystalCall::Print; }),
              2);
    EXPECT_TRUE(boxes.Texts().empty());
    EXPECT_TRUE(fs::exists(fs::path(output.str()) / "Amphibians.pdf"));

    SetReportOutputFolder("");
    fs::remove_all(output.str());
}

}  // namespace
