// Text fields take only what the database can store (code page 1251): a character outside
// it is dropped when typed, and a pasted text holding one is refused with a message and
// never changed silently. Limits and the digits-only style hold for typing and pasting.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QToolTip>
#include <QWidget>
#include <algorithm>

#include "platform/Controls.h"
#include "platform/ListControls.h"
#include "platform/qt/WidgetAccess.h"
#include "tests/support/WindowFixture.h"

namespace {

enum { kLine = 1, kNotes, kCombo };

// A tool tip goes after a short delay; the tests wait for it.
void HideToolTip() {
    QToolTip::hideText();
    QElapsedTimer waited;
    waited.start();
    while (QToolTip::isVisible() && waited.elapsed() < 3000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

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
}

// A refused character is said at the field, as the desktop's digits-only edits say it,
// without a message box that would stop the typing.
TEST_F(TextInput, ADigitsOnlyFieldSaysAtTheFieldWhyACharacterIsDropped) {
    MessageBoxLog boxes;
    host.ShowWindow(SW_SHOW);
    HideToolTip();
    line.ModifyStyle(0, ES_NUMBER);
    TypeText(&line, "52");
    EXPECT_FALSE(QToolTip::isVisible());
    TypeText(&line, ".5");
    EXPECT_EQ(TextOf(host, kLine), "525");
    EXPECT_TRUE(boxes.boxes.empty());
    ASSERT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QString::fromUtf8("Полето приема само цифри."));
    const QWidget* field = TopWidgetOf(&line);  // the tip stands just below the field
    const QRect below(field->mapToGlobal(QPoint(0, field->height() / 2)), QSize(field->width(), field->height() + 30));
    const QList<QWidget*> windows = QApplication::topLevelWidgets();
    EXPECT_TRUE(std::any_of(windows.begin(), windows.end(), [&below](const QWidget* window) {
        return window->isVisible() && window->inherits("QTipLabel") && below.contains(window->pos());
    }));
    HideToolTip();
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
