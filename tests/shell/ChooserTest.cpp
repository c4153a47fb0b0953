// The species and form chooser: the species tree, the forms offered for a node, and
// opening the chosen form.
#include <algorithm>
#include <filesystem>

#include "controls/DialogHelpers.h"
#include "controls/SplitterBar.h"
#include "db/SQLite3DB.h"
#include "pages/common/ChooseForm00.h"
#include "platform/ReportEngine.h"
#include "reports/DlgReport.h"
#include "shell/PageHeader.h"
#include "shell/ReportListView.h"
#include "shell/StepViews.h"
#include "shell/WorkflowCodes.h"
#include "tests/shell/ShellFixture.h"

namespace {

class ChooserTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        StartLoggedIn(1);
        Frame()->SelectMode(kCodeNewForm);
        chooser = dynamic_cast<CChooseForm_00*>(RightView());
        ASSERT_NE(chooser, nullptr);
    }

    HTREEITEM Find(int data) { return FindByItemData(chooser->SpeciesTree(), data); }

    std::vector<std::pair<CString, int>> OfferedForms() {
        std::vector<std::pair<CString, int>> forms;
        CListBox& list = chooser->FormList();
        for (int i = 0; i < list.GetCount(); ++i) forms.emplace_back(list.GetText(i), static_cast<int>(list.GetItemData(i)));
        return forms;
    }

    std::vector<std::pair<CString, int>> RelatedForms(int id, int level) {
        std::vector<std::pair<CString, int>> forms;
        CSQLite3DB db;
        db.open(database.Path());
        for (CSQLite3Query query = db.execQuery(FormatSql("select n.Name, n.ID from SpeciesFormsRel r join FormNames n on "
                                                          "n.ID = r.FormNameID where r.SpeciesID = %d and r.SpeciesType = %d "
                                                          "order by r.SequenceNum",
                                                          id, level));
             !query.eof(); query.nextRow())
            forms.emplace_back(query.getStringField(0), query.getIntField(1));
        return forms;
    }

    static int Offset(int level) {
        static const int offsets[] = {0, 0, 10000, 100000, 1000000};
        return offsets[level];
    }

    CRect PlaceOf(int id) { return WindowRectInParent(*chooser->GetDlgItem(id)); }

    CChooseForm_00* chooser = nullptr;
};

TEST_F(ChooserTest, TheTreeHoldsTheFourLevelsWithTheirNames) {
    CTreeCtrl& tree = chooser->SpeciesTree();
    int roots = 0;
    for (HTREEITEM item = tree.GetRootItem(); item; item = tree.GetNextSiblingItem(item)) {
        EXPECT_EQ(SpeciesNodeOf(static_cast<int>(tree.GetItemData(item))).level, 4);
        ++roots;
    }
    EXPECT_EQ(roots, Number("select count(*) from sSuperGroups"));

    // Species of super group 4 read Bulgarian first, the others Latin first.
    const int first = Number("select ID from sAllSpecies where SuperGroupID = 4 and Name_bg is not null and Name_lat "
                             "is not null order by ID limit 1");
    const int other = Number("select ID from sAllSpecies where SuperGroupID <> 4 and Name_bg is not null and "
                             "Name_lat is not null order by ID limit 1");
    ASSERT_NE(Find(first), nullptr);
    EXPECT_EQ(tree.GetItemText(Find(first)),
              Text(FormatSql("select Name_bg || ' (' || Name_lat || ')' from sAllSpecies where ID = %d", first)));
    EXPECT_EQ(tree.GetItemText(Find(other)),
              Text(FormatSql("select Name_lat || ' (' || Name_bg || ')' from sAllSpecies where ID = %d", other)));
}

TEST_F(ChooserTest, ANodeOffersExactlyItsFormsInTheirOrder) {
    CSQLite3DB db;
    db.open(database.Path());
    int nodes = 0;
    for (CSQLite3Query query = db.execQuery("select distinct SpeciesID, SpeciesType from SpeciesFormsRel"); !query.eof();
         query.nextRow()) {
        const int id = query.getIntField(0);
        const int level = query.getIntField(1);
        SCOPED_TRACE(FormatSql("node %d at level %d", id, level).GetString());
        const HTREEITEM node = Find(id + Offset(level));
        ASSERT_NE(node, nullptr);
        chooser->SpeciesTree().SelectItem(node);
        EXPECT_EQ(OfferedForms(), RelatedForms(id, level));
        ++nodes;
    }
    EXPECT_GT(nodes, 10);

    const int without = Number("select ID from sAllSpecies where ID not in (select SpeciesID from SpeciesFormsRel where "
                               "SpeciesType = 1) limit 1");
    chooser->SpeciesTree().SelectItem(Find(without));
    EXPECT_TRUE(OfferedForms().empty());
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(ChooserTest, ContinuingWithoutAFormSaysSoAndChangesNothing) {
    Doc()->FormTypeID = 7;
    Click(*chooser, CChooseForm_00::IDC_CONTINUE);
    EXPECT_EQ(LastMessage(boxes.Texts()), "Няма избрана форма!");
    EXPECT_EQ(RightView(), chooser);
    EXPECT_FALSE(Tree()->HasFormSteps());
    EXPECT_EQ(Doc()->FormTypeID, 7);
}

TEST_F(ChooserTest, ContinuingOpensTheChosenFormForTheChosenSpecies) {
    const int species = Number("select SpeciesID from SpeciesFormsRel where SpeciesType = 1 order by ID limit 1");
    Doc()->CommonData_02.Rainfall = "от предишния формуляр";
    chooser->SpeciesTree().SelectItem(Find(species));
    const auto offered = OfferedForms();
    ASSERT_FALSE(offered.empty());
    chooser->FormList().SetCurSel(0);
    // A double click on the form acts as "Продължи >>".
    chooser->SendMessage(WM_COMMAND, MAKEWPARAM(CChooseForm_00::IDC_FORMS, LBN_DBLCLK),
                         reinterpret_cast<LPARAM>(&chooser->FormList()));

    const int type = offered.front().second;
    EXPECT_EQ(Doc()->FormTypeID, type);
    EXPECT_EQ(Doc()->FormName, offered.front().first);
    EXPECT_EQ(Doc()->SpeciesID, species);
    EXPECT_EQ(Doc()->SpeciesName,
              Text(FormatSql("select case when Name_bg is NULL then Name_lat WHEN Name_lat is NULL THEN Name_bg else "
                             "Name_lat || '(' || Name_bg || ')' end from sAllSpecies where ID = %d",
                             species)));
    EXPECT_EQ(Doc()->SpeciesCode, Text(FormatSql("select species_code from sAllSpecies where ID = %d", species)));
    EXPECT_EQ(Doc()->CommonData_02.Rainfall, "");  // the document was emptied
    EXPECT_EQ(Doc()->FormID, -1);
    EXPECT_FALSE(Doc()->IsReadOnly());

    ASSERT_FALSE(StepNodes().empty());
    EXPECT_EQ(RightView()->GetRuntimeClass(), StepViewClass(StepNodes().front().second));
    EXPECT_TRUE(boxes.Texts().empty());
}

// A form started on a node above species level names that node, as the stored form does
// when opened again: in the page header, in a print before storing and after loading; the
// species of an earlier form is not carried over.
TEST_F(ChooserTest, AFormOnAGroupNamesTheGroupBeforeAndAfterStoring) {
    namespace fs = std::filesystem;
    fs::copy(fs::path(QUORIN_DATA_DIR) / "reports", fs::path(database.Folder().str()) / "Reports",
             fs::copy_options::recursive);
    const CString output = MakeTempFolder();
    SetReportOutputFolder(output);
    std::vector<std::string> printed;
    const ReportCallRun run([&](const CCrystalCtrl&, const CrystalCall& call) {
        if (call.kind == CrystalCall::ParameterField) printed.push_back(call.text.str());
    });
    const auto printedObject = [&] {
        std::vector<std::string> object;
        for (const std::string& text : printed)
            if (text.starts_with("PARAM_SPECIES;") || text.starts_with("PARAM_CODE_SPECIES;")) object.push_back(text);
        printed.clear();
        return object;
    };
    const auto finalStep = [&] {
        Tree()->SelectByItemData(kCodeFinalStep);
        return dynamic_cast<CReportListView*>(RightView());
    };
    const auto runAction = [](CReportListView* view, int action) {
        view->SelectItem(action);
        view->RunSelectedAction();
    };

    struct Case {
        int node;
        int formType;
        const char* object;
    };
    // Chiroptera (super group 7) with its forest form; the trial plot (group 1) with its fungus form.
    for (const Case& choice : {Case{1000007, 19, "Chiroptera(Прилепи)"}, Case{kTrialPlotSpeciesID, 30, "Пробна площадка"}}) {
        SCOPED_TRACE(choice.object);
        Frame()->SelectMode(kCodeNewForm);
        chooser = dynamic_cast<CChooseForm_00*>(RightView());
        ASSERT_NE(chooser, nullptr);
        Doc()->SpeciesName = "Buxbaumia viridis";  // the object of the form before
        Doc()->SpeciesCode = "1386";
        const HTREEITEM node = Find(choice.node);
        ASSERT_NE(node, nullptr);
        chooser->SpeciesTree().SelectItem(node);
        const auto offered = OfferedForms();
        const auto form = std::find_if(offered.begin(), offered.end(), [&](const auto& f) { return f.second == choice.formType; });
        ASSERT_NE(form, offered.end());
        chooser->FormList().SetCurSel(static_cast<int>(form - offered.begin()));
        chooser->OnContinue();
        EXPECT_EQ(Doc()->SpeciesID, choice.node);
        EXPECT_EQ(TextOf(*RightView(), IDC_HEADER_OBJECT), choice.object);

        const std::vector<std::string> object{std::string("PARAM_SPECIES;") + choice.object + ";TRUE",
                                              "PARAM_CODE_SPECIES;;TRUE"};
        CReportListView* view = finalStep();
        ASSERT_NE(view, nullptr);
        runAction(view, CReportListView::kActionReport);
        EXPECT_EQ(printedObject(), object);
        runAction(view, CReportListView::kActionStore);

        CTovan_splitDoc stored;
        stored.m_bAutoDelete = FALSE;
        stored.FormTypeID = choice.formType;
        ASSERT_TRUE(stored.LoadForm(Number("select max(ID) from Forms")));
        EXPECT_EQ(stored.SpeciesID, choice.node);
        EXPECT_EQ(stored.SpeciesName, choice.object);
        EXPECT_EQ(stored.SpeciesCode, "");
        CDlgReport report(&stored);
        ASSERT_TRUE(report.Create(CDlgReport::IDD));
        report.ShowReport(stored.FormTypeID);
        report.DestroyWindow();
        EXPECT_EQ(printedObject(), object);
    }
    EXPECT_TRUE(boxes.Texts().empty()) << boxes.Texts().front();
    SetReportOutputFolder("");
    fs::remove_all(output.str());
}

TEST_F(ChooserTest, TheListsShareTheWidthAndTheBarMovesTheBoundary) {
    CRect client;
    chooser->GetClientRect(&client);
    const int fifth = client.Width() / 5;
    EXPECT_EQ(PlaceOf(CChooseForm_00::IDC_TREE), CRect(0, 60, 2 * fifth, client.Height() - 80));
    EXPECT_EQ(PlaceOf(CChooseForm_00::IDC_FORMS), CRect(2 * fifth + 3, 60, client.Width() - 10, client.Height() - 80));
    EXPECT_EQ(PlaceOf(CChooseForm_00::IDC_FORMS_LABEL).bottom, 57);
    EXPECT_EQ(PlaceOf(CChooseForm_00::IDC_CONTINUE).BottomRight(), CPoint(client.Width() - 10, client.Height() - 10));

    // Dragged with the mouse after the window was moved and resized: the boundary moves by
    // exactly the drag, within 50 pixels each way of where the bar stood.
    Frame()->MoveWindow(40, 30, 900, 640);
    CSplitterBar& bar = chooser->Splitter();
    const auto drag = [&bar](int distance) {
        CRect place;
        bar.GetClientRect(&place);
        const int middle = place.Width() / 2;
        bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(middle, 20));
        bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(middle + distance, 20));
        bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(middle + distance, 20));
    };
    const CRect tree = PlaceOf(CChooseForm_00::IDC_TREE);
    const CRect forms = PlaceOf(CChooseForm_00::IDC_FORMS);
    const CRect label = PlaceOf(CChooseForm_00::IDC_FORMS_LABEL);
    for (const auto& [distance, moved] : {std::pair{30, 30}, {-10, 20}, {80, 70}, {-120, 20}}) {
        drag(distance);
        EXPECT_EQ(PlaceOf(CChooseForm_00::IDC_TREE).right, tree.right + moved) << distance;
        EXPECT_EQ(PlaceOf(CChooseForm_00::IDC_FORMS).left, forms.left + moved);
        EXPECT_EQ(PlaceOf(CChooseForm_00::IDC_FORMS_LABEL).left, label.left + moved);
        EXPECT_EQ(WindowRectInParent(bar).left, tree.right + moved);
    }
    EXPECT_EQ(PlaceOf(CChooseForm_00::IDC_FORMS).right, forms.right);
}

}  // namespace
