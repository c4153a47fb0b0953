#include "pages/common/RowDialog.h"

#include "platform/Controls.h"
#include "platform/MessageBox.h"

BOOL CRowDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    FillLists();
    if (ShowRow()) UpdateData(FALSE);
    return TRUE;
}

void CRowDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    if (!CheckInput()) return;
    TakeRow();
    CDialog::OnOK();
}

BOOL CRowDialog::Refuse(const char* message) {
    AfxMessageBox(message, MB_OK);
    return FALSE;
}

BOOL CRowDialog::RequireChoice(const CComboBox& combo, const char* message) {
    return combo.GetCurSel() != CB_ERR ? TRUE : Refuse(message);
}

BOOL CRowDialog::RequireText(CString& text, const char* message, BOOL trim) {
    if (trim) {
        text.TrimLeft();
        text.TrimRight();
    }
    return !text.IsEmpty() ? TRUE : Refuse(message);
}

BOOL CRowDialog::RequireAnyChecked(int firstBoxId, int boxes, const char* message) const {
    for (int i = 0; i < boxes; ++i)
        if (IsDlgButtonChecked(firstBoxId + i) == BST_CHECKED) return TRUE;
    return Refuse(message);
}

BOOL CRowDialog::RequireRadio(int index, const char* message) { return index != -1 ? TRUE : Refuse(message); }

void CRowDialog::ApplyMethodStates(int firstBoxId, const BYTE* enabled, int boxes) {
    if (!enabled) return;
    for (int i = 0; i < boxes; ++i)
        if (CWnd* box = GetDlgItem(firstBoxId + i)) box->EnableWindow(enabled[i] != 0);
}

CString CRowDialog::ReadMethods(int firstBoxId, int boxes, BYTE* flags, const char* format, BOOL trimRight) const {
    CString text;
    for (int i = 0; i < boxes; ++i) {
        const bool ticked = IsDlgButtonChecked(firstBoxId + i) == BST_CHECKED;
        if (flags) flags[i] = ticked ? 1 : 0;
        if (ticked) text.AppendFormat(format, i + 1);
    }
    if (trimRight) text.TrimRight();
    return text;
}

CString CRowDialog::RadioCaption(int firstButtonId, int index) const {
    CString caption;
    if (index < 0) return caption;
    if (const CWnd* button = GetDlgItem(firstButtonId + index)) button->GetWindowText(caption);
    return caption;
}
