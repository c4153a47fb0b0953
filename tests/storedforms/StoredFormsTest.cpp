// The list of stored forms in "Редакция" and "Справка", on forms stored through the document
// by several users of several inspectorates.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "controls/ComboHelpers.h"
#include "db/SQLite3DB.h"
#include "pages/common/ChooseForm00.h"
#include "pages/common/CommonForm01.h"
#include "platform/CrystalCtrl.h"
#include "platform/Desktop.h"
#include "platform/GuiRuntime.h"
#include "platform/Menu.h"
#include "platform/ReportEngine.h"
#include "res/StoredFormIds.h"
#include "shell/MyFormView.h"
#include "shell/ReportListView.h"
#include "shell/StoredForms.h"
#include "store/SqlText.h"
#include "shell/WorkflowCodes.h"
#include "tests/shell/ShellFixture.h"
#include "tests/shell/TestPage.h"

namespace {

using Menu = std::vector<std::pair<CString, UINT>>;

class StoredFormsTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        RegisterTestPageTemplate();
        StartLoggedIn(1);
        Exec("insert into Users (ID, UserName) values (2, 'иван'), (3, 'мария');"
             "insert into Sessions (ID, UserID, RIOSW_ID) values (902, 2, 2), (903, 3, 3);"
             "insert into sAllSpecies (ID, Name_lat, Name_bg) values (9001, 'Lupus testus', 'Тестов вълк'),"
             " (9002, 'Solus latinus', NULL);"
             "insert into sSubGroups (ID, Name_lat, Name_bg) values (907, 'Subgrupa', 'Подгрупа');"
             "insert into sGroups (ID, Name_lat, Name_bg) values (90, 'Grupa', 'Група');"
             "insert into sSuperGroups (ID, Name_lat, Name_bg) values (97, 'Supra', 'Свръхгрупа');");
        const int demo = Doc()->SessionID;
        // Oldest first: session, inspectorate, form type, taxon at each level, rainfall.
        forms = {Store(demo, 1, 11, 9001, "слаб"), Store(902, 2, 13, 10907, "силен"), Store(902, 2, 30, 100001),
                 Store(903, 3, 1, 100090), Store(903, 3, 17, 1000097), Store(demo, 1, 13, 9002)};
        for (int i = 0; i < 6; ++i)
            Exec(FormatSql("update Actions set ActionDate = '2023-05-0%d', ActionTime = '08:0%d:00' where FormID = %d",
                           i + 1, i, forms[i]));
        // The first form was changed twice; a seventh was deleted.
        Exec(FormatSql("insert into Actions (FormID, SessionID, ActionType, ActionDate, ActionTime) values "
                       "(%d, 902, 3, '2023-06-02', '09:00:00'), (%d, 902, 3, '2023-06-02', '10:30:00')",
                       forms[0], forms[0]));
        CTovan_splitDoc().DeleteForm(Store(demo, 1, 1, 9001));
        boxes.Reset({});
    }

    int Store(int session, int inspectorate, int formType, int taxon, const char* rainfall = "") {
        CTovan_splitDoc doc;
        doc.SessionID = session;
        doc.RIOSW_ID = inspectorate;
        doc.FormTypeID = formType;
        doc.SpeciesID = taxon;
        doc.CommonData_02.Rainfall = rainfall;
        EXPECT_TRUE(doc.SaveNewForm());
        return Number("select max(ID) from Forms");
    }

    // The list of the mode, filled as "Покажи" fills it.
    CMyFormView* ShowList(int mode) {
        Frame()->SelectMode(mode);
        auto* view = dynamic_cast<CMyFormView*>(RightView());
        if (view) Click(*view, IDC_STORED_SHOW);
        return view;
    }
    // The form ids of the rows, top to bottom.
    static std::vector<int> Listed(CMyFormView* view) {
        std::vector<int> ids;
        for (int row = 1; row < view->Grid().GetRowCount(); ++row) ids.push_back(int(view->Grid().GetItemData(row, 0)));
        return ids;
    }
    static void Choose(CMyFormView* view, CComboBox& combo, int data) { ::Choose(*view, combo.GetDlgCtrlID(), data); }
    static void SelectRow(CMyFormView* view, int row) { view->Grid().SetSelectedRange(row, 0, row, 8); }
    static void DoubleClick(CMyFormView* view, int row) { view->Grid().SendMessageToParent(row, 1, NM_DBLCLK); }
    // Right-clicks the row and chooses `command`; returns the menu offered.
    static Menu RightClick(CMyFormView* view, int row, UINT command = 0) {
        Menu offered;
        {
            const MenuRun menu([&](const CMenu& shown, CPoint) {
                for (const CMenu::Item& item : shown.Items()) offered.emplace_back(item.text, item.id);
                return command;
            });
            view->Grid().SendMessageToParent(row, 3, NM_RCLICK);
        }
        GuiRuntime::PumpMessages();
        return offered;
    }
    // Runs "Редактирай" on the final step of a form opened for editing.
    CReportListView* Update() {
        Tree()->SelectByItemData(kCodeFinalStepEditing);
        auto* finalStep = dynamic_cast<CReportListView*>(RightView());
        EXPECT_NE(finalStep, nullptr);
        if (finalStep) {
            finalStep->SelectItem(CReportListView::kActionUpdate);
            finalStep->RunSelectedAction();
        }
        return finalStep;
    }
    std::string FileBytes() const {
        std::ifstream file(database.Path().GetString(), std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }

    std::vector<int> forms;
};

TEST_F(StoredFormsTest, ListsTheLiveFormsNewestFirstWithTheirCreationAndLatestChange) {
    const auto type = [this](int id) { return Text(FormatSql("select Name from FormNames where ID = %d", id)); };
    const auto place = [this](int id) { return Text(FormatSql("select Name from nRIOSW_NP_PP where ID = %d", id)); };
    const auto code = [](int riosw, int formType, int taxon, int form) {
        return FormatSql("%d_%d_%d_%d", riosw, formType, taxon, form);
    };
    const std::vector<std::vector<CString>> expected = {
        {"1", type(13), code(1, 13, 9002, forms[5]), "Solus latinus", "2023-05-06", "08:05:00", "demo", place(1), " "},
        {"2", type(17), code(3, 17, 1000097, forms[4]), "Supra(Свръхгрупа)", "2023-05-05", "08:04:00", "мария", place(3), " "},
        {"3", type(1), code(3, 1, 100090, forms[3]), "Grupa(Група)", "2023-05-04", "08:03:00", "мария", place(3), " "},
        {"4", type(30), code(2, 30, 100001, forms[2]), "Пробна площадка", "2023-05-03", "08:02:00", "иван", place(2), " "},
        {"5", type(13), code(2, 13, 10907, forms[1]), "Subgrupa(Подгрупа)", "2023-05-02", "08:01:00", "иван", place(2), " "},
        {"6", type(11), code(1, 11, 9001, forms[0]), "Lupus testus(Тестов вълк)", "2023-05-01", "08:00:00", "demo", place(1),
         "2023-06-02 10:30:00"},
    };
    CMyFormView* view = ShowList(kCodeEditForms);
    ASSERT_NE(view, nullptr);
    std::vector<std::vector<CString>> shown(view->Grid().GetRowCount() - 1);
    for (size_t row = 0; row < shown.size(); ++row)
        for (int col = 0; col < view->Grid().GetColumnCount(); ++col) shown[row].push_back(view->Grid().GetItemText(row + 1, col));
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(view->Grid().GetColumnWidth(2), 0);   // the code is kept, not shown
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(StoredFormsTest, CtrlCCopiesTheSelectedRowWithoutTheHiddenCodeInsideTheMainWindow) {
    CMyFormView* view = ShowList(kCodeEditForms);
    ASSERT_NE(view, nullptr);
    CRect cell;
    view->Grid().GetCellRect(2, 1, &cell);
    ClickAt(&view->Grid(), cell.CenterPoint());
    SetClipboardText("");
    PressKey(&view->Grid(), 'C', MK_CONTROL);  // the main window's accelerators are on the way
    CString expected;
    for (int col : {0, 1, 3, 4, 5, 6, 7, 8}) expected += (col ? "\t" : "") + view->Grid().GetItemText(2, col);
    EXPECT_EQ(GetClipboardText(), expected);
    EXPECT_NE(expected.Find("мария"), -1);
}

TEST_F(StoredFormsTest, FiltersAndTheLimitNarrowTheListClearEmptiesIt) {
    CMyFormView* view = ShowList(kCodeLookup);
    ASSERT_NE(view, nullptr);

    Choose(view, view->FormTypeCombo(), 13);  // shows at once
    EXPECT_EQ(Listed(view), (std::vector<int>{forms[5], forms[1]}));
    Choose(view, view->UserCombo(), 2);       // waits for "Покажи"
    EXPECT_EQ(Listed(view).size(), 2u);
    Click(*view, IDC_STORED_SHOW);
    EXPECT_EQ(Listed(view), (std::vector<int>{forms[1]}));

    Click(*view, IDC_STORED_CLEAR);
    EXPECT_EQ(view->Grid().GetRowCount(), 1);
    EXPECT_EQ(view->UserCombo().GetCurSel() + view->FormTypeCombo().GetCurSel(), -2);
    for (const auto& [limit, count] : std::vector<std::pair<const char*, size_t>>{
             {" 2 ", 2}, {"0", 6}, {"", 6}, {"99999999999999", 6}}) {
        view->SetDlgItemText(IDC_STORED_LIMIT, limit);
        Click(*view, IDC_STORED_SHOW);
        EXPECT_EQ(Listed(view).size(), count) << limit;
    }
    EXPECT_EQ(Listed(view).front(), forms[5]);

    view->SetDlgItemText(IDC_STORED_LIMIT, "1");
    Choose(view, view->UserCombo(), 3);
    Click(*view, IDC_STORED_SHOW_ALL);  // ignores the filters and keeps them
    EXPECT_EQ(Listed(view).size(), 6u);
    EXPECT_EQ(view->UserCombo().GetCurSel(), 2);
    EXPECT_EQ(TextOf(*view, IDC_STORED_LIMIT), "1");

    Exec("alter table Sessions rename to SessionsAway");  // a damaged database is named, not fatal
    Click(*view, IDC_STORED_SHOW);
    EXPECT_EQ(view->Grid().GetRowCount(), 1);
    EXPECT_NE(LastMessage(boxes.Texts()).Find("Sessions"), -1);
}

TEST_F(StoredFormsTest, EachModeOffersItsActionsAndItsMenu) {
    CMyFormView* editing = ShowList(kCodeEditForms);
    ASSERT_NE(editing, nullptr);
    EXPECT_TRUE(editing->GetDlgItem(IDC_STORED_DELETE)->IsWindowVisible());
    EXPECT_TRUE(RightClick(editing, 0).empty());  // not on the heading row
    EXPECT_EQ(RightClick(editing, 2), (Menu{{"Изтрий", ID_STORED_DELETE}}));
    EXPECT_EQ(editing->Grid().GetSelectedCellRange(), CCellRange(2, 0, 2, 8));

    CMyFormView* lookup = ShowList(kCodeLookup);
    ASSERT_NE(lookup, nullptr);
    EXPECT_EQ(lookup->GetRuntimeClass(), RUNTIME_CLASS(CMyReport_FormView));
    EXPECT_FALSE(lookup->GetDlgItem(IDC_STORED_DELETE)->IsWindowVisible());
    EXPECT_EQ(RightClick(lookup, 1),
              (Menu{{"Покажи справка", ID_STORED_PRINT}, {"Зареди формуляр за четене", ID_STORED_OPEN_FOR_READING}}));

    lookup->OnInitialUpdate();  // File New prepares the view again: nothing is added twice
    EXPECT_EQ(lookup->UserCombo().GetCount(), 3);
    EXPECT_EQ(lookup->Grid().GetColumnCount(), 9);
}

TEST_F(StoredFormsTest, DeletingAsksThenLogsAndFlagsTheFormWhole) {
    boxes.Reset({IDOK, IDNO, IDYES});
    const int form = forms[4];
    DoubleClick(ShowList(kCodeEditForms), 2);  // the form is open for editing when it goes
    ASSERT_EQ(Doc()->FormID, form);
    CMyFormView* view = ShowList(kCodeEditForms);
    ASSERT_NE(view, nullptr);
    view->Grid().SetSelectedRange(2, 1, 2, 3);  // part of the row
    Click(*view, IDC_STORED_DELETE);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Няма избран формуляр който да бъде изтрит!");

    const std::string before = FileBytes();
    SelectRow(view, 2);
    Click(*view, IDC_STORED_DELETE);  // "no"
    ASSERT_EQ(boxes.boxes.size(), 2u);
    const MessageBoxLog::Box& question = boxes.boxes[1];
    EXPECT_EQ(FormatSql("%s|%s|%d", question.text, question.caption, int(question.type & MB_TYPEMASK)),
              FormatSql("Сигурни ли сте, че желаете да изтриете избрания формуляр?|Внимание!!!|%d", MB_YESNO));
    EXPECT_EQ(FileBytes(), before);

    RightClick(view, 2, ID_STORED_DELETE);  // "yes"
    EXPECT_EQ(boxes.boxes.size(), 3u);
    EXPECT_EQ(Number(FormatSql("select Del from Forms where ID = %d", form)), 1);
    EXPECT_EQ(Listed(view), (std::vector<int>{forms[5], forms[3], forms[2], forms[1], forms[0]}));
    EXPECT_EQ(Doc()->FormID, -1);  // no "Редактирай" can bring it back
    EXPECT_FALSE(Tree()->HasFormSteps());
}

TEST_F(StoredFormsTest, AFormGoneMeanwhileOrADeleteThatFailsLeavesTheListTrue) {
    CMyFormView* view = ShowList(kCodeEditForms);
    ASSERT_NE(view, nullptr);
    const int actions = Number("select count(*) from Actions");
    for (const auto act : {+[](CMyFormView* v) { Click(*v, IDC_STORED_DELETE); }, +[](CMyFormView* v) { DoubleClick(v, 2); }}) {
        Exec(FormatSql("update Forms set Del = NULL where ID = %d", forms[4]));
        Click(*view, IDC_STORED_SHOW);
        Exec(FormatSql("update Forms set Del = 1 where ID = %d", forms[4]));  // by another program
        SelectRow(view, 2);
        act(view);
        ASSERT_EQ(RightView(), view);
        EXPECT_NE(LastMessage(boxes.Texts()).Find("вече е изтрит"), -1);
        EXPECT_EQ(Listed(view).size(), 5u);
        EXPECT_EQ(Number("select count(*) from Actions"), actions);
        EXPECT_FALSE(Tree()->HasFormSteps());
    }

    // A delete the database refuses is undone whole; the list stays as it was.
    Exec("create trigger refuse before update on Forms begin select raise(abort, 'disk full'); end");
    SelectRow(view, 1);
    Click(*view, IDC_STORED_DELETE);
    EXPECT_NE(LastMessage(boxes.Texts()).Find("disk full"), -1);
    EXPECT_EQ(Listed(view).size(), 5u);
    EXPECT_EQ(Number("select count(*) from Actions"), actions);
    EXPECT_EQ(Number(FormatSql("select count(*) from DlgData_02_Climate where FormID = %d", forms[5])), 1);
}

TEST_F(StoredFormsTest, AFormWithAStepStillWithoutItsPageIsOnlyReadAndNeverStoredAgain) {
    // A step of the form type that this copy of the program has no page for, and rows of the
    // form that another copy stored.
    const int form = forms[0];
    Exec(FormatSql("insert into FormViews (ID, Name) values (6999, 'Нова страница');"
                   "insert into FormBuilder (FormTypeId, FormViewID, SequenceNum, Caption, ItemDataValue) "
                   "select FormTypeID, 6999, 95, 'Нова страница', 6999 from Forms where ID = %d;"
                   "insert into tFishes_01 (FormID) values (%d)",
                   form, form));
    const CString speciesRows = FormatSql("select group_concat(ID) from tFishes_01 where FormID = %d", form);
    const CString storedRows = Text(speciesRows);
    DoubleClick(ShowList(kCodeEditForms), 6);
    ASSERT_EQ(Doc()->FormID, form);
    EXPECT_TRUE(Doc()->IsReadOnly());

    Update();
    EXPECT_NE(LastMessage(boxes.Texts()).Find("не може да бъде записан отново"), -1);
    EXPECT_EQ(Text(speciesRows), storedRows);  // neither deleted nor written again
    EXPECT_EQ(Number(FormatSql("select count(*) from Actions where FormID = %d and ActionType = 3 and SessionID = %d",
                               form, Doc()->SessionID)), 0);
}

TEST_F(StoredFormsTest, AFormOpenedForEditingIsStoredAgainUnderItsOwnId) {
    const int form = forms[0];
    const CString code = Text(FormatSql("select FormCode from Forms where ID = %d", form));
    const int formCount = Number("select count(*) from Forms");
    DoubleClick(ShowList(kCodeEditForms), 6);

    EXPECT_EQ(Doc()->FormID, form);
    EXPECT_EQ(Doc()->FormTypeID, 11);
    EXPECT_EQ(Doc()->SpeciesName, "Lupus testus(Тестов вълк)");
    EXPECT_EQ(Doc()->CommonData_02.Rainfall, "слаб");
    EXPECT_FALSE(Doc()->IsReadOnly());
    const auto steps = StepNodes();
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.back(), (std::pair<CString, int>{"Редакция", kCodeFinalStepEditing}));
    EXPECT_EQ(Tree()->LastData(), steps.front().second);  // the first page is shown

    Frame()->ShowView(RUNTIME_CLASS(CTestPage));
    RightView()->SetDlgItemText(kTestEdit, "проливен");
    EXPECT_TRUE(Frame()->HasUnsavedInput());
    CReportListView* finalStep = Update();
    Update();  // as often as the user likes; the form stays open

    EXPECT_EQ(RightView(), finalStep);
    EXPECT_TRUE(Tree()->HasFormSteps());
    EXPECT_FALSE(Frame()->HasUnsavedInput());
    EXPECT_EQ(Number("select count(*) from Forms"), formCount);
    EXPECT_EQ(Text(FormatSql("select FormCode from Forms where ID = %d", form)), code);
    EXPECT_EQ(Text(FormatSql("select Rainfall from DlgData_02_Climate where FormID = %d", form)), "проливен");
    EXPECT_EQ(Number(FormatSql("select count(*) from Actions where FormID = %d and ActionType = 3 and SessionID = %d",
                               form, Doc()->SessionID)), 2);
    EXPECT_EQ(ShowList(kCodeEditForms)->Grid().GetItemText(6, 8),
              Text(FormatSql("select ActionDate || ' ' || ActionTime from Actions where FormID = %d order by ID desc", form)));
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(StoredFormsTest, AFormOpenedForReadingIsLockedAndLeavingItStoresNothing) {
    const std::string before = FileBytes();
    RightClick(ShowList(kCodeLookup), 5, ID_STORED_OPEN_FOR_READING);
    EXPECT_EQ(Doc()->FormID, forms[1]);
    EXPECT_TRUE(Doc()->IsReadOnly());
    const auto steps = StepNodes();
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.back(), (std::pair<CString, int>{"Справка", kCodeFinalStepReadOnly}));

    // Every step, and a page with every kind of control: edits read-only but enabled (their
    // text can still be copied), the rest disabled but for group boxes and the step buttons.
    Frame()->ShowView(RUNTIME_CLASS(CTestPage));
    do {
        for (CWnd* child = RightView()->GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT)) {
            const CString kind = child->GetWindowClassName();
            const int id = child->GetDlgCtrlID();
            const bool stepOrGroup = id == 2579 || id == 2581 || (child->GetStyle() & BS_TYPEMASK) == BS_GROUPBOX;
            if (kind == "Edit") {
                EXPECT_TRUE(child->GetStyle() & ES_READONLY) << id;
                EXPECT_TRUE(child->IsWindowEnabled()) << id;
            } else if (kind == "ComboBox" || kind == "ListBox" || kind == "MFCGridCtrl" || kind == "SysDateTimePick32" ||
                       kind == "Button") {
                EXPECT_EQ(bool(child->IsWindowEnabled()), kind == "Button" && stepOrGroup) << kind << " " << id;
            }
        }
    } while (Frame()->SelectNextStep());
    EXPECT_EQ(Doc()->CommonData_02.Rainfall, "силен");  // leaving copied the unchanged controls back
    Frame()->SelectMode(kCodeLookup);
    EXPECT_EQ(FileBytes(), before);
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(StoredFormsTest, PrintingFromTheLookUpListLoadsTheFormAndKeepsTheList) {
    int prints = 0;
    const ReportCallRun run([&](const CCrystalCtrl&, const CrystalCall& call) { prints += call.kind == CrystalCall::Print; });
    namespace fs = std::filesystem;
    fs::copy(fs::path(QUORIN_DATA_DIR) / "reports", fs::path(database.Folder().str()) / "Reports",
             fs::copy_options::recursive);
    const CString output = MakeTempFolder();
    SetReportOutputFolder(output);

    CMyFormView* view = ShowList(kCodeLookup);
    DoubleClick(view, 5);
    RightClick(view, 5, ID_STORED_PRINT);
    EXPECT_EQ(prints, 2);
    EXPECT_EQ(RightView(), view);
    EXPECT_FALSE(Tree()->HasFormSteps());
    EXPECT_EQ(Doc()->FormID, forms[1]);
    EXPECT_EQ(Doc()->CommonData_02.Rainfall, "силен");
    EXPECT_EQ(LastMessage(boxes.Texts()), "");

    SetReportOutputFolder("");
    fs::remove_all(output.GetString());
}

// Right after "Покажи всички" the user moves the pointer onto a row whose form name the
// column cannot show whole (the cell's title tip appears and holds the mouse) and
// double-clicks it. While the program is still busy with the list, the first click comes
// in one piece with the move; the loop catches up before the second click. The form opens
// at that first double click.
TEST_F(StoredFormsTest, TheFirstDoubleClickOnARowRightAfterTheListIsFilledOpensTheForm) {
    Frame()->SelectMode(kCodeEditForms);
    auto* view = dynamic_cast<CMyFormView*>(RightView());
    ASSERT_NE(view, nullptr);
    ActivateTopLevel(view);
    // Every event is made over the main window, which outlives the list.
    const auto inFrame = [this](const CWnd& over, CPoint point) {
        over.ClientToScreen(&point);
        Frame()->ScreenToClient(&point);
        return point;
    };
    const auto user = [this](CPoint point, PointerEvent event, int after = 80) { UserPointer(Frame(), point, event, after); };
    CWnd* showAll = view->GetDlgItem(IDC_STORED_SHOW_ALL);
    CRect button;
    showAll->GetClientRect(&button);
    for (const PointerEvent event : {PointerEvent::Move, PointerEvent::Press, PointerEvent::Release})
        user(inFrame(*showAll, button.CenterPoint()), event);
    CGridCtrl& grid = view->Grid();
    ASSERT_EQ(grid.GetRowCount(), 7);

    // The row of the form of type 17, whose name is cut in its column.
    constexpr int kRow = 2;
    ASSERT_EQ(static_cast<int>(grid.GetItemData(kRow, CMyFormView::kNumberColumn)), forms[4]);
    CRect cell;
    ASSERT_TRUE(grid.GetCellRect(kRow, CMyFormView::kFormTypeColumn, &cell));
    const CPoint row = inFrame(grid, cell.CenterPoint());
    CWnd* const focused = CWnd::GetFocus();
    user(CPoint(row.x, row.y - cell.Height()), PointerEvent::Move, 40);
    user(row, PointerEvent::Move, 40);
    CWnd* tip = CWnd::GetCapture();
    ASSERT_NE(tip, nullptr);  // the title tip holds the mouse
    ASSERT_NE(tip, &grid);
    EXPECT_EQ(CWnd::GetFocus(), focused);  // a tip, not a window: the focus stays
    user(row, PointerEvent::Press, 120);
    user(row, PointerEvent::Release);
    GuiRuntime::PumpMessages();
    user(row, PointerEvent::Press);
    user(row, PointerEvent::Release);
    GuiRuntime::PumpMessages();

    // The form's first page replaced the list (a new view may take the freed list's address).
    EXPECT_EQ(dynamic_cast<CMyFormView*>(RightView()), nullptr);
    EXPECT_TRUE(Tree()->HasFormSteps());
    EXPECT_EQ(Doc()->FormID, forms[4]);
    EXPECT_FALSE(Doc()->IsReadOnly());
}

// Under a window manager the real pointer rests on a cut-off form name: the tip shows the
// whole name over the row, and a click on it selects the row.
TEST_F(StoredFormsTest, AClickOnTheTipOfACutOffNameSelectsTheRowUnderX11) {
    SKIP_UNLESS_X11();
    Frame()->SelectMode(kCodeEditForms);
    auto* view = dynamic_cast<CMyFormView*>(RightView());
    ASSERT_NE(view, nullptr);
    ActivateTopLevel(view);
    Click(*view, IDC_STORED_SHOW_ALL);
    CGridCtrl& grid = view->Grid();
    constexpr int kRow = 2;  // the form of type 17, whose name is cut in its column
    CRect cell;
    ASSERT_TRUE(grid.GetCellRect(kRow, CMyFormView::kFormTypeColumn, &cell));
    ASSERT_TRUE(RealPointerAt(&grid, CPoint(cell.CenterPoint().x, cell.top - cell.Height()), false));
    ASSERT_TRUE(RealPointerAt(&grid, cell.CenterPoint(), false));
    ASSERT_TRUE(PumpUntil([&] { return CWnd::GetCapture() != nullptr && CWnd::GetCapture() != &grid; }));
    ASSERT_TRUE(RealPointerAt(&grid, cell.CenterPoint(), true));
    EXPECT_TRUE(PumpUntil([&] { return grid.IsCellSelected(kRow, CMyFormView::kNumberColumn); }));
    EXPECT_EQ(CWnd::GetFocus(), &grid);
}

TEST_F(StoredFormsTest, OpeningAStoredFormOverATypedOneAsksFirst) {
    OpenForm(1);
    Frame()->ShowView(RUNTIME_CLASS(CTestPage));
    RightView()->SetDlgItemText(kTestEdit, "непопълнен");
    CMyFormView* view = ShowList(kCodeEditForms);
    boxes.Reset({IDNO});
    DoubleClick(view, 1);
    EXPECT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(RightView(), view);
    EXPECT_EQ(Doc()->CommonData_02.Rainfall, "непопълнен");

    boxes.Reset({IDYES});
    DoubleClick(view, 1);
    EXPECT_EQ(Doc()->FormID, forms[5]);
    EXPECT_EQ(Doc()->CommonData_02.Rainfall, "");
}

// The delete question's "&Да" and "&Не" answer to Alt with their letter, the Cyrillic key as X
// gives it under a Bulgarian layout.
TEST_F(StoredFormsTest, TheDeleteQuestionAnswersAltWithTheLetterOfItsButton) {
    CMyFormView* view = ShowList(kCodeEditForms);
    ASSERT_NE(view, nullptr);
    SelectRow(view, 1);
    const auto answer = [&](const char* letter) {
        const ShownMessageBoxes shown([letter] { PressLetterKey(nullptr, letter, MK_ALT); });
        Click(*view, IDC_STORED_DELETE);
    };
    const CString deleted = FormatSql("select Del from Forms where ID = %d", forms[5]);
    answer("н");
    EXPECT_EQ(Text(deleted), "");
    answer("д");
    EXPECT_EQ(Text(deleted), "1");
}

// The chooser clears the document as opening a stored form does: over a form changed since it
// was opened it asks first, and "Не" leaves the form, its steps and the chooser as they were.
TEST_F(StoredFormsTest, StartingANewFormOverAChangedOneAsksFirst) {
    DoubleClick(ShowList(kCodeEditForms), 6);
    ASSERT_EQ(Doc()->FormID, forms[0]);
    TypeText(RightView()->GetDlgItem(CCommonForm_01::IDC_DEPARTMENT), "12");
    Frame()->SelectMode(kCodeNewForm);
    auto* chooser = dynamic_cast<CChooseForm_00*>(RightView());
    ASSERT_NE(chooser, nullptr);
    const int offered = Number("select SpeciesID from SpeciesFormsRel where SpeciesType = 1 order by ID limit 1");
    chooser->SpeciesTree().SelectItem(FindByItemData(chooser->SpeciesTree(), offered));
    ASSERT_GT(chooser->FormList().GetCount(), 0);
    chooser->FormList().SetCurSel(0);
    CWnd* const proceed = chooser->GetDlgItem(CChooseForm_00::IDC_CONTINUE);
    CRect button;
    proceed->GetClientRect(&button);

    boxes.Reset({IDNO});
    ClickAt(proceed, button.CenterPoint());
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(boxes.Texts()[0], "Формулярът съдържа данни, които не са записани, и те ще бъдат загубени.\n"
                                "Да бъде ли започнат нов формуляр?");
    EXPECT_EQ(RightView(), chooser);
    EXPECT_EQ(StepNodes().size(), 0u);  // under "Въвеждане": the form's steps stay under "Редакция"
    EXPECT_TRUE(Tree()->HasFormSteps());
    EXPECT_EQ(Doc()->FormID, forms[0]);
    EXPECT_EQ(Doc()->SpeciesID, 9001);
    EXPECT_EQ(Doc()->CommonData_01.Department, "12");

    boxes.Reset({IDYES});
    ClickAt(proceed, button.CenterPoint());
    EXPECT_EQ(Doc()->FormID, -1);
    EXPECT_EQ(Doc()->CommonData_01.Department, "");
    EXPECT_FALSE(StepNodes().empty());
}

}  // namespace

namespace {

// The list's statement in its plain form: inner joins, the view of latest changes, and the
// filters as "-1 or equal" conditions.
CString PlainStoredFormsQuery(int formTypeId, int userId, int limit) {
    CString sql = FormatSql(
        "select f.ID as fID, f.FormTypeID as fFormTypeID, f.FormCode as fFormCode, "
        "case when f.SpeciesType = 1 then case when sa.Name_bg is NULL then sa.Name_lat "
        "when sa.Name_lat is NULL then sa.Name_bg else sa.Name_lat || '(' || sa.Name_bg || ')' end "
        "when f.SpeciesType = 2 then sSub.Name_lat || '(' || sSub.Name_bg || ')' "
        "when f.SpeciesType = 3 and f.SpeciesID = 1 then 'Пробна площадка' "
        "when f.SpeciesType = 3 then sG.Name_lat || '(' || sG.Name_bg || ')' "
        "when f.SpeciesType = 4 then sS.Name_lat || '(' || sS.Name_bg || ')' end as SpeciesName, "
        "n.Name as nName, a.ActionDate as aActionDate, a.ActionTime as aActionTime, u.UserName as uUserName, "
        "nR.Name as nRName, l.ActionDate as LastModifyDate, l.ActionTime as LastModifyTime "
        "from Forms f inner join FormNames n on f.FormTypeID = n.ID "
        "inner join Actions a on a.FormID = f.ID and a.ActionType = 1 inner join Sessions s on a.SessionID = s.ID "
        "inner join Users u on s.UserID = u.ID inner join nRIOSW_NP_PP nR on s.RIOSW_ID = nR.ID "
        "left join sAllSpecies sA on f.SpeciesID = sA.ID left join sSubgroups sSub on f.SpeciesID = sSub.ID "
        "left join sGroups sG on f.SpeciesID = sG.ID left join sSuperGroups sS on f.SpeciesID = sS.ID "
        "left join LastUpdateActions l on l.FormID = f.ID "
        "where ( -1 = %d or f.FormTypeID = %d ) and ( -1 = %d or u.ID = %d ) and f.Del is NULL order by fID desc ",
        formTypeId, formTypeId, userId, userId);
    return limit > 0 ? FormatSql("%s limit %d", sql.GetString(), limit) : sql;
}

std::vector<std::vector<CString>> RowsOf(CSQLite3DB& db, const CString& sql) {
    std::vector<std::vector<CString>> rows;
    CSQLite3Query query = db.execQuery(sql);
    const CStoredFormReader reader(query);
    for (; !query.eof(); query.nextRow()) {
        const StoredFormRow r = reader.Read(query);
        rows.push_back({FormatSql("%d %d", r.formId, r.formTypeId), r.formTypeName, r.formCode, r.objectName, r.createdDate,
                        r.createdTime, r.userName, r.inspectorate, r.lastChange});
    }
    return rows;
}

}  // namespace

TEST_F(StoredFormsTest, EveryPlanOfEveryFilterGivesTheRowsOfThePlainStatementWithOrWithoutTheListIndexes) {
    CSQLite3DB db;
    db.open(database.Path());
    for (const bool indexed : {true, false}) {
        // A database made before the list's indexes existed lists the same rows, only slower.
        if (!indexed) db.execDML("drop index ix_Forms_FormTypeID; drop index ix_Sessions_UserID; drop index ix_Actions_SessionID;");
        for (const int formType : {-1, 13, 17, 999})
            for (const int user : {-1, 1, 2, 3, 77})
                for (const int limit : {0, 1}) {
                    SCOPED_TRACE(FormatSql("indexed %d, form type %d, user %d, limit %d", indexed, formType, user, limit).GetString());
                    const auto expected = RowsOf(db, PlainStoredFormsQuery(formType, user, limit));
                    for (const StoredFormsPlan plan : {StoredFormsPlan::kNewestFormsFirst, StoredFormsPlan::kUserSessionsFirst})
                        EXPECT_EQ(RowsOf(db, StoredFormsQuery(formType, user, limit, plan)), expected);
                }
    }
    EXPECT_EQ(ChooseStoredFormsPlan(db, 2), StoredFormsPlan::kUserSessionsFirst);
    EXPECT_EQ(ChooseStoredFormsPlan(db, -1), StoredFormsPlan::kNewestFormsFirst);
}
