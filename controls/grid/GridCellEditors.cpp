#include "controls/grid/GridCellEditors.h"

#include <algorithm>

#include "controls/grid/InPlaceEdit.h"
#include "platform/COleDateTime.h"
#include "platform/DC.h"
#include "platform/SystemInfo.h"

namespace {

bool CtrlDown() { return GetKeyState(VK_CONTROL) < 0; }

// The editor or a window of it gets the focus (the list of a combo box drops down in a
// window of its own): the edit goes on.
bool FocusStaysWith(const CWnd* editor, const CWnd* newWindow) {
    for (const CWnd* window = newWindow; window != nullptr; window = window->GetParent())
        if (window == editor) return true;
    return false;
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

template <class Control>
BOOL CGridCellEditor<Control>::DestroyWindow() {
    EndEdit();
    return Control::DestroyWindow();
}

template class CGridCellEditor<CComboBox>;
template class CGridCellEditor<CDateTimeCtrl>;

// ---- the drop-down list ------------------------------------------------------------------------

const MessageMap& CGridComboList::GetMessageMap() const {
    static const MessageMap map(CGridCellEditor::GetMessageMap(), {
        OnControlReflect(CBN_DROPDOWN, &CGridComboList::OnDropDown),
    });
    return map;
}

CGridComboList* CGridComboList::Open(CWnd* grid, const CRect& rect, DWORD style, UINT id, int row, int col,
                                     COLORREF textColour, COLORREF backColour, const CStringArray& options,
                                     const CString& initialText, UINT firstChar) {
    if (grid == nullptr) return nullptr;
    auto* list = new CGridComboList(row, col, initialText, textColour, backColour);
    CRect dropped = rect;
    dropped.bottom += kListLines * (rect.Height() + 1) + GetSystemMetrics(SM_CYHSCROLL);
    if (!list->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | CBS_AUTOHSCROLL | style, dropped, grid, id)) {
        delete list;
        return nullptr;
    }
    list->SendMessage(WM_SETFONT, static_cast<WPARAM>(grid->SendMessage(WM_GETFONT)), TRUE);
    list->ShowCellColours();
    for (int i = 0; i < options.GetSize(); ++i) list->AddString(options[i]);
    list->SetItemHeight(-1, static_cast<UINT>(rect.Height()));
    list->SetHorizontalExtent(0);  // the drop width is set as the list drops down
    const int found = list->FindStringExact(-1, initialText);
    if (found >= 0) list->SetCurSel(found);
    else list->SetWindowText(initialText);

    COMBOBOXINFO parts;
    if ((style & 0x3) == CBS_DROPDOWNLIST || !list->GetComboBoxInfo(&parts) || parts.hwndItem == nullptr ||
        !list->m_edit.SubclassWindow(parts.hwndItem)) {
        list->SetFocus();
    } else {
        list->m_edit.SetFocus();
        if (StartFromFirstKey(list->m_edit, firstChar)) list->SendMessage(WM_CHAR, firstChar);
    }
    list->ShowDropDown(TRUE);
    return list;
}

void CGridComboList::ShowCellColours() {
    if (m_crForeClr == CLR_DEFAULT && m_crBackClr == CLR_DEFAULT) return;  // the desktop's look as it is
    SetFieldColours(m_crForeClr != CLR_DEFAULT ? m_crForeClr : GetSysColor(COLOR_WINDOWTEXT),
                    m_crBackClr != CLR_DEFAULT ? m_crBackClr : GetSysColor(COLOR_WINDOW));
}

CGridComboEdit* CGridComboList::EditField() { return m_edit.GetSafeHwnd() ? &m_edit : nullptr; }

int CGridComboList::DropWidth() {
    CClientDC dc(this);
    CFont* oldFont = dc.SelectObject(GetFont());
    int widest = 0;
    for (int i = 0; i < GetCount(); ++i) widest = std::max(widest, static_cast<int>(dc.GetTextExtent(GetLBText(i)).cx));
    widest += GetSystemMetrics(SM_CXVSCROLL) + static_cast<int>(dc.GetTextExtent(CString("0")).cx);
    if (oldFont) dc.SelectObject(oldFont);
    return std::min(widest, kMaxDropWidth);
}

void CGridComboList::OnDropDown() { SetDroppedWidth(static_cast<UINT>(DropWidth())); }

void CGridComboList::OnKeyUp(UINT key, UINT repeat, UINT flags) {
    if (key == VK_ESCAPE) {
        const int found = FindStringExact(-1, m_sInitText);
        if (found >= 0) SetCurSel(found);
        else SetWindowText(m_sInitText);
    }
    CGridCellEditor::OnKeyUp(key, repeat, flags);
}

// ---- the drop-down list's edit field -------------------------------------------------------------

void CGridComboEdit::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    if (IsArrowOrPageKey(key) && CtrlDown()) {
        if (CWnd* list = GetParent()) list->SendMessage(WM_KEYDOWN, key);
        return;
    }
    CEdit::OnKeyDown(key, repeat, flags);
}

void CGridComboEdit::OnKeyUp(UINT key, UINT repeat, UINT flags) {
    if (key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE) {
        if (CWnd* list = GetParent()) list->SendMessage(WM_KEYUP, key);
        return;
    }
    CEdit::OnKeyUp(key, repeat, flags);
}

void CGridComboEdit::OnChar(UINT ch, UINT repeat, UINT flags) {
    // Their release ends the edit; as characters they belong to nobody else (a dialog around
    // the grid would take Enter and Esc for its buttons).
    if (ch == VK_TAB || ch == VK_RETURN || ch == VK_ESCAPE) return;
    CEdit::OnChar(ch, repeat, flags);
}

// The field is a part of the combo box, which would go on using it: it goes only with the
// whole list, after the grid has been told the text. This object goes with the list.
BOOL CGridComboEdit::DestroyWindow() {
    auto* list = dynamic_cast<CGridComboList*>(GetParent());
    if (list == nullptr) return CEdit::DestroyWindow();
    return list->DestroyWindow();
}

void CGridComboEdit::OnKillFocus(CWnd* newWindow) {
    CEdit::OnKillFocus(newWindow);
    if (CWnd* list = GetParent()) list->SendMessage(WM_KILLFOCUS, reinterpret_cast<WPARAM>(newWindow));
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
