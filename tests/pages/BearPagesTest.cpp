// The bear pages: the bears seen with their dialog, the meeting distances that follow their
// ticks, the size table shown only on demand, and each bear form walked through its pages,
// stored, loaded, printed and deleted.
#include "pages/species/DlgBearAdd.h"
#include "pages/species/SpecFormBear01.h"
#include "pages/species/SpecFormBear02.h"
#include "pages/species/SpecFormBear03.h"
#include "pages/species/SpecFormBear04.h"
#include "pages/species/SpecFormBear05.h"
#include "pages/species/SpecFormBear06.h"
#include "pages/species/SpecFormBear07.h"
#include "tests/pages/PageFixture.h"

namespace {

// A user's click on a check box: it turns over, then tells the page.
void Toggle(CWnd& window, int id) { Tick(window, id, !window.IsDlgButtonChecked(id)); }

class BearPagesTest : public PrintingPageTest {
protected:
    void SetUp() override {
        PrintingPageTest::SetUp();
        doc.FormTypeID = 24;
        doc.SpeciesName = "Ursus arctos(Кафява мечка)";
    }

    CGridCtrl& Grid() { return dynamic_cast<CSpecForm_Bear_01*>(page)->BearGrid(); }
    std::vector<CString> GridRows() { return ::GridRows(Grid()); }
    void WithBearDialog(const std::function<void(CDlg_Bear_Add&)>& script, const std::function<void()>& action) {
        WithDialog<CDlg_Bear_Add>(script, action);
    }
    void AddBear(int size, int color, int sex, const char* count) {
        WithBearDialog([&](CDlg_Bear_Add& dialog) {
            if (size >= 0) Click(dialog, CDlg_Bear_Add::IDC_FIRST_SIZE + size);
            if (color >= 0) Click(dialog, CDlg_Bear_Add::IDC_FIRST_COLOR + color);
            if (sex >= 0) Click(dialog, CDlg_Bear_Add::IDC_MALE + sex);
            Keys(dialog, CDlg_Bear_Add::IDC_COUNT, count);
        }, [&] { Click(*page, CSpecForm_Bear_01::IDC_ADD_BEAR); });
    }
};

TEST_F(BearPagesTest, BearsNeedASizeAndAColourAndKeepTheirChoicesWhenChanged) {
    ShowPage(RUNTIME_CLASS(CSpecForm_Bear_01));
    WithBearDialog([&](CDlg_Bear_Add& dialog) {
        dialog.PressButton(IDOK);  // nothing chosen: the size is asked for first
        Click(dialog, CDlg_Bear_Add::IDC_FIRST_COLOR + 1);
        dialog.PressButton(IDOK);
        Click(dialog, CDlg_Bear_Add::IDC_FIRST_SIZE + 4);
        dialog.CheckDlgButton(CDlg_Bear_Add::IDC_FIRST_COLOR + 1, BST_UNCHECKED);
        dialog.PressButton(IDOK);  // no colour
        EXPECT_FALSE(dialog.IsEnded());
        dialog.PressButton(IDCANCEL);
    }, [&] { Click(*page, CSpecForm_Bear_01::IDC_ADD_BEAR); });
    EXPECT_EQ(boxes.Texts(), (std::vector<CString>{"Моля изберете размера на наблюдаваната мечка.",
                                                    "Моля изберете размера на наблюдаваната мечка.",
                                                    "Моля изберете цвета на наблюдаваната мечка."}));
    boxes.Reset();
    EXPECT_TRUE(GridRows().empty());

    AddBear(4, 1, -1, "2");   // sex and count are optional
    AddBear(0, 3, 1, "12345");  // three digits at most
    AddBear(0, 3, 1, "");    // the same kind again
    EXPECT_EQ(GridRows(), (std::vector<CString>{"1|голяма мечка|2|кафяв|", "2|мече|123|златист|женски", "3|мече||златист|женски"}));

    // Only the count changed: the choices and their words stay.
    WithBearDialog([](CDlg_Bear_Add& dialog) {
        EXPECT_TRUE(dialog.IsDlgButtonChecked(CDlg_Bear_Add::IDC_FIRST_SIZE + 4));
        dialog.SetDlgItemText(CDlg_Bear_Add::IDC_COUNT, "7");
    }, [&] { Grid().SendMessageToParent(1, 2, NM_DBLCLK); });
    Grid().SetSelectedRange(3, 0, 3, 4);
    Click(*page, CSpecForm_Bear_01::IDC_DELETE_BEAR);
    EXPECT_EQ(GridRows(), (std::vector<CString>{"1|голяма мечка|7|кафяв|", "2|мече|123|златист|женски"}));
    Leave();
    ASSERT_EQ(doc.SpecData_Bear_01.Bears.GetSize(), 2);
    EXPECT_EQ(doc.SpecData_Bear_01.Bears[0], (CBear01Row{4, "голяма мечка", 1, "кафяв", -1, "", "7"}));
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(BearPagesTest, TheSizeTableIsShownOnlyWhileTickedAndClearOnEveryEntry) {
    ShowPage(RUNTIME_CLASS(CSpecForm_Bear_01));
    Toggle(*page, CSpecForm_Bear_01::IDC_SHOW_TABLE);
    EXPECT_TRUE(page->IsDlgButtonChecked(CSpecForm_Bear_01::IDC_SHOW_TABLE));
    Grab(page, "page_bear_01_table");
    Leave();
    ShowPage(RUNTIME_CLASS(CSpecForm_Bear_01));
    EXPECT_FALSE(page->IsDlgButtonChecked(CSpecForm_Bear_01::IDC_SHOW_TABLE));
    Leave();
}

TEST_F(BearPagesTest, AMeetingDistanceIsKeptOnlyForATickedKind) {
    using Page = CSpecForm_Bear_02;
    doc.SpecData_Bear_02 = {0, 0, 0, 1, 0, 1, 0, "", "9", "", "", "150", "", "40"};  // "9": a clear kind's distance
    ShowPage(RUNTIME_CLASS(CSpecForm_Bear_02));
    EXPECT_EQ(TextOf(*page, Page::IDC_CRITIC_DISTANCE_DISTANCE), "");
    EXPECT_FALSE(IsEnabled(*page, Page::IDC_CRITIC_DISTANCE_DISTANCE));
    EXPECT_TRUE(IsEnabled(*page, Page::IDC_THREATENS_DISTANCE));
    EXPECT_EQ(TextOf(*page, Page::IDC_THREATENS_DISTANCE), "40");

    Toggle(*page, Page::IDC_THREATENS);  // cleared
    EXPECT_EQ(TextOf(*page, Page::IDC_THREATENS_DISTANCE), "");
    EXPECT_FALSE(IsEnabled(*page, Page::IDC_THREATENS_DISTANCE));
    EXPECT_FALSE(IsEnabled(*page, 2780));  // its label
    Toggle(*page, Page::IDC_THREATENS);  // ticked again: empty and open
    EXPECT_EQ(TextOf(*page, Page::IDC_THREATENS_DISTANCE), "");
    EXPECT_TRUE(IsEnabled(*page, Page::IDC_THREATENS_DISTANCE));
    Keys(*page, Page::IDC_THREATENS_DISTANCE, "3a0");
    Toggle(*page, Page::IDC_AGRESSION);
    Keys(*page, Page::IDC_AGRESSION_DISTANCE, "5");
    Leave();
    EXPECT_EQ(doc.SpecData_Bear_02, (CSpecData_Bear_02{1, 0, 0, 1, 0, 1, 0, "5", "", "", "", "150", "", "30"}));
}

// Notes pasted into a field of 10240 characters, where each line break counts as the two
// characters it is stored as: what the field takes is stored whole, and nothing is said.
TEST_F(BearPagesTest, LongNotesAreStoredAsTheFieldTookThem) {
    const auto notes = [](int width, const char* lineBreak) {  // 300 lines of `width` characters
        CString text;
        for (int line = 0; line < 300; ++line) text += (line ? lineBreak : "") + CString(U'н', width);
        return text;
    };
    for (const int width : {32, 33}) {  // 10198 stored characters; 10498, of which 10240 fit
        ShowPage(RUNTIME_CLASS(CSpecForm_Bear_07));
        page->SetDlgItemText(CSpecForm_Bear_07::IDC_NOTES, "");
        PasteText(page->GetDlgItem(CSpecForm_Bear_07::IDC_NOTES), notes(width, "\n"));
        Leave();
        EXPECT_EQ(doc.SpecData_Bear_07.Notes, notes(width, "\r\n").Left(10240)) << width;
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

// Each bear form through its pages: typed, stored, loaded, printed (form 24: the
// message that it has none) and deleted.
TEST_F(BearPagesTest, EachBearFormIsWalkedStoredPrintedAndDeleted) {
    doc.SpeciesID = Number("select ID from sAllSpecies where Name_lat = 'Ursus arctos'");
    const auto fillSeen = [&] {
        ShowPage(RUNTIME_CLASS(CSpecForm_Bear_01));
        AddBear(0, 0, 0, "2");
        AddBear(0, 1, 1, "1");  // a second cub: its line holds the later one, the earlier goes to "Други данни"
        page->SetDlgItemText(CSpecForm_Bear_01::IDC_BEHAVIOUR, "пасе 'спокойно'");
        Leave();
        ShowPage(RUNTIME_CLASS(CSpecForm_Bear_02));
        Toggle(*page, CSpecForm_Bear_02::IDC_RUN_CALM);
        Keys(*page, CSpecForm_Bear_02::IDC_RUN_CALM_DISTANCE, "120");
        Leave();
    };
    const auto fillNotes = [&](const char* notes) {
        ShowPage(RUNTIME_CLASS(CSpecForm_Bear_07));
        page->SetDlgItemText(CSpecForm_Bear_07::IDC_NOTES, notes);
        Leave();
    };
    const auto fillSigns = [&] {
        ShowPage(RUNTIME_CLASS(CSpecForm_Bear_03));
        page->SetDlgItemText(CSpecForm_Bear_03::IDC_OBJECT_TYPE, "стар бук");
        Click(*page, 2092);
        Leave();
    };
    const auto fillDen = [&] {
        ShowPage(RUNTIME_CLASS(CSpecForm_Bear_04));
        Keys(*page, CSpecForm_Bear_04::IDC_CAVE_HEIGHT, "12a345");
        Click(*page, 2793);
        page->SetDlgItemText(CSpecForm_Bear_04::IDC_MATERIAL, "шума");
        Leave();
    };
    const auto fillTracks = [&] {
        ShowPage(RUNTIME_CLASS(CSpecForm_Bear_05));
        page->SetDlgItemText(CSpecForm_Bear_05::IDC_FRONT_LENGTH, "15");
        Click(*page, 2787);
        Leave();
    };
    const auto fillDroppings = [&] {
        ShowPage(RUNTIME_CLASS(CSpecForm_Bear_06));
        page->SetDlgItemText(CSpecForm_Bear_06::IDC_DROPPINGS, "круши");
        Leave();
    };
    const struct Form {
        int type;
        std::function<void()> fill;
        std::vector<const char*> printed;  // in the report's text ("" for form 24)
    } forms[] = {
        {23, [&] { fillSeen(); }, {"пасе 'спокойно'", "светлокафяв", "кафяв", "120", "Други данни"}},
        {31, fillSigns, {"стар бук", "+"}},
        {32, fillDen, {"1234", "шума"}},
        {33, fillTracks, {"15", "+"}},
        {34, fillDroppings, {"круши"}},
        {24, [&] { fillSeen(); fillSigns(); fillDen(); fillTracks(); fillDroppings(); }, {}},
    };
    for (const Form& form : forms) {
        doc.FormTypeID = form.type;
        doc.ClearAll();
        form.fill();
        fillNotes("бележка");
        const int formId = StoreNew();
        Open(formId, FALSE);
        const std::string printed = Print();
        if (form.type == 24) {
            EXPECT_EQ(printed, "");
            EXPECT_EQ(boxes.Texts(), std::vector<CString>{"Справка за този формуляр за сега не може да бъде направена."});
            boxes.Reset();
        } else {
            for (const char* value : form.printed) EXPECT_NE(printed.find(value), std::string::npos) << form.type << " " << value;
            EXPECT_NE(printed.find("бележка"), std::string::npos) << form.type;
            EXPECT_EQ(printed.find("Други данни") != std::string::npos, form.type == 23) << form.type;
        }
        Delete(formId);
    }
}

}  // namespace
