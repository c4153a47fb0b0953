#include "controls/grid/GridCellEditors.h"

#include <algorithm>

#include "controls/grid/InPlaceEdit.h"
#include "platform/COleDateTime.h"
#include "platform/DC.h"
#include "platform/SystemInfo.h"

namespace {

bool CtrlDown() { return GetKeyState(VK_CONTROL) < 0; }

// A window of the editor itself (or nothing) gets the focus: the edit goes on.
bool FocusStaysWith(const CWnd* editor, const CWnd* newWindow) {
    return newWindow != nullptr && (newWindow == editor || editor->IsChild(newWindow));
}

COleDateTime FromTime(std::time_t time) {
    std::tm parts{};
    localtime_r(&time, &parts);
    return COleDateTime(parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec);
}

std::time_t ToTime(const COleDateTime& value) {
    std::tm parts{};
    parts.tm_year = value.GetYear() - 1900;
    parts.tm_mon = value.GetMonth() - 1;
    parts.tm_mday = value.GetDay();
    parts.tm_hour = value.GetHour();
    parts.tm_min = value.GetMinute();
    parts.tm_sec = value.GetSecond();
    parts.tm_isdst = -1;
    return std::mktime(&parts);
}

}  // namespace

// ---- what the editors share ----------------------------------------------------------------------

template <class Control>
void CGridCellEditor<Control>::EndWithKey(UINT key) {
    m_nLastChar = key;
    if (CWnd* grid = this->GetParent()) grid->SetFocus();
    EndEdit();  // also when the focus was elsewhere already
}

template <class Control>
void CGridCellEditor<Control>::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    if (IsArrowOrPageKey(key) && (m_bExitOnArrows || CtrlDown())) {
        EndWithKey(key);
        return;
    }
    Control::OnKeyDown(key, repeat, flags);
}

template <class Control>
void CGridCellEditor<Control>::OnKeyUp(UINT key, UINT repeat, UINT flags) {
    if (key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE) EndWithKey(key);
    else Control::OnKeyUp(key, repeat, flags);
}

template <class Control>
void CGridCellEditor<Control>::OnKillFocus(CWnd* newWindow) {
    Control::OnKillFocus(newWindow);
    if (!FocusStaysWith(this, newWindow)) EndEdit();
}

template <class Control>
void CGridCellEditor<Control>::EndEdit() {
    if (m_bEnded || !this->GetSafeHwnd()) return;
    m_bEnded = true;
    OnEnding();
    CString text;
    this->GetWindowText(text);
    NotifyEndLabelEdit(*this, m_nRow, m_nCol, text, m_nLastChar);
    this->PostMessage(WM_CLOSE);
}

template class CGridCellEditor<CComboBox>;
template class CGridCellEditor<CDateTimeCtrl>;

// ---- the drop-down list ------------------------------------------------------------------------

CGridComboList* CGridComboList::Open(CWnd* grid, const CRect& rect, DWORD style, UINT id, int row, int col,
                                     const CStringArray& options, const CString& initialText, UINT firstChar) {
    if (grid == nullptr) return nullptr;
    auto* list = new CGridComboList(row, col, initialText);
    CRect dropped = rect;
    dropped.bottom += kListLines * (rect.Height() + 1) + GetSystemMetrics(SM_CYHSCROLL);
    if (!list->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | CBS_AUTOHSCROLL | style, dropped, grid, id)) {
        delete list;
        return nullptr;
    }
    list->SendMessage(WM_SETFONT, static_cast<WPARAM>(grid->SendMessage(WM_GETFONT)), TRUE);
    for (int i = 0; i < options.GetSize(); ++i) list->AddString(options[i]);
    list->SetDroppedWidth(static_cast<UINT>(list->DropWidth()));
    const int found = list->FindStringExact(-1, initialText);
    if (found >= 0) list->SetCurSel(found);
    else list->SetWindowText(initialText);

    list->SetFocus();
    if ((style & 0x3) != CBS_DROPDOWNLIST && firstChar >= 0x20 && firstChar != VK_LBUTTON) {
        list->SetWindowText("");  // a typed character replaces the text, as in the text editor
        list->SendMessage(WM_CHAR, firstChar);
    }
    list->ShowDropDown(TRUE);
    return list;
}

int CGridComboList::DropWidth() {
    CClientDC dc(this);
    CFont* oldFont = dc.SelectObject(GetFont());
    int widest = 0;
    for (int i = 0; i < GetCount(); ++i) widest = std::max(widest, static_cast<int>(dc.GetTextExtent(GetLBText(i)).cx));
    widest += GetSystemMetrics(SM_CXVSCROLL) + static_cast<int>(dc.GetTextExtent(CString("0")).cx);
    if (oldFont) dc.SelectObject(oldFont);
    return std::min(widest, kMaxDropWidth);
}

void CGridComboList::OnKeyUp(UINT key, UINT repeat, UINT flags) {
    if (key == VK_ESCAPE) {
        const int found = FindStringExact(-1, m_sInitText);
        if (found >= 0) SetCurSel(found);
        else SetWindowText(m_sInitText);
    }
    CGridCellEditor::OnKeyUp(key, repeat, flags);
}

// ---- the date and time editor -----------------------------------------------------------------

CGridDateTimeEdit* CGridDateTimeEdit::Open(CWnd* grid, const CRect& rect, DWORD style, UINT id, int row, int col,
                                           std::time_t* time, UINT firstChar) {
    if (grid == nullptr || time == nullptr) return nullptr;
    auto* editor = new CGridDateTimeEdit(row, col, time);
    if (!editor->Create(WS_CHILD | WS_VISIBLE | style, rect, grid, id)) {
        delete editor;
        return nullptr;
    }
    editor->SetTime(FromTime(*time));
    editor->SendMessage(WM_SETFONT, static_cast<WPARAM>(grid->SendMessage(WM_GETFONT)), TRUE);
    editor->SetFocus();
    const bool movesOnly = firstChar == VK_LBUTTON || firstChar == VK_RETURN || IsArrowOrPageKey(firstChar) ||
                           firstChar == VK_HOME || firstChar == VK_END;
    if (!movesOnly) editor->SendMessage(WM_CHAR, firstChar);
    return editor;
}

void CGridDateTimeEdit::OnEnding() {
    COleDateTime chosen;
    if (GetTime(chosen) == GDT_VALID) *m_pTime = ToTime(chosen);
}
