#pragma once
// A combo box whose drop-down list is reachable as a list box wrapper: the list follows the
// combo's enabled state and is let go before the combo goes.
#include "platform/Controls.h"
#include "platform/ListControls.h"

class CSubclassedComboBox : public CComboBox {
    DECLARE_DYNAMIC(CSubclassedComboBox)
public:
    CListBox& ListPart() { return m_listBox; }
    BOOL HasListPart() const { return m_listBox.GetSafeHwnd() != nullptr; }

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDestroy() override;

private:
    CEdit m_edit;
    CListBox m_listBox;
};
