#include "controls/grid/GridCellTypes.h"

#include <algorithm>

#include "controls/grid/GridCellEditors.h"
#include "controls/grid/GridCtrl.h"
#include "platform/DC.h"
#include "platform/Desktop.h"
#include "platform/SystemInfo.h"

IMPLEMENT_DYNCREATE(CGridCellCheck, CGridCell)
IMPLEMENT_DYNCREATE(CGridCellCombo, CGridCell)
IMPLEMENT_DYNCREATE(CGridCellDateTime, CGridCell)
IMPLEMENT_DYNCREATE(CGridCellNumeric, CGridCell)
IMPLEMENT_DYNCREATE(CGridURLCell, CGridCell)

namespace {

// What a cell with a drop-down button needs: its text and the button beside it.
CSize ExtentWithDropButton(CGridCell& cell, CDC* dc) {
    CSize size = cell.GetTextExtent(cell.GetText(), dc);
    size.cx += GetSystemMetrics(SM_CXVSCROLL);
    size.cy = std::max<LONG>(size.cy, GetSystemMetrics(SM_CYHSCROLL));
    return size;
}

bool IsEditableCell(const CGridCell& cell) {
    const CGridCtrl* grid = cell.GetGrid();
    return grid && grid->IsEditable() && !cell.IsReadOnly();
}

// Searched in this order; a text holding any of them (case counts) is a link.
constexpr const char* kUrlPrefixes[] = {"www.", "http:", "mailto:", "ftp:", "https:", "news:",
                                        "gopher:", "telnet:", "url:", "file:", "ftp."};

}  // namespace

// ---- check box --------------------------------------------------------------------------------

BOOL CGridCellCheck::SetCheck(BOOL checked) {
    const BOOL before = m_bChecked;
    m_bChecked = checked;
    if (CGridCtrl* grid = GetGrid(); grid && !m_Rect.IsRectEmpty()) grid->InvalidateRect(&m_Rect);
    return before;
}

CRect CGridCellCheck::CheckBoxRect(const CRect& cellRect) const {
    const int box = GetSystemMetrics(SM_CXHSCROLL);
    const int margin = static_cast<int>(GetMargin());
    CRect rect(cellRect.left + margin, cellRect.top + margin, cellRect.left + margin + box, cellRect.top + margin + box);
    if (cellRect.Height() < box + 2 * margin) {
        rect.top = cellRect.top + (cellRect.Height() - box) / 2;
        rect.bottom = rect.top + box;
    }
    return rect;
}

CSize CGridCellCheck::GetCellExtent(CDC* dc) {
    const int room = GetSystemMetrics(SM_CXHSCROLL) + 2 * static_cast<int>(GetMargin());
    CSize size = GetTextExtent(GetText(), dc);
    size.cx += room;
    size.cy = std::max<LONG>(size.cy, room);
    return size;
}

BOOL CGridCellCheck::GetTextRect(LPRECT rect) {
    const BOOL result = CGridCell::GetTextRect(rect);
    if (result) rect->left = std::min(rect->right, rect->left + GetSystemMetrics(SM_CXHSCROLL) + 2 * static_cast<LONG>(GetMargin()));
    return result;
}

BOOL CGridCellCheck::Draw(CDC* dc, int row, int col, CRect rect, BOOL eraseBackground) {
    const BOOL drawn = CGridCell::Draw(dc, row, col, rect, eraseBackground);
    if (drawn) {
        CRect box = CheckBoxRect(rect);
        dc->DrawFrameControl(&box, DFC_BUTTON, DFCS_BUTTONCHECK | (m_bChecked ? DFCS_CHECKED : 0));
        m_Rect = rect;
    }
    return drawn;
}

void CGridCellCheck::OnClick(CPoint point) {
    CGridCtrl* grid = GetGrid();
    if (grid == nullptr || !grid->IsCellEditable(grid->GetFocusCell())) return;
    if (CheckBoxRect(CRect(0, 0, m_Rect.Width(), m_Rect.Height())).PtInRect(point)) SetCheck(!m_bChecked);
}

// ---- drop-down list -------------------------------------------------------------------------

void CGridCellCombo::SetOptions(const CStringArray& options) {
    m_Strings.RemoveAll();
    for (int i = 0; i < options.GetSize(); ++i) m_Strings.Add(options[i]);
}

BOOL CGridCellCombo::Edit(int row, int col, CRect rect, CPoint, UINT id, UINT ch) {
    m_bEditing = TRUE;
    m_pEditWnd = CGridComboList::Open(GetGrid(), rect, m_dwStyle, id, row, col, EffectiveTextClr(), EffectiveBackClr(),
                                      m_Strings, GetText(), ch);
    m_bEditing = m_pEditWnd != nullptr;
    return TRUE;
}

void CGridCellCombo::EndEdit() {
    if (auto* list = dynamic_cast<CGridComboList*>(m_pEditWnd)) list->EndEdit();
}

CWnd* CGridCellCombo::GetEditWnd() const {
    auto* list = dynamic_cast<CGridComboList*>(m_pEditWnd);
    return list ? list->EditField() : nullptr;
}

CSize CGridCellCombo::GetCellExtent(CDC* dc) { return ExtentWithDropButton(*this, dc); }

BOOL CGridCellCombo::Draw(CDC* dc, int row, int col, CRect rect, BOOL eraseBackground) {
    if (m_bEditing) {  // the editor shows the text
        const CString text = m_strText;
        m_strText.Empty();
        const BOOL drawn = CGridCell::Draw(dc, row, col, rect, eraseBackground);
        m_strText = text;
        return drawn;
    }
    const int buttonWidth = GetSystemMetrics(SM_CXVSCROLL);
    const int buttonHeight = GetSystemMetrics(SM_CYHSCROLL);
    if (!IsEditableCell(*this) || rect.Width() <= buttonWidth || rect.Height() <= buttonHeight)
        return CGridCell::Draw(dc, row, col, rect, eraseBackground);
    CRect button(rect.right - buttonWidth, rect.top, rect.right, rect.top + buttonHeight);
    button.OffsetRect(0, (rect.Height() - buttonHeight) / 2);
    CRect textRect = rect;
    textRect.right = button.left - 1;
    const BOOL drawn = CGridCell::Draw(dc, row, col, textRect, eraseBackground);
    if (drawn) dc->DrawFrameControl(&button, DFC_SCROLL, DFCS_SCROLLDOWN);
    return drawn;
}

// ---- date and time ----------------------------------------------------------------------------

CGridCellDateTime::CGridCellDateTime() : m_cTime(std::time(nullptr)) {}

BOOL CGridCellDateTime::Edit(int row, int col, CRect rect, CPoint, UINT id, UINT ch) {
    m_bEditing = TRUE;
    m_pEditWnd = CGridDateTimeEdit::Open(GetGrid(), rect, m_dwStyle | DTS_UPDOWN, id, row, col, &m_cTime, ch);
    m_bEditing = m_pEditWnd != nullptr;
    return TRUE;
}

void CGridCellDateTime::EndEdit() {
    if (auto* editor = dynamic_cast<CGridDateTimeEdit*>(m_pEditWnd)) editor->EndEdit();
}

CSize CGridCellDateTime::GetCellExtent(CDC* dc) { return ExtentWithDropButton(*this, dc); }

// ---- number ---------------------------------------------------------------------------------

BOOL CGridCellNumeric::Edit(int row, int col, CRect rect, CPoint, UINT id, UINT ch) {
    return OpenTextEditor(row, col, rect, id, ch, ES_NUMBER);
}

// ---- link -------------------------------------------------------------------------------------

CGridURLCell::CGridURLCell() : m_clrUrl(GetSysColor(COLOR_HIGHLIGHT)) {}

BOOL CGridURLCell::HasUrl(const CString& text) {
    return std::any_of(std::begin(kUrlPrefixes), std::end(kUrlPrefixes),
                       [&](const char* prefix) { return text.Find(prefix) >= 0; });
}

BOOL CGridURLCell::Draw(CDC* dc, int row, int col, CRect rect, BOOL eraseBackground) {
    m_Rect = rect;
    if (!HasUrl(GetText())) return CGridCell::Draw(dc, row, col, rect, eraseBackground);
    const COLORREF colour = m_crFgClr;
    m_crFgClr = m_clrUrl;
    const BOOL drawn = CGridCell::Draw(dc, row, col, rect, eraseBackground);
    m_crFgClr = colour;
    return drawn;
}

BOOL CGridURLCell::OverURL(CPoint point, CString& url) {
    const CString text = GetText();
    const int length = text.GetLength();
    if (length == 0 || !HasUrl(text)) return FALSE;
    const int textWidth = static_cast<int>(GetTextExtent(text).cx);
    const int width = m_Rect.Width();
    const DWORD format = GetFormat();
    const int margin = static_cast<int>(GetMargin());
    int offset = point.x - margin;  // from the text's first character
    if (format & DT_RIGHT) {
        offset = point.x - (width - margin - textWidth);
    } else if (format & DT_CENTER) {
        offset = point.x - (width - textWidth) / 2;
    }
    if (offset < 0 || offset > textWidth) return FALSE;

    // The word around the character under the point, as far as the spaces on either side.
    const int index = std::min(length - 1, offset * length / std::max(1, textWidth));
    const std::u32string letters = ToCodePoints(text.str());
    if (index < 0 || index >= static_cast<int>(letters.size()) || letters[index] == U' ') return FALSE;
    int start = index;
    while (start > 0 && letters[start - 1] != U' ') --start;
    int end = index;
    while (end < length - 1 && letters[end + 1] != U' ') ++end;
    const CString word = text.Mid(start, end - start + 1);
    if (!HasUrl(word)) return FALSE;
    url = word;
    return TRUE;
}

BOOL CGridURLCell::OnSetCursor() {
    CGridCtrl* grid = GetGrid();
    CPoint point;
    CString url;
    if (grid && GetCursorPos(&point)) {
        grid->ScreenToClient(&point);
        if (OverURL(CPoint(point.x - m_Rect.left, point.y - m_Rect.top), url)) {
            SetCursor(LoadStandardCursor(IDC_HAND));  // the desktop's pointing hand
            return TRUE;
        }
    }
    return CGridCell::OnSetCursor();
}

void CGridURLCell::OnClick(CPoint point) {
    CString url;
    if (m_bLaunchUrl && OverURL(point, url)) ShellExecute(nullptr, "open", url, nullptr, nullptr, SW_SHOW);
}
