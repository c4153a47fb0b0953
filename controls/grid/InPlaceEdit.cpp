#include "controls/grid/InPlaceEdit.h"

#include <algorithm>

#include "platform/DC.h"

CGridInPlaceEdit* CGridInPlaceEdit::Open(CWnd* parent, const CRect& rect, DWORD style, UINT id, int row, int col,
                                         const CString& initialText, UINT firstChar) {
    auto* editor = new CGridInPlaceEdit(row, col, initialText, firstChar, rect);
    if (!editor->Start(parent, style, id, firstChar)) {
        delete editor;
        return nullptr;
    }
    return editor;
}

CGridInPlaceEdit::CGridInPlaceEdit(int row, int col, const CString& initialText, UINT firstChar, const CRect& rect)
    : m_nRow(row), m_nColumn(col), m_sInitText(initialText), m_bExitOnArrows(firstChar != VK_LBUTTON), m_Rect(rect) {}

const MessageMap& CGridInPlaceEdit::GetMessageMap() const {
    static const MessageMap map(CEdit::GetMessageMap(), {
        OnControlReflect(EN_CHANGE, &CGridInPlaceEdit::WidenToText),
    });
    return map;
}

BOOL CGridInPlaceEdit::Start(CWnd* parent, DWORD style, UINT id, UINT firstChar) {
    if (parent == nullptr || !Create(style | WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, m_Rect, parent, id))
        return FALSE;
    SendMessage(WM_SETFONT, static_cast<WPARAM>(parent->SendMessage(WM_GETFONT)), TRUE);
    SetWindowText(m_sInitText);
    SetFocus();
    m_bStarted = TRUE;

    if (StartFromFirstKey(*this, firstChar)) PostMessage(WM_CHAR, firstChar);
    return TRUE;
}

BOOL StartFromFirstKey(CEdit& edit, UINT firstChar) {
    const int end = edit.GetWindowTextLength();
    switch (firstChar) {
        case VK_LBUTTON:
        case VK_RETURN:
            edit.SetSel(end, end);
            edit.ScrollCaret();
            return FALSE;
        case VK_BACK:
            edit.SetSel(end, end);
            edit.ScrollCaret();
            edit.PostMessage(WM_KEYDOWN, VK_BACK);
            return FALSE;
        case VK_TAB:
        case VK_SPACE:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_END:
        case VK_HOME:
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
            edit.SetSel(0, -1);
            return FALSE;
        default:
            edit.SetSel(0, -1);
            return TRUE;
    }
}

void CGridInPlaceEdit::EndWithKey(UINT key) {
    m_nLastChar = key;
    if (CWnd* grid = GetParent()) grid->SetFocus();
}

void CGridInPlaceEdit::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    if (IsArrowOrPageKey(key) && (m_bExitOnArrows || GetKeyState(VK_CONTROL) < 0)) {
        EndWithKey(key);
        return;
    }
    CEdit::OnKeyDown(key, repeat, flags);
}

void CGridInPlaceEdit::OnChar(UINT ch, UINT repeat, UINT flags) {
    if (ch == VK_TAB || ch == VK_RETURN) {
        EndWithKey(ch);
        return;
    }
    if (ch == VK_ESCAPE) {
        SetWindowText(m_sInitText);
        EndWithKey(ch);
        return;
    }
    CEdit::OnChar(ch, repeat, flags);
}

void CGridInPlaceEdit::WidenToText() {
    CWnd* grid = GetParent();
    if (!m_bStarted || grid == nullptr) return;
    CString text;
    GetWindowText(text);
    text += "  ";
    CClientDC dc(this);
    CFont* font = CFont::FromHandle(reinterpret_cast<HFONT>(grid->SendMessage(WM_GETFONT)));
    CFont* oldFont = font ? dc.SelectObject(font) : nullptr;
    const int width = dc.GetTextExtent(text).cx;
    if (oldFont) dc.SelectObject(oldFont);

    CRect client;
    grid->GetClientRect(&client);
    const int wanted = std::min(std::max(width, m_Rect.Width()), client.right - m_Rect.left);
    if (wanted > m_Rect.Width()) {
        m_Rect.right = m_Rect.left + wanted;
        MoveWindow(&m_Rect);
    }
}

void CGridInPlaceEdit::OnKillFocus(CWnd* newWindow) {
    CEdit::OnKillFocus(newWindow);
    // A box standing over the window (the refusal of a paste) or another program has the
    // focus only for a while: it comes back to the editor, whose edit goes on.
    if (GetActiveWindow() != GetTopLevelParent()) return;
    EndEdit();
}

namespace {
bool g_ending = false;  // one flag for all editors: closing moves the focus again
}  // namespace

// Tells the owner the text and the key that ended the edit, then closes the window, which
// deletes this object.
void CGridInPlaceEdit::EndEdit() {
    if (g_ending) return;
    g_ending = true;

    CString text;
    GetWindowText(text);
    NotifyEndLabelEdit(*this, m_nRow, m_nColumn, text, m_nLastChar);
    if (IsWindow(GetSafeHwnd())) {
        m_bClosing = TRUE;
        SendMessage(WM_CLOSE);
    }
    g_ending = false;
}

// Destroyed by its caller rather than by its own end: the edit ends first, so that the grid
// keeps the text and the cell no longer holds an editor that is gone. The end closes the
// window, which comes back here.
BOOL CGridInPlaceEdit::DestroyWindow() {
    if (m_bClosing || g_ending || !GetSafeHwnd()) return CEdit::DestroyWindow();
    EndEdit();
    return TRUE;
}

void NotifyEndLabelEdit(CWnd& editor, int row, int col, const CString& text, UINT lastKey) {
    GV_DISPINFO info;
    info.hdr.hwndFrom = editor.GetSafeHwnd();
    info.hdr.idFrom = static_cast<UINT_PTR>(editor.GetDlgCtrlID());
    info.hdr.code = GVN_ENDLABELEDIT;
    info.item.mask = GVIF_TEXT | GVIF_PARAM;
    info.item.row = row;
    info.item.col = col;
    info.item.strText = text;
    info.item.lParam = static_cast<LPARAM>(lastKey);
    if (CWnd* owner = editor.GetOwner()) owner->SendMessage(WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
}
