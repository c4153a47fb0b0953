#pragma once
// The combo box of nomenclature values with type-ahead search. Typed characters build a
// search text, shown in a small tip above the combo; the first entry that begins with it,
// or else contains it, is selected at once and the owner is told (CBN_SELCHANGE) as if the
// user had chosen it. Ctrl+PgDn jumps to the next match, Ctrl+PgUp back to the previous
// one; the search text is forgotten two seconds after the last key, when the combo loses
// the focus, or on Enter. Its drop-down list shows entries too wide for it in a tip.
#include <memory>

#include "platform/Arrays.h"
#include "platform/Controls.h"
#include "platform/ListControls.h"
#include "platform/ToolTipCtrl.h"

// The drop-down list of a search combo box: an entry too wide for the list shows its full
// text in a tip under the mouse.
class CToolTipListBox : public CListBox {
    DECLARE_DYNAMIC(CToolTipListBox)
public:
    CToolTipListBox();
    ~CToolTipListBox() override;

    const CToolTipCtrl* ToolTip() const { return m_toolTip.get(); }

protected:
    void PreSubclassWindow() override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnTimer(UINT_PTR id) override;
    void OnDestroy() override;

private:
    void HideTip();

    std::unique_ptr<CToolTipCtrl> m_toolTip;
};

class CSearchComboBox : public CComboBox {
    DECLARE_DYNAMIC(CSearchComboBox)
public:
    static constexpr UINT_PTR kResetTimer = 1;

    CSearchComboBox();
    ~CSearchComboBox() override;

    const MessageMap& GetMessageMap() const override;
    BOOL PreTranslateMessage(MSG* msg) override;

    const CString& SearchText() const { return m_searchText; }
    UINT ResetTime() const { return m_resetTime; }
    const CDWordArray& MatchHistory() const { return m_history; }
    const CToolTipCtrl* ToolTip() const { return m_toolTip.get(); }
    CToolTipListBox& ListPart() { return m_listBox; }

    // What Ctrl+PgDn and Ctrl+PgUp do: select the next entry that matches the search text
    // (after the selected one), or go back to the match before along the history.
    void NextMatch();
    void PreviousMatch();

protected:
    void PreSubclassWindow() override;
    void OnTimer(UINT_PTR id) override;
    void OnDestroy() override;

private:
    void OnKillFocusReflect();
    // Adds a typed character to the search text and selects the first match from the top.
    void TypeCharacter(char32_t ch);
    // Selects the first entry after `startAfter` that begins with the text (wrapping round),
    // else, with `substring`, the first later entry that contains it, case ignored; -1 and
    // the selection unchanged when none does.
    int SelectMatch(const CString& text, int startAfter, bool substring);
    void RestartResetTimer();
    void NotifySelectionChange();
    void ShowTip();
    void HideTip();
    void ResetSearch();
    void CreateTip();

    CString m_searchText;
    UINT m_resetTime = 2000;
    CDWordArray m_history;
    CEdit m_edit;
    CToolTipListBox m_listBox;
    std::unique_ptr<CToolTipCtrl> m_toolTip;
};

// Whether a typed character takes part in a search: Latin and Cyrillic letters, digits and
// the punctuation . , ? - ! ; space / and backslash.
bool IsSearchCharacter(char32_t ch);
