// Dialog data exchange: members to controls (filling) and back (reading), with the
// checks that refuse a field, show the framework's message and stop the exchange.
#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <cerrno>
#include <climits>
#include <cstdlib>

#include "Controls.h"
#include "DateTimeCtrl.h"
#include "Dialog.h"
#include "ListControls.h"
#include "MessageBox.h"
#include "qt/ControlWidgets.h"
#include "qt/TextInput.h"
#include "qt/WidgetAccess.h"
#include "qt/WindowState.h"

namespace {

// Thrown by CDataExchange::Fail, caught by UpdateData.
struct DataExchangeAborted {};

bool IsRadioButton(const CWnd* wnd) {
    const DWORD type = wnd->GetStyle() & BS_TYPEMASK;
    return wnd->GetWindowClassName() == "Button" && (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
}

QAbstractButton* ButtonOf(const CWnd* wnd) { return qobject_cast<QAbstractButton*>(TopWidgetOf(wnd)); }

// Sets a control's text only when it shows another one, so that an unchanged field
// raises no change notification.
void SetTextIfDifferent(CWnd* control, const CString& value) {
    CString shown;
    control->GetWindowText(shown);
    if (shown != value) control->SetWindowText(value);
}

// Equal texts, whatever their line ends: a multi-line field reads its lines back with "\r\n".
bool SameLines(CString first, CString second) {
    first.Replace("\r\n", "\n");
    second.Replace("\r\n", "\n");
    return first == second;
}

// What the user typed into the field that failed its check; nullptr for a field without a record.
std::optional<WindowState::RefusedText>* RefusedTextOf(const CWnd* control) {
    WindowState* state = StateOf(control);
    return state ? &state->refused : nullptr;
}

// Filling a field with its member's value, unless the field shows what the user typed over
// that value and it failed its check: that stays, for the user to mend.
void ShowMemberValue(CWnd* control, const CString& value) {
    auto* refused = RefusedTextOf(control);
    if (refused && *refused) {
        CString shown;
        control->GetWindowText(shown);
        if (SameLines((*refused)->kept, value) && SameLines(shown, (*refused)->typed)) return;
        refused->reset();
    }
    SetTextIfDifferent(control, value);
}

// A whole number, as the framework reads it: blanks around it, an optional sign, digits.
bool ParseInt(const CString& text, int& value) {
    const char* begin = text.GetString();
    while (*begin == ' ' || *begin == '\t') ++begin;
    if (*begin == '\0') return false;
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(begin, &end, 10);
    if (end == begin || errno == ERANGE || parsed < INT_MIN || parsed > INT_MAX) return false;
    while (*end == ' ' || *end == '\t') ++end;
    if (*end != '\0') return false;
    value = static_cast<int>(parsed);
    return true;
}

CString Substitute(const char* pattern, int first, int second = 0) {
    CString text(pattern);
    CString a, b;
    a.Format("%d", first);
    b.Format("%d", second);
    text.Replace("%1", a);
    text.Replace("%2", b);
    return text;
}

}  // namespace

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
    struct Depth {
        int& depth;
        explicit Depth(int& d) : depth(++d) {}
        ~Depth() { --depth; }
    } const depth(m_exchangeDepth);
    CDataExchange exchange(this, saveAndValidate);
    exchange.m_bStopOnFailure = StopsAtFailedCheck();
    try {
        DoDataExchange(&exchange);
    } catch (const DataExchangeAborted&) {
        return FALSE;
    }
    return TRUE;
}

CWnd* CDataExchange::PrepareCtrl(int id) {
    m_idLastControl = id;
    m_bEditLastControl = FALSE;
    m_lastRead.reset();
    return m_pDlgWnd->GetDlgItem(id);
}

CWnd* CDataExchange::PrepareEditCtrl(int id) {
    CWnd* control = PrepareCtrl(id);
    m_bEditLastControl = TRUE;
    return control;
}

void CDataExchange::Fail() {
    if (CWnd* control = m_pDlgWnd->GetDlgItem(m_idLastControl)) {
        control->SetFocus();
        if (m_bEditLastControl) {
            QWidget* w = TopWidgetOf(control);
            if (auto* line = qobject_cast<QLineEdit*>(w)) line->selectAll();
            else if (auto* text = qobject_cast<QPlainTextEdit*>(w)) text->selectAll();
        }
    }
    throw DataExchangeAborted{};
}

void CDataExchange::RememberRead(CWnd* control, const CString& shown, const CString& kept,
                                 std::function<void()> keepMember) {
    m_lastRead = LastRead{control, shown, kept, std::move(keepMember), std::nullopt};
    // The field's text is judged anew; what failed before only spares the user a second message.
    if (auto* refused = RefusedTextOf(control); refused && *refused) {
        m_lastRead->refusedBefore = (*refused)->typed;
        refused->reset();
    }
}

void CDataExchange::Refuse(const CString& message) {
    if (m_bStopOnFailure) {
        AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
        Fail();
    }
    if (!m_lastRead) return;
    const LastRead read = std::move(*m_lastRead);
    m_lastRead.reset();
    read.keepMember();
    // A value nobody changed (one stored longer than today's limit) is kept without a word.
    // A change that cannot be kept stays in the field, where the user can mend it, and is
    // named once.
    if (SameLines(read.shown, read.kept)) return;
    if (auto* refused = RefusedTextOf(read.control)) *refused = WindowState::RefusedText{read.shown, read.kept};
    if (!read.refusedBefore || !SameLines(*read.refusedBefore, read.shown))
        AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
}

void DDX_Text(CDataExchange* pDX, int id, CString& value) {
    CWnd* control = pDX->PrepareEditCtrl(id);
    if (!control) return;
    if (pDX->m_bSaveAndValidate) {
        const CString before = value;
        control->GetWindowText(value);
        pDX->RememberRead(control, value, before, [&value, before] { value = before; });
    } else {
        ShowMemberValue(control, value);
    }
}

void DDX_Text(CDataExchange* pDX, int id, int& value) {
    CWnd* control = pDX->PrepareEditCtrl(id);
    if (!control) return;
    if (pDX->m_bSaveAndValidate) {
        CString text, kept;
        control->GetWindowText(text);
        kept.Format("%d", value);
        pDX->RememberRead(control, text, kept, [&value, before = value] { value = before; });
        if (!ParseInt(text, value)) pDX->Refuse("Please enter an integer.");
    } else {
        CString text;
        text.Format("%d", value);
        ShowMemberValue(control, text);
    }
}

void DDX_Check(CDataExchange* pDX, int id, int& value) {
    CWnd* control = pDX->PrepareCtrl(id);
    QAbstractButton* button = control ? ButtonOf(control) : nullptr;
    if (!button) return;
    if (pDX->m_bSaveAndValidate)
        value = button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
    else
        SetButtonChecked(button, value == BST_CHECKED);
}

void DDX_Radio(CDataExchange* pDX, int id, int& value) {
    CWnd* control = pDX->PrepareCtrl(id);
    if (!control) return;
    if (pDX->m_bSaveAndValidate) value = -1;
    int index = 0;
    for (CWnd* button = control; button != nullptr;) {
        if (IsRadioButton(button)) {
            if (QAbstractButton* radio = ButtonOf(button)) {
                if (pDX->m_bSaveAndValidate) {
                    if (radio->isChecked() && value == -1) value = index;
                } else {
                    SetButtonChecked(radio, index == value);
                }
            }
            ++index;
        }
        button = button->GetWindow(GW_HWNDNEXT);
        if (button && (button->GetStyle() & WS_GROUP)) break;  // the next group starts
    }
}

void DDX_CBIndex(CDataExchange* pDX, int id, int& index) {
    auto* combo = dynamic_cast<CComboBox*>(pDX->PrepareCtrl(id));
    if (!combo) return;
    if (pDX->m_bSaveAndValidate)
        index = combo->GetCurSel();
    else
        combo->SetCurSel(index);
}

void DDX_CBString(CDataExchange* pDX, int id, CString& value) {
    auto* combo = dynamic_cast<CComboBox*>(pDX->PrepareCtrl(id));
    if (!combo) return;
    if (pDX->m_bSaveAndValidate) {
        combo->GetWindowText(value);
        return;
    }
    // An empty text selects nothing: no entry the user never chose appears chosen.
    if (value.IsEmpty() || combo->SelectString(-1, value) == CB_ERR) SetTextIfDifferent(combo, value);
}

void DDX_DateTimeCtrl(CDataExchange* pDX, int id, COleDateTime& value) {
    auto* picker = dynamic_cast<CDateTimeCtrl*>(pDX->PrepareCtrl(id));
    if (!picker) return;
    if (pDX->m_bSaveAndValidate)
        picker->GetTime(value);
    else
        picker->SetTime(value);
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    if (control.GetSafeHwnd() != nullptr) return;
    if (CWnd* item = pDX->PrepareCtrl(id)) control.SubclassWindow(item);
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int maxChars) {
    if (pDX->m_bSaveAndValidate) {
        if (value.GetLength() > maxChars) pDX->Refuse(Substitute("Please enter no more than %1 characters.", maxChars));
        return;
    }
    CWnd* control = pDX->m_pDlgWnd->GetDlgItem(pDX->m_idLastControl);
    if (!control) return;
    if (auto* combo = dynamic_cast<CComboBox*>(control))
        combo->LimitText(maxChars);
    else if (QWidget* w = TopWidgetOf(control); qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w))
        SetTypingLimit(w, maxChars);
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minValue, int maxValue) {
    if (pDX->m_bSaveAndValidate && (value < minValue || value > maxValue))
        pDX->Refuse(Substitute("Please enter an integer between %1 and %2.", minValue, maxValue));
}
