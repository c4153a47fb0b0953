// Text fields take only what the database can store (code page 1251): a character outside
// it is dropped when typed, with a notice at the field, and a pasted text holding one is
// refused with a message and never changed silently. Limits and the digits-only style hold
// for typing and pasting, whichever way the text comes in.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QWidget>

#include "platform/Controls.h"
#include "platform/ListControls.h"
#include "platform/qt/FieldNotice.h"
#include "platform/qt/WidgetAccess.h"
#include "tests/support/WindowFixture.h"

namespace {

enum { kLine = 1, kNotes, kCombo };
// The paste entry of a field's context menu, as the program's language names it.
const char* const kPasteEntry = "Поставяне";

class TextInput : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.Create(nullptr, "host", WS_OVERLAPPED, CRect(0, 0, 300, 200), nullptr, 0));
        ASSERT_TRUE(line.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(5, 5, 200, 25), &host, kLine));
        ASSERT_TRUE(notes.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL, CRect(5, 30, 200, 100), &host, kNotes));
    }
    CWnd host;
    CEdit line;
    CEdit notes;
};

TEST_F(TextInput, TypedCharactersOutsideTheCodePageAreDropped) {
    TypeText(&line, "Ёж №5 €");
    TypeText(&line, "ѝ日😀");
    TypeText(&line, "ю");
    EXPECT_EQ(TextOf(host, kLine), "Ёж №5 €ю");
}

TEST_F(TextInput, PasteWithUnstorableCharactersIsRefusedWithAMessage) {
    MessageBoxLog boxes;
    line.SetWindowText("Рила");
    PasteText(&line, " — планина 日");  // the long dash is in the code page, 日 is not
    EXPECT_EQ(TextOf(host, kLine), "Рила");
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_NE(boxes.boxes[0].text.Find("не може да запише"), -1);
    EXPECT_NE(boxes.boxes[0].text.Find("日"), -1);
    EXPECT_EQ(boxes.boxes[0].text.Find("—"), -1);  // only what cannot be stored is named

    PasteText(&line, " — планина\nвтори ред");
    EXPECT_EQ(TextOf(host, kLine), "Рила — планина");  // one line fits a single-line field
    EXPECT_EQ(boxes.boxes.size(), 1u);

    PasteText(&notes, "ред 1\nред 2");
    EXPECT_EQ(TextOf(host, kNotes), "ред 1\r\nред 2");  // line breaks as the other system gives them
    PasteText(&notes, "\u200b");                // an invisible character is named by its code
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_NE(boxes.boxes[1].text.Find("U+200B"), -1);
    EXPECT_EQ(TextOf(host, kNotes), "ред 1\r\nред 2");
}

TEST_F(TextInput, LimitsHoldForTypingAndPastingButNotForTheProgram) {
    line.LimitText(4);
    notes.LimitText(6);
    TypeText(&line, "123456");
    EXPECT_EQ(TextOf(host, kLine), "1234");
    line.SetWindowText("дълъг текст");  // set by the program: never cut
    EXPECT_EQ(TextOf(host, kLine), "дълъг текст");

    PasteText(&notes, "абвгдежз");
    EXPECT_EQ(TextOf(host, kNotes), "абвгде");
    PressKey(&notes, VK_RETURN);
    EXPECT_EQ(TextOf(host, kNotes), "абвгде");

    // A line break takes the two characters it is read back as.
    notes.SetWindowText("абвг");
    PressKey(&notes, VK_END, MK_CONTROL);
    PressKey(&notes, VK_RETURN);
    EXPECT_EQ(TextOf(host, kNotes), "абвг\r\n");
    notes.SetWindowText("абвгд");
    PressKey(&notes, VK_END, MK_CONTROL);
    PressKey(&notes, VK_RETURN);
    EXPECT_EQ(TextOf(host, kNotes), "абвгд");
    notes.SetWindowText("");
    PasteText(&notes, "а\nб\nв\nг");
    EXPECT_EQ(TextOf(host, kNotes), "а\r\nб\r\n");
    // So does every other kind of line break a pasted text may hold.
    for (const char* pasted : {"а\rб\rв", "а\u2028б\u2029в"}) {
        notes.SetWindowText("");
        PasteText(&notes, pasted);
        EXPECT_EQ(TextOf(host, kNotes), "а\r\nб\r\n") << pasted;
    }
}

TEST_F(TextInput, DigitsOnlyFieldsTakeDigits) {
    MessageBoxLog boxes;
    line.ModifyStyle(0, ES_NUMBER);
    TypeText(&line, "1a2-3");
    EXPECT_EQ(TextOf(host, kLine), "123");
    PasteText(&line, "45x");
    EXPECT_EQ(TextOf(host, kLine), "123");
    ASSERT_EQ(boxes.boxes.size(), 1u);
    PasteText(&line, "45");
    EXPECT_EQ(TextOf(host, kLine), "12345");
    PasteText(&line, "  67 \n");  // the blanks and line break around a copied number go
    EXPECT_EQ(TextOf(host, kLine), "1234567");
    EXPECT_EQ(boxes.boxes.size(), 1u);
}

// A refused character is said at the field, as the desktop's digits-only edits say it,
// without a message box that would stop the typing.
TEST_F(TextInput, ADigitsOnlyFieldSaysAtTheFieldWhyACharacterIsDropped) {
    MessageBoxLog boxes;
    host.ShowWindow(SW_SHOW);
    HideFieldNotice();
    line.ModifyStyle(0, ES_NUMBER);
    TypeText(&line, "52");
    EXPECT_EQ(FieldNoticeText(), "");
    TypeText(&line, ".5");
    EXPECT_EQ(TextOf(host, kLine), "525");
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(FieldNoticeText(), "Полето приема само цифри.");
    const QWidget* field = TopWidgetOf(&line);  // the notice stands just below the field
    const QRect below(field->mapToGlobal(QPoint(0, field->height() / 2)), QSize(field->width(), field->height() + 30));
    ASSERT_NE(ShownFieldNotice(), nullptr);
    EXPECT_TRUE(below.contains(ShownFieldNotice()->pos()));
    HideFieldNotice();
}

// So is a typed character that the program cannot store, in either kind of field.
TEST_F(TextInput, ATypedCharacterThatCannotBeStoredIsNamedAtTheField) {
    host.ShowWindow(SW_SHOW);
    ActivateTopLevel(&host);
    for (CEdit* field : {&line, &notes}) {
        HideFieldNotice();
        field->SetFocus();
        TypeText(field, "Ŝα😀Z");
        EXPECT_EQ(TextOf(host, field->GetDlgCtrlID()), "Z");
        EXPECT_EQ(FieldNoticeText(), "Знакът не може да бъде записан: 😀");
    }
    HideFieldNotice();
}

// The notice takes no click under a real window system either: a real click on it lands in
// the field under it.
TEST_F(TextInput, ANoticeLetsARealClickThroughToTheFieldUnderX11) {
    SKIP_UNLESS_X11();
    CEdit below;
    ASSERT_TRUE(below.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(5, 28, 200, 48), &host, kCombo));
    host.ShowWindow(SW_SHOW);
    ActivateTopLevel(&host);
    line.ModifyStyle(0, ES_NUMBER);
    line.SetFocus();
    TypeText(&line, "x");
    ASSERT_NE(ShownFieldNotice(), nullptr);
    ASSERT_TRUE(ShownFieldNotice()->geometry().contains(TopWidgetOf(&below)->mapToGlobal(QPoint(40, 10))));
    ASSERT_TRUE(RealPointerAt(&below, CPoint(40, 10), true));
    EXPECT_TRUE(PumpUntil([&] { return TopWidgetOf(&below)->hasFocus(); }));
    EXPECT_EQ(FieldNoticeText(), "");  // gone with the focus
}

// Whichever way a text comes in, it meets the checks that typing and Ctrl+V meet.
TEST_F(TextInput, APasteFromTheContextMenuIsCheckedAsCtrlVIs) {
    MessageBoxLog boxes;
    host.ShowWindow(SW_SHOW);
    ActivateTopLevel(&host);
    line.ModifyStyle(0, ES_NUMBER);
    line.LimitText(4);
    line.SetWindowText("15");
    CopyToClipboard("9x");
    ASSERT_TRUE(ChooseFromContextMenu(&line, CPoint(10, 8), kPasteEntry));
    EXPECT_EQ(TextOf(host, kLine), "15");
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_NE(boxes.boxes[0].text.Find("само цифри"), -1);
    CopyToClipboard("987");
    ASSERT_TRUE(ChooseFromContextMenu(&line, CPoint(10, 8), kPasteEntry));
    EXPECT_EQ(TextOf(host, kLine).GetLength(), 4);  // up to the limit
}

// Cut and delete of the context menu take the selection out, in a combo box's field too,
// which has no window of its own; the field's methods do as its menu does.
TEST_F(TextInput, CutAndDeleteFromTheContextMenuTakeOutTheSelection) {
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(5, 110, 200, 200), &host, kCombo));
    host.ShowWindow(SW_SHOW);
    ActivateTopLevel(&host);
    const auto clipboard = [] { return QGuiApplication::clipboard()->text().toStdString(); };
    for (CWnd* field : {static_cast<CWnd*>(&line), static_cast<CWnd*>(&combo)}) {
        const int id = field->GetDlgCtrlID();
        field->SetFocus();
        // Cut puts the text onto the clipboard; delete leaves the clipboard alone.
        for (const auto& [entry, copied] : {std::pair{"Изрязване", "demo"}, {"Изтриване", "друго"}}) {
            CopyToClipboard("друго");
            field->SetWindowText("demo");
            PressKey(field, 'A', MK_CONTROL);
            ASSERT_TRUE(ChooseFromContextMenu(field, CPoint(10, 8), entry)) << id << entry;
            EXPECT_EQ(TextOf(host, id), "") << id << entry;
            EXPECT_EQ(clipboard(), copied) << id << entry;
        }
    }
    line.SetWindowText("Рила");
    line.SetSel(0, 2);
    line.Cut();
    EXPECT_EQ(clipboard(), "Ри");
    line.SetSel(0, 1);
    line.Clear();
    EXPECT_EQ(TextOf(host, kLine), "а");
}

// What an input method commits is typed, character by character.
TEST_F(TextInput, AnInputMethodsTextIsCheckedAsTypingIs) {
    line.ModifyStyle(0, ES_NUMBER);
    line.SetFocus();
    CommitInput(&line, "4x2");
    EXPECT_EQ(TextOf(host, kLine), "42");
    notes.LimitText(3);
    notes.SetFocus();
    CommitInput(&notes, "日ab");
    CommitInput(&notes, "cd");
    EXPECT_EQ(TextOf(host, kNotes), "abc");
}

// Alt with a key (Ctrl+Alt too) is for menus and mnemonics and types nothing; an input
// method's text is typed and checked whatever keys are held, over the text it replaces.
TEST_F(TextInput, AltKeysTypeNothingAndAnInputMethodsTextIsCheckedOverWhatItReplaces) {
    line.ModifyStyle(0, ES_NUMBER);
    for (CEdit* field : {&line, &notes})
        for (const auto& [key, held] : {std::pair<UINT, UINT>{'X', MK_ALT}, {'7', MK_ALT}, {'1', MK_CONTROL | MK_ALT}})
            PressKey(field, key, held);
    line.SetFocus();
    CommitInput(&line, "x9", MK_ALT);
    CommitInput(&line, "8", MK_CONTROL);
    CommitInput(&line, "7", 0, -1, 1);
    CommitInput(&line, "y", 0, -1, 1);  // refused: the 7 stays
    TypeText(&line, "6");
    EXPECT_EQ(TextOf(host, kLine), "976");
    notes.SetFocus();
    TypeText(&notes, "abc");
    CommitInput(&notes, "X", 0, -1, 1);
    CommitInput(&notes, "日", MK_ALT);
    EXPECT_EQ(TextOf(host, kNotes), "abX");
}

// A layout's third level (AltGr on the Bulgarian one: "э" on Е, "ѝ" on И, "—" on 6) types
// into a field, and what it types meets the field's checks.
TEST_F(TextInput, AltGrCharactersAreTypedAndChecked) {
    host.ShowWindow(SW_SHOW);
    ActivateTopLevel(&host);
    HideFieldNotice();
    notes.LimitText(2);
    notes.SetFocus();
    PressLetterKey(&notes, "э", MK_ALTGR);
    PressLetterKey(&notes, "ѝ", MK_ALTGR);
    EXPECT_EQ(FieldNoticeText(), "Знакът не може да бъде записан: ѝ");
    for (const char* typed : {"—", "э"}) PressLetterKey(&notes, typed, MK_ALTGR);  // the second past the limit
    EXPECT_EQ(TextOf(host, kNotes), "э—");
    line.ModifyStyle(0, ES_NUMBER);
    line.SetFocus();
    PressLetterKey(&line, "—", MK_ALTGR);
    EXPECT_EQ(TextOf(host, kLine), "");
    EXPECT_EQ(FieldNoticeText(), "Полето приема само цифри.");
    HideFieldNotice();
}

TEST_F(TextInput, ReadOnlyFieldsTakeNothingAndEditableCombosFilterToo) {
    line.SetWindowText("стар");
    line.SetReadOnly(TRUE);
    TypeText(&line, "нов");
    PasteText(&line, "нов");
    EXPECT_EQ(TextOf(host, kLine), "стар");

    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(5, 110, 200, 200), &host, kCombo));
    TypeText(&combo, "Пе日тър");
    EXPECT_EQ(TextOf(host, kCombo), "Петър");
}

}  // namespace
