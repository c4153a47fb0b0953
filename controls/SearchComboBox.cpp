#include "controls/SearchComboBox.h"

#include "platform/DC.h"
#include "platform/SystemInfo.h"

IMPLEMENT_DYNAMIC(CToolTipListBox, CListBox)
IMPLEMENT_DYNAMIC(CSearchComboBox, CComboBox)

namespace {

constexpr COLORREF kSearchTipBack = RGB(250, 250, 224);
constexpr COLORREF kSearchTipText = RGB(170, 0, 0);
constexpr UINT kListTipDelay = 80;

// A tracking tip for `owner`, in the highlight colours, with the owner's font.
std::unique_ptr<CToolTipCtrl> MakeTrackingTip(CWnd& owner) {
    auto tip = std::make_unique<CToolTipCtrl>();
    if (!tip->Create(&owner, TTS_NOPREFIX | TTS_ALWAYSTIP)) return nullptr;
    tip->SetMaxTipWidth(32767);
    tip->AddTool(&owner, "", nullptr, 0, TTF_TRACK | TTF_TRANSPARENT);
    tip->SetTipBkColor(GetSysColor(COLOR_HIGHLIGHT));
    tip->SetTipTextColor(GetSysColor(COLOR_HIGHLIGHTTEXT));
    const CRect margins(0, -1, 0, -1);
    tip->SetMargin(&margins);
    tip->SetFont(owner.GetFont());
    return tip;
}

}  // namespace

bool IsSearchCharacter(char32_t ch) {
    if ((ch >= U'A' && ch <= U'Z') || (ch >= U'a' && ch <= U'z') || (ch >= U'0' && ch <= U'9')) return true;
    if (ch >= U'А' && ch <= U'я') return true;  // the letters of code page 1251's upper half
    for (const char32_t allowed : U".,?-!; /\\")
        if (ch == allowed) return true;
    return false;
}

// ---- the drop-down list ---------------------------------------------------------------

CToolTipListBox::CToolTipListBox() = default;
CToolTipListBox::~CToolTipListBox() = default;

void CToolTipListBox::PreSubclassWindow() {
    CListBox::PreSubclassWindow();
    m_toolTip = MakeTrackingTip(*this);
    if (m_toolTip) m_toolTip->ModifyStyle(WS_BORDER, 0);
}

void CToolTipListBox::OnMouseMove(UINT flags, CPoint point) {
    CRect client;
    GetClientRect(&client);
    if (!client.PtInRect(point)) {
        HideTip();
    } else if (m_toolTip) {
        BOOL outside = TRUE;
        const int index = static_cast<int>(ItemFromPoint(point, outside));
        CRect item;
        if (!outside && GetItemRect(index, &item) != LB_ERR) {
            ClientToScreen(&item);
            const CString text = GetText(index);
            CClientDC dc(this);
            CFont* const old = dc.SelectObject(GetFont());
            const int width = dc.GetTextExtent(text).cx;
            if (old) dc.SelectObject(old);
            if (width <= item.Width() - 3) {
                HideTip();
            } else {
                m_toolTip->UpdateTipText(text, this);
                m_toolTip->TrackPosition(item.left, item.top);
                m_toolTip->TrackActivate(TRUE, this);
                SetTimer(1, kListTipDelay);
            }
        }
    }
    CListBox::OnMouseMove(flags, point);
}

void CToolTipListBox::OnTimer(UINT_PTR id) {
    CPoint cursor;
    GetCursorPos(&cursor);
    ScreenToClient(&cursor);
    CRect client;
    GetClientRect(&client);
    if (client.PtInRect(cursor) && IsWindowVisible()) return;
    KillTimer(id);
    HideTip();
}

void CToolTipListBox::OnDestroy() {
    HideTip();
    CListBox::OnDestroy();
}

void CToolTipListBox::HideTip() {
    if (m_toolTip && m_toolTip->GetSafeHwnd()) m_toolTip->TrackActivate(FALSE, this);
}

// ---- the combo box --------------------------------------------------------------------

CSearchComboBox::CSearchComboBox() = default;
CSearchComboBox::~CSearchComboBox() = default;

const MessageMap& CSearchComboBox::GetMessageMap() const {
    static const MessageMap map(CComboBox::GetMessageMap(), {
        OnControlReflect(CBN_KILLFOCUS, &CSearchComboBox::OnKillFocusReflect),
    });
    return map;
}

void CSearchComboBox::PreSubclassWindow() {
    CComboBox::PreSubclassWindow();
    CreateTip();
    COMBOBOXINFO info;
    if (!GetComboBoxInfo(&info)) return;
    if (info.hwndItem && !m_edit.GetSafeHwnd()) m_edit.SubclassWindow(info.hwndItem);
    if (info.hwndList && !m_listBox.GetSafeHwnd()) m_listBox.SubclassWindow(info.hwndList);
}

void CSearchComboBox::CreateTip() {
    m_toolTip = MakeTrackingTip(*this);
    if (m_toolTip) {
        m_toolTip->SetTipBkColor(kSearchTipBack);
        m_toolTip->SetTipTextColor(kSearchTipText);
    }
}

BOOL CSearchComboBox::PreTranslateMessage(MSG* msg) {
    const bool key = msg->message == WM_KEYDOWN || msg->message == WM_KEYUP;
    if (key && (msg->wParam == VK_NEXT || msg->wParam == VK_PRIOR) && GetKeyState(VK_CONTROL) < 0) {
        // One jump per press: the key's release is taken and dropped.
        if (msg->message == WM_KEYDOWN) {
            if (msg->wParam == VK_NEXT)
                NextMatch();
            else
                PreviousMatch();
        }
        return TRUE;
    }
    if ((key || msg->message == WM_CHAR) && msg->wParam == VK_RETURN) m_searchText.Empty();
    if (msg->message != WM_CHAR) {
        if (key && msg->wParam == VK_RETURN) HideTip();
        return CComboBox::PreTranslateMessage(msg);
    }
    // Tab, Enter and Escape belong to the dialog around the combo (moving on, its default
    // and cancel buttons); every other character is the search's and never reaches the combo.
    const auto ch = static_cast<char32_t>(msg->wParam);
    if (ch == U'\t' || ch == U'\r' || ch == 0x1B) return CComboBox::PreTranslateMessage(msg);
    TypeCharacter(ch);
    return TRUE;
}

void CSearchComboBox::TypeCharacter(char32_t ch) {
    RestartResetTimer();
    if (IsSearchCharacter(ch))
        m_searchText += ch;
    else if (ch == VK_BACK && !m_searchText.IsEmpty())
        m_searchText.Delete(m_searchText.GetLength() - 1);
    if (m_searchText.IsEmpty()) {
        HideTip();
        return;
    }
    const int found = SelectMatch(m_searchText, -1, true);
    m_history.RemoveAll();
    m_history.Add(static_cast<DWORD>(found));
    NotifySelectionChange();
    ShowTip();
}

void CSearchComboBox::NextMatch() {
    if (m_searchText.IsEmpty()) return;
    RestartResetTimer();
    const int found = SelectMatch(m_searchText, GetCurSel(), true);
    if (found >= 0) m_history.Add(static_cast<DWORD>(found));
    NotifySelectionChange();
    ShowTip();
}

void CSearchComboBox::PreviousMatch() {
    if (m_searchText.IsEmpty() || m_history.GetSize() < 2) return;
    RestartResetTimer();
    m_history.RemoveAt(m_history.GetSize() - 1);
    SetCurSel(static_cast<int>(m_history[m_history.GetSize() - 1]));
    NotifySelectionChange();
    ShowTip();
}

int CSearchComboBox::SelectMatch(const CString& text, int startAfter, bool substring) {
    if (const int found = FindString(startAfter, text); found != CB_ERR) {
        SetCurSel(found);
        return found;
    }
    if (!substring) return -1;
    CString wanted = text;
    wanted.MakeUpper();
    for (int i = startAfter + 1; i < GetCount(); ++i) {
        CString entry = GetLBText(i);
        if (entry.MakeUpper().Find(wanted) >= 0) {
            SetCurSel(i);
            return i;
        }
    }
    return -1;
}

void CSearchComboBox::RestartResetTimer() { SetTimer(kResetTimer, m_resetTime); }

void CSearchComboBox::NotifySelectionChange() {
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(GetDlgCtrlID()), CBN_SELCHANGE),
                            reinterpret_cast<LPARAM>(this));
}

void CSearchComboBox::ShowTip() {
    if (!m_toolTip) return;
    CRect rect;
    GetClientRect(&rect);
    rect.right -= GetSystemMetrics(SM_CXHTHUMB) + 2;
    ClientToScreen(&rect);
    m_toolTip->UpdateTipText(m_searchText, this);
    m_toolTip->TrackPosition(rect.left + 2, rect.top - 15);
    m_toolTip->TrackActivate(TRUE, this);
}

void CSearchComboBox::HideTip() {
    if (m_toolTip && m_toolTip->GetSafeHwnd()) m_toolTip->TrackActivate(FALSE, this);
}

void CSearchComboBox::ResetSearch() {
    m_history.RemoveAll();
    m_searchText.Empty();
    HideTip();
}

void CSearchComboBox::OnTimer(UINT_PTR id) {
    if (id != kResetTimer) return CComboBox::OnTimer(id);
    KillTimer(kResetTimer);
    ResetSearch();
}

void CSearchComboBox::OnKillFocusReflect() {
    m_searchText.Empty();
    HideTip();
}

void CSearchComboBox::OnDestroy() {
    HideTip();
    if (m_edit.GetSafeHwnd()) m_edit.UnsubclassWindow();
    if (m_listBox.GetSafeHwnd()) m_listBox.UnsubclassWindow();
    CComboBox::OnDestroy();
}
