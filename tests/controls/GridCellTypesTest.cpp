// The cells beside the plain text cell, each on a test grid: the check box, the drop-down
// list, the date and time, the number and the link.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "controls/grid/GridCellEditors.h"
#include "controls/grid/GridCellTypes.h"
#include "platform/CommandIds.h"
#include "platform/DC.h"
#include "platform/DataTransfer.h"
#include "platform/Desktop.h"
#include "platform/SystemInfo.h"
#include "tests/controls/GridTestSupport.h"
#include "tests/support/WindowFixture.h"

namespace {

// An editable grid with a heading row and one row of each kind of cell, in this order.
class GridCellTypes : public ::testing::Test {
protected:
    enum Row { kCheck = 1, kCombo, kDate, kNumber, kLink };

    void SetUp() override {
        grid.SetEditable(TRUE);
        for (const char* heading : {"Вид", "Стойност"}) grid.InsertColumn(heading, DT_CENTER, -1);
        grid.SetFixedRowCount(1);
        grid.SetColumnWidth(0, 120);
        grid.SetColumnWidth(1, 220);
        for (const CRuntimeClass* type : {RUNTIME_CLASS(CGridCellCheck), RUNTIME_CLASS(CGridCellCombo), RUNTIME_CLASS(CGridCellDateTime),
                                          RUNTIME_CLASS(CGridCellNumeric), RUNTIME_CLASS(CGridURLCell)}) {
            ASSERT_TRUE(grid.SetDefaultCellType(type));
            grid.SetItemText(grid.InsertRow(type->m_lpszClassName), 1, "");
        }
        grid.SetItemText(kCheck, 1, "прегледано");
        grid.SetItemText(kCombo, 1, "бук");
        grid.SetItemText(kNumber, 1, "12");
        grid.SetItemText(kLink, 1, "виж www.example.org");
        Pump();
    }
    template <class Cell>
    Cell& CellAt(int row) { return dynamic_cast<Cell&>(*grid.GetCell(row, 1)); }
    // The editor open over the cell.
    CWnd* Editor() const { return grid.GetDlgItem(IDC_INPLACE_CONTROL); }
    CGridComboList* ComboList() const { return dynamic_cast<CGridComboList*>(Editor()); }
    void Open(int row) { grid.OnEditCell(row, 1, CPoint(-1, -1), VK_LBUTTON); }

    GridOwner owner;
    CGridCtrl& grid = owner.grid;
};

TEST_F(GridCellTypes, ACheckBoxTogglesOnAClickInItsBoxOnlyInAnEditableGrid) {
    CRect cell;
    grid.GetCellRect(kCheck, 1, &cell);
    const int margin = static_cast<int>(grid.GetCell(kCheck, 1)->GetMargin());
    const CPoint inBox(cell.left + margin + GetSystemMetrics(SM_CXHSCROLL) / 2, cell.top + cell.Height() / 2);
    Click(grid, inBox);
    EXPECT_TRUE(CellAt<CGridCellCheck>(kCheck).GetCheck());
    Pump();
    Grab(&owner, "grid_cell_types");
    Click(grid, CPoint(cell.right - 5, inBox.y));  // on the text
    EXPECT_TRUE(CellAt<CGridCellCheck>(kCheck).GetCheck());

    grid.SetEditable(FALSE);
    Click(grid, inBox);
    EXPECT_TRUE(CellAt<CGridCellCheck>(kCheck).GetCheck());
}

TEST_F(GridCellTypes, TheDropDownListIsAsWideAsItsWidestOptionUpToALimit) {
    CStringArray options;
    for (const char* option : {"бук", "дъб"}) options.Add(option);
    CellAt<CGridCellCombo>(kCombo).SetOptions(options);
    grid.SetColumnWidth(1, 40);
    Open(kCombo);
    auto* list = ComboList();
    ASSERT_NE(list, nullptr);
    CClientDC dc(&grid);
    dc.SelectObject(list->GetFont());
    const int least = static_cast<int>(dc.GetTextExtent(CString("бук")).cx + GetSystemMetrics(SM_CXVSCROLL) +
                                       dc.GetTextExtent(CString("0")).cx);
    EXPECT_GE(list->GetDroppedWidth(), least);
    EXPECT_LT(list->GetDroppedWidth(), CGridComboList::kMaxDropWidth);
    EXPECT_EQ(list->GetCurSel(), 0);  // the cell's text chosen
    Grab(&owner, "grid_combo_open");
    PressKey(list, VK_ESCAPE);
    Pump();
    EXPECT_EQ(ComboList(), nullptr);
    EXPECT_EQ(grid.GetItemText(kCombo, 1), CString("бук"));

    options.Add("Обикновен бук с много дълго име, по-дълго от всяка клетка на таблицата");
    CellAt<CGridCellCombo>(kCombo).SetOptions(options);
    Open(kCombo);
    list = ComboList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->GetDroppedWidth(), CGridComboList::kMaxDropWidth);
    list->SetCurSel(1);
    PressKey(list, VK_RETURN);
    Pump();
    EXPECT_EQ(grid.GetItemText(kCombo, 1), CString("дъб"));
}

TEST_F(GridCellTypes, EscEndsTheDateEditorAndKeepsTheChosenTime) {
    Open(kDate);
    auto* editor = dynamic_cast<CGridDateTimeEdit*>(Editor());
    ASSERT_NE(editor, nullptr);
    editor->SetTime(COleDateTime(2021, 6, 15, 9, 30, 0));
    Grab(&owner, "grid_date_open");
    editor->SendMessage(WM_KEYUP, VK_ESCAPE);
    Pump();
    EXPECT_EQ(Editor(), nullptr);
    std::tm parts{};
    const std::time_t kept = CellAt<CGridCellDateTime>(kDate).GetTime();
    localtime_r(&kept, &parts);
    EXPECT_EQ((std::vector<int>{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min}),
              (std::vector<int>{2021, 6, 15, 9, 30}));
    EXPECT_NE(grid.GetItemText(kDate, 1).Find("2021"), -1);
}

// Destroyed by a caller, the date editor ends its edit first: the cell keeps the chosen time
// and holds no editor that is gone. Run apart, so that a crash fails the test.
TEST_F(GridCellTypes, DestroyingTheDateEditorEndsTheEdit) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            Open(kDate);
            auto* editor = dynamic_cast<CGridDateTimeEdit*>(grid.GetCell(kDate, 1)->GetEditWnd());
            if (editor == nullptr) std::exit(2);
            editor->SetTime(COleDateTime(2021, 6, 15, 9, 30, 0));
            editor->DestroyWindow();
            Pump();
            Grab(&owner, "grid_date_destroyed");
            const bool ended = Editor() == nullptr && !grid.GetCell(kDate, 1)->IsEditing() &&
                               grid.GetCell(kDate, 1)->GetEditWnd() == nullptr;
            std::exit(ended && grid.GetItemText(kDate, 1).Find("2021") != -1 ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(GridCellTypes, TheNumberEditorTakesDigitsOnly) {
    Open(kNumber);
    ASSERT_NE(Editor(), nullptr);
    TypeText(Editor(), "3a4б");
    PressKey(Editor(), VK_RETURN);
    Pump();
    EXPECT_EQ(grid.GetItemText(kNumber, 1), CString("1234"));
}

TEST_F(GridCellTypes, ALinkIsDrawnInItsColourAndOpensOnAClickPlainTextStaysPlain) {
    CRect cell;
    grid.GetCellRect(kLink, 1, &cell);
    // Whether the link colour appears where the cell is drawn.
    const auto drawsLinkColour = [&] {
        const GridPicture picture(grid);
        for (int x = cell.left; x < cell.right; ++x)
            for (int y = cell.top; y < cell.bottom; ++y)
                if (picture.At(x, y) == CellAt<CGridURLCell>(kLink).GetUrlColour()) return true;
        return false;
    };
    CellAt<CGridURLCell>(kLink).SetUrlColour(RGB(0, 0, 255));
    EXPECT_TRUE(drawsLinkColour());
    EXPECT_FALSE(grid.GetCell(kLink, 1)->Edit(kLink, 1, CRect(), CPoint(), IDC_INPLACE_CONTROL, VK_LBUTTON));

    grid.SetEditable(FALSE);  // links are for reading: a click on an editable cell would edit it
    std::vector<CString> opened;
    SetDesktopOpener([&](const CString& url) {
        opened.push_back(url);
        return true;
    });
    const int margin = static_cast<int>(grid.GetCell(kLink, 1)->GetMargin());
    const int textWidth = static_cast<int>(grid.GetTextExtent(kLink, 1, "виж www.example.org").cx);
    const CPoint overLink(cell.left + margin + textWidth * 3 / 4, cell.top + cell.Height() / 2);
    const CPoint overWord(cell.left + margin + 3, overLink.y);
    Click(grid, overWord);
    Click(grid, overLink);
    EXPECT_EQ(opened, (std::vector<CString>{"http://www.example.org"}));

    // The hand over the link, the arrow elsewhere and over a text without a link.
    const auto cursorAt = [&](CPoint point) {
        grid.ClientToScreen(&point);
        SetCursorPos(point.x, point.y);
        if (!grid.GetCell(kLink, 1)->OnSetCursor()) return HCURSOR{};
        return GetCursor();
    };
    EXPECT_EQ(cursorAt(overLink), LoadStandardCursor(IDC_HAND));
    EXPECT_EQ(cursorAt(overWord), LoadStandardCursor(IDC_ARROW));
    grid.SetItemText(kLink, 1, "виж примера");
    EXPECT_EQ(cursorAt(overLink), LoadStandardCursor(IDC_ARROW));
    EXPECT_FALSE(drawsLinkColour());
    Click(grid, overLink);
    EXPECT_EQ(opened.size(), 1u);
    SetDesktopOpener(nullptr);
}

// A grid whose data cells are all drop-down lists with an edit field, edited as the user does.
class GridComboEditing : public ::testing::Test {
protected:
    void SetUp() override {
        grid.SetEditable(TRUE);
        ASSERT_TRUE(grid.SetDefaultCellType(RUNTIME_CLASS(CGridCellCombo)));
        for (const char* heading : {"Дърво", "Подлес"}) grid.InsertColumn(heading, DT_CENTER, -1);
        grid.SetFixedRowCount(1);
        CStringArray options;
        for (const char* option : {"бук", "дъб", "бор"}) options.Add(option);
        for (const char* trees : {"бук|дъб", "бор|ела", "дъб|бук"}) {
            const CString pair(trees);
            const int row = grid.InsertRow(pair.Left(pair.Find('|')));
            grid.SetItemText(row, 1, pair.Mid(pair.Find('|') + 1));
            for (int col = 0; col < 2; ++col) dynamic_cast<CGridCellCombo&>(*grid.GetCell(row, col)).SetOptions(options);
        }
        Pump();
    }
    CGridComboList* List() const { return dynamic_cast<CGridComboList*>(grid.GetDlgItem(IDC_INPLACE_CONTROL)); }
    CGridComboEdit* Field() const { return List() ? List()->EditField() : nullptr; }
    CString FieldText() const { return Field() ? TextOf(*List(), CGridComboEdit::kControlId) : CString("(closed)"); }
    // A click makes the cell the current one (a click on the current one would edit it);
    // F2 or a typed character opens its editor.
    void Open(int row, int col, const char* typed = nullptr) {
        if (grid.GetFocusCell() != CCellID(row, col)) ClickAt(&grid, CellCentre(grid, row, col));
        if (typed) TypeText(&grid, typed);
        else PressKey(&grid, VK_F2);
    }
    void Press(UINT key, UINT modifiers = 0) {
        PressKey(Field(), key, modifiers);
        Pump();
    }

    GridOwner owner;
    CGridCtrl& grid = owner.grid;
};

TEST_F(GridComboEditing, ThePasteGoesIntoTheOpenEditorAndTheCellTakesItOnlyWhenTheEditEnds) {
    Open(1, 1);
    ASSERT_NE(Field(), nullptr);
    EXPECT_EQ(grid.GetCell(1, 1)->GetEditWnd(), Field());
    EXPECT_EQ(Field()->GetParent(), List());
    CRect cell, box;
    grid.GetCellRect(1, 1, &cell);
    List()->GetWindowRect(&box);
    EXPECT_EQ(box.Height(), cell.Height());  // the selection field covers the cell

    COleDataSource clipboard;
    clipboard.CacheText("xyz");
    clipboard.SetClipboard();
    grid.SendMessage(WM_COMMAND, ID_EDIT_PASTE);  // Edit > Paste
    EXPECT_EQ(FieldText(), CString("дъбxyz"));
    EXPECT_EQ(grid.GetItemText(1, 1), CString("дъб"));
    Press(VK_RETURN);
    EXPECT_EQ(List(), nullptr);
    EXPECT_EQ(grid.GetItemText(1, 1), CString("дъбxyz"));
}

TEST_F(GridComboEditing, ArrowsChooseInTheListCtrlArrowsTabEnterAndEscEndTheEdit) {
    Open(1, 0);
    Press(VK_DOWN);  // the next option, still editing
    EXPECT_EQ(FieldText(), CString("дъб"));
    Press(VK_ESCAPE);
    EXPECT_EQ(List(), nullptr);
    EXPECT_EQ(grid.GetItemText(1, 0), CString("бук"));

    Open(1, 0);
    Press(VK_DOWN);
    Press(VK_RETURN);
    EXPECT_EQ(List(), nullptr);
    EXPECT_EQ(grid.GetItemText(1, 0), CString("дъб"));

    // Tab and Ctrl with an arrow take the edit to the next cell, which opens with its own
    // text selected: the key types nothing there.
    Open(2, 0);
    Press(VK_TAB);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(2, 1));
    EXPECT_EQ(FieldText(), CString("ела"));
    Press(VK_DOWN, MK_CONTROL);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(3, 1));
    EXPECT_EQ(FieldText(), CString("бук"));
    Press(VK_RIGHT, MK_CONTROL);  // no cell further right: the same cell opens again
    EXPECT_EQ(FieldText(), CString("бук"));
    Press(VK_ESCAPE);
    EXPECT_EQ(List(), nullptr);
    EXPECT_EQ((std::vector<CString>{grid.GetItemText(2, 0), grid.GetItemText(2, 1), grid.GetItemText(3, 1)}),
              (std::vector<CString>{"бор", "ела", "бук"}));
}

TEST_F(GridComboEditing, ALetterTypedOnTheCellReplacesItsTextASpaceOnlyOpensIt) {
    Open(3, 0, "я");
    EXPECT_EQ(FieldText(), CString("я"));
    Press(VK_ESCAPE);
    Open(3, 0, " ");
    EXPECT_EQ(FieldText(), CString("дъб"));
    TypeText(Field(), "ъ");  // the whole text was selected
    Pump();
    EXPECT_EQ(FieldText(), CString("ъ"));
}

// The list stays dropped while the user types: the keys reach the dropped list's window, and
// what they type still goes into the field.
TEST_F(GridComboEditing, TypingWhileTheListIsDroppedGoesIntoTheField) {
    Open(1, 0, "д");
    COMBOBOXINFO parts;
    ASSERT_TRUE(List()->GetComboBoxInfo(&parts));
    ASSERT_TRUE(List()->GetDroppedState());
    TypeText(parts.hwndList, "ъбx");
    PressKey(parts.hwndList, VK_BACK);
    PressKey(parts.hwndList, VK_HOME);
    TypeText(parts.hwndList, "?");
    Pump();
    EXPECT_TRUE(List()->GetDroppedState());
    EXPECT_EQ(FieldText(), CString("?дъб"));
}

// The field shows the text in the cell's colours; a cell without colours of its own opens
// in the desktop's.
TEST_F(GridComboEditing, TheEditorsFieldTakesTheCellsColours) {
    constexpr COLORREF kText = RGB(200, 0, 0);
    constexpr COLORREF kBack = RGB(255, 240, 120);
    grid.SetItemFgColour(1, 1, kText);
    grid.SetItemBkColour(1, 1, kBack);
    // Whether the field shows the colour along its middle, where the text runs; the text is
    // smoothed at its edges, so a pixel near the colour will do.
    const auto fieldShows = [&](COLORREF colour) {
        CRect field;
        Field()->GetClientRect(&field);
        for (int x = field.left; x < field.right; ++x) {
            const COLORREF pixel = PixelOf(Field(), CPoint(x, field.Height() / 2));
            if (std::abs(GetRValue(pixel) - GetRValue(colour)) + std::abs(GetGValue(pixel) - GetGValue(colour)) +
                    std::abs(GetBValue(pixel) - GetBValue(colour)) < 60)
                return true;
        }
        return false;
    };
    Open(1, 1);
    ASSERT_NE(Field(), nullptr);
    Grab(&owner, "grid_combo_coloured");
    EXPECT_TRUE(fieldShows(kBack));
    EXPECT_TRUE(fieldShows(kText));
    Press(VK_ESCAPE);

    Open(1, 0);
    ASSERT_NE(Field(), nullptr);
    EXPECT_FALSE(fieldShows(kBack));
    EXPECT_FALSE(fieldShows(kText));
}

// The field is what the grid is given as the cell's editor: destroying it ends the edit and
// closes the whole list, as the grid's own end of an edit does. Run apart, so that a crash
// fails the test rather than the test program.
TEST_F(GridComboEditing, DestroyingTheEditorEndsTheEditAndClosesTheWholeList) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            Open(1, 1, "я");
            grid.GetCell(1, 1)->GetEditWnd()->DestroyWindow();
            Pump();
            Grab(&owner, "grid_combo_destroyed");  // painting the window is where it crashed
            std::vector<CString> faults;
            if (List() != nullptr) faults.push_back("the list is still open");
            if (grid.GetCell(1, 1)->IsEditing()) faults.push_back("the cell still counts as editing");
            if (grid.GetItemText(1, 1) != CString("я")) faults.push_back("the typed text was lost");
            for (const CString& fault : faults) std::fprintf(stderr, "%s\n", fault.GetString());
            std::exit(faults.empty() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(GridComboEditing, EveryDropDownMeasuresTheOptionsAgain) {
    Open(1, 0);
    CGridComboList* list = List();
    ASSERT_NE(list, nullptr);
    EXPECT_LT(list->GetDroppedWidth(), CGridComboList::kMaxDropWidth);
    list->ShowDropDown(FALSE);
    list->AddString("Обикновен бук с много дълго име, по-дълго от всяка клетка на таблицата");
    list->ShowDropDown(TRUE);
    EXPECT_EQ(list->GetDroppedWidth(), CGridComboList::kMaxDropWidth);
}

}  // namespace
