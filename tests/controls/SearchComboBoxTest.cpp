// Type-ahead search in a combo box: what typing selects, what the owner is told, the jumps
// between matches and when the search text is forgotten.
#include <gtest/gtest.h>

#include <memory>

#include "controls/SearchComboBox.h"
#include "platform/Dialog.h"

namespace {

constexpr int kComboId = 100;

// A modeless dialog with one search combo box that counts the selection changes it hears of.
class ComboOwner : public CDialog {
public:
    ComboOwner() : CDialog(0u) {
        CreateIndirect(DialogTemplate{0, "Търсене", {200, 120},
                                      {ComboBox(kComboId, {10, 20, 150, 80}, CBS_DROPDOWNLIST | WS_VSCROLL)}});
        combo.SubclassDlgItem(kComboId, this);
        for (const char* entry : {"Canis aureus", "Canis lupus", "Capra ibex", "Ursus arctos", "Вълк", "Кафява мечка",
                                  "Дива коза", "мечка стръвница"})
            combo.AddString(entry);
    }
    ~ComboOwner() override { DestroyWindow(); }

    const MessageMap& GetMessageMap() const override {
        static const MessageMap map(CDialog::GetMessageMap(), {
            OnSelChange(kComboId, &ComboOwner::OnComboChanged),
        });
        return map;
    }

    // The character as the user types it into the combo.
    BOOL Type(char32_t ch) {
        MSG msg;
        msg.hwnd = &combo;
        msg.message = WM_CHAR;
        msg.wParam = ch;
        return combo.PreTranslateMessage(&msg);
    }
    void Type(const char* text) {
        for (const char32_t ch : ToCodePoints(text)) Type(ch);
    }
    CString Selected() const { return combo.GetCurSel() < 0 ? CString() : combo.GetLBText(combo.GetCurSel()); }

    CSearchComboBox combo;
    int changes = 0;

private:
    void OnComboChanged() { ++changes; }
};

class SearchComboBoxTest : public ::testing::Test {
protected:
    std::unique_ptr<ComboOwner> owner = std::make_unique<ComboOwner>();
};

TEST_F(SearchComboBoxTest, TypingSelectsAnEntryThatBeginsWithOrElseContainsTheText) {
    // Case does not matter, Cyrillic included; a beginning wins over an earlier entry that
    // contains the text; a text that matches nothing keeps the selection.
    const std::pair<const char*, const char*> searches[] = {
        {"uRS", "Ursus arctos"}, {"lupus", "Canis lupus"}, {"КОЗА", "Дива коза"}, {"мечка", "мечка стръвница"}, {"Capz", "Capra ibex"}};
    for (const auto& [typed, selected] : searches) {
        owner->combo.SendMessage(WM_TIMER, CSearchComboBox::kResetTimer);
        owner->changes = 0;
        owner->Type(typed);
        EXPECT_EQ(owner->Selected(), selected) << typed;
        EXPECT_EQ(owner->changes, static_cast<int>(ToCodePoints(typed).size())) << typed;  // told after every character
    }
    EXPECT_EQ(owner->combo.SearchText(), "Capz");
    ASSERT_NE(owner->combo.ToolTip(), nullptr);
    EXPECT_TRUE(owner->combo.ToolTip()->IsTipShown());
    EXPECT_EQ(owner->combo.ToolTip()->GetShownText(), "Capz");
    ASSERT_EQ(owner->combo.MatchHistory().GetSize(), 1);
    EXPECT_EQ(static_cast<int>(owner->combo.MatchHistory()[0]), -1);
}

TEST_F(SearchComboBoxTest, OnlyLettersDigitsAndSomePunctuationJoinTheSearch) {
    for (const char32_t ch : {U'+', U'(', U')', U'*', U'ё'}) {
        EXPECT_TRUE(owner->Type(ch));  // swallowed all the same
        EXPECT_TRUE(owner->combo.SearchText().IsEmpty());
    }
    EXPECT_EQ(owner->changes, 0);
    owner->Type("Ca 1.,?-!;/\\");
    EXPECT_EQ(owner->combo.SearchText(), "Ca 1.,?-!;/\\");
    owner->Type(static_cast<char32_t>(VK_BACK));
    EXPECT_EQ(owner->combo.SearchText(), "Ca 1.,?-!;/");
    // Tab, Enter and Escape are the dialog's, and Enter forgets the search.
    EXPECT_FALSE(owner->Type(U'\t'));
    EXPECT_FALSE(owner->Type(U'\r'));
    EXPECT_TRUE(owner->combo.SearchText().IsEmpty());
}

TEST_F(SearchComboBoxTest, JumpsGoToTheNextMatchAndBackAlongTheHistory) {
    owner->Type("can");
    EXPECT_EQ(owner->Selected(), "Canis aureus");
    owner->combo.PreviousMatch();  // one match so far: nowhere to go back
    EXPECT_EQ(owner->Selected(), "Canis aureus");
    owner->combo.NextMatch();
    EXPECT_EQ(owner->Selected(), "Canis lupus");
    owner->combo.NextMatch();  // the prefix search wraps round the end of the list
    EXPECT_EQ(owner->Selected(), "Canis aureus");
    EXPECT_EQ(owner->combo.MatchHistory().GetSize(), 3);
    owner->combo.PreviousMatch();
    EXPECT_EQ(owner->Selected(), "Canis lupus");
    owner->combo.PreviousMatch();
    EXPECT_EQ(owner->Selected(), "Canis aureus");
}

TEST_F(SearchComboBoxTest, TheSearchIsForgottenAfterThePauseOrWhenTheFocusGoes) {
    owner->Type("ur");
    owner->combo.SendMessage(WM_TIMER, CSearchComboBox::kResetTimer);
    EXPECT_TRUE(owner->combo.SearchText().IsEmpty());
    EXPECT_FALSE(owner->combo.ToolTip()->IsTipShown());
    owner->Type("д");  // a new search from the top
    EXPECT_EQ(owner->Selected(), "Дива коза");

    owner->SendMessage(WM_COMMAND, MAKEWPARAM(kComboId, CBN_KILLFOCUS), reinterpret_cast<LPARAM>(&owner->combo));
    EXPECT_TRUE(owner->combo.SearchText().IsEmpty());
    owner->combo.NextMatch();  // nothing to jump with
    EXPECT_EQ(owner->Selected(), "Дива коза");
}

TEST_F(SearchComboBoxTest, TheDropDownListShowsOnlyTooWideEntriesInATip) {
    CToolTipListBox& list = owner->combo.ListPart();
    ASSERT_NE(list.GetSafeHwnd(), nullptr);
    const CString wide = "Canis lupus lupus, the grey wolf of the Balkan mountains and of the plains below them";
    owner->combo.AddString(wide);
    owner->combo.ShowDropDown(TRUE);
    const auto hover = [&](int index) {
        list.SetTopIndex(index);  // scrolled to, as the list shows only some entries at a time
        CRect item;
        list.GetItemRect(index, &item);
        list.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(item.left + 5, item.top + 2));
    };
    hover(0);
    ASSERT_NE(list.ToolTip(), nullptr);
    EXPECT_FALSE(list.ToolTip()->IsTipShown());
    // A list narrower than the entry (the drop-down list itself grows to fit its entries).
    CRect client;
    list.GetClientRect(&client);
    list.MoveWindow(0, 0, 120, client.Height());
    hover(owner->combo.GetCount() - 1);
    EXPECT_TRUE(list.ToolTip()->IsTipShown());
    EXPECT_EQ(list.ToolTip()->GetShownText(), wide);
    owner->combo.ShowDropDown(FALSE);
}

}  // namespace
