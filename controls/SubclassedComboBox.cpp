#include "controls/SubclassedComboBox.h"


IMPLEMENT_DYNAMIC(CSubclassedComboBox, CComboBox)

void CSubclassedComboBox::PreSubclassWindow() {
    CComboBox::PreSubclassWindow();
    COMBOBOXINFO info;
    if (!GetComboBoxInfo(&info)) return;
    if (info.hwndItem && !m_edit.GetSafeHwnd()) m_edit.SubclassWindow(info.hwndItem);
    if (info.hwndList && !m_listBox.GetSafeHwnd()) m_listBox.SubclassWindow(info.hwndList);
}

LRESULT CSubclassedComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ENABLE && m_listBox.GetSafeHwnd()) m_listBox.EnableWindow(static_cast<BOOL>(wParam));
    return CComboBox::WindowProc(message, wParam, lParam);
}

void CSubclassedComboBox::OnDestroy() {
    if (m_edit.GetSafeHwnd()) m_edit.UnsubclassWindow();
    if (m_listBox.GetSafeHwnd()) m_listBox.UnsubclassWindow();
    CComboBox::OnDestroy();
}
