// The final step of a form: the step each way of opening a form ends in, its actions,
// storing a new form, and printing. Storing the changes of a stored form is driven from the
// stored-forms list.
#include <algorithm>
#include <filesystem>

#include "pages/common/ChooseForm00.h"
#include "platform/CrystalCtrl.h"
#include "platform/ReportEngine.h"
#include "shell/ReportListView.h"
#include "shell/WorkflowCodes.h"
#include "tests/shell/ShellFixture.h"
#include "tests/shell/TestPage.h"

namespace {

class FinalStepTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        RegisterTestPageTemplate();
        StartLoggedIn(4);
    }

    // Opens an amphibian form (it asks for the weather) about a species and types a rainfall
    // on a page of it.
    void TypeForm(const char* rainfall) {
        Doc()->SpeciesID = Number("select SpeciesID from SpeciesFormsRel where FormNameID = 13 and SpeciesType = 1");
        OpenForm(13);
        Frame()->ShowView(RUNTIME_CLASS(CTestPage));
        RightView()->SetDlgItemText(kTestEdit, rainfall);
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
    EXPECT_EQ(Text(FormatSql("select FormCode from Forms where ID = %d", form)), FormatSql("4_13_%d_%d", species, form));
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
