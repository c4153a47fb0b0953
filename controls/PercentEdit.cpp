#include "controls/PercentEdit.h"

#include <charconv>
#include <optional>

#include "controls/JudgedPaste.h"
#include "platform/MessageBox.h"

namespace {

// The text a typed character makes in place of the selection, or nothing when the field has
// no room for it: the length limit drops such a character without a word.
std::optional<CString> TextTyping(const CEdit& edit, UINT ch) {
    CString text;
    edit.GetWindowText(text);
    int start = 0, end = 0;
    edit.GetSel(start, end);
    const CString typed = text.Left(start) + static_cast<char>(ch) + text.Mid(end);
    if (typed.GetLength() > static_cast<int>(edit.GetLimitText())) return std::nullopt;
    return typed;
}

// The text Backspace (or Delete, when not `backward`) leaves: the selection, else the
// character before (after) the caret, taken out.
CString TextDeleting(const CEdit& edit, bool backward) {
    CString text;
    edit.GetWindowText(text);
    int start = 0, end = 0;
    edit.GetSel(start, end);
    if (start == end) {
        if (backward && start > 0) --start;
        else if (!backward && end < text.GetLength()) ++end;
    }
    return text.Left(start) + text.Mid(end);
}

// The text a cut or a clear leaves: the selection taken out; nothing when none is selected.
std::optional<CString> TextTakingOutSelection(const CEdit& edit) {
    int start = 0, end = 0;
    edit.GetSel(start, end);
    if (start == end) return std::nullopt;
    return TextDeleting(edit, true);
}

constexpr UINT kCtrlX = 0x18;  // the character of the cut key

bool IsDigit(UINT ch) { return ch >= '0' && ch <= '9'; }

// A paste into a percent field: the field's own paste, then the value judged.
LRESULT PastePercent(CEdit& edit, const std::function<LRESULT()>& paste, BOOL (*exceeds)(const CString&)) {
    return PasteJudged(
        edit, paste,
        [exceeds](const CString& text) { return exceeds(text) ? std::nullopt : std::optional<CString>(text); },
        &CPercentEdit::RefuseTooLarge);
}

}  // namespace

IMPLEMENT_DYNAMIC(CPercentEdit, CEdit)

BOOL CPercentEdit::Accepts(const CString& text) {
    int value = 0;
    for (const char* ch = text.GetString(); *ch; ++ch) {
        if (*ch < '0' || *ch > '9') return FALSE;
        value = value * 10 + (*ch - '0');
        if (value > kMaxPercent) return FALSE;
    }
    return TRUE;
}

void CPercentEdit::RefuseTooLarge() { AfxMessageBox(kTooLarge, MB_OK | MB_ICONWARNING); }

void CPercentEdit::OnChar(UINT ch, UINT repeat, UINT flags) {
    // A digit is judged by the text it would make: the key reaches the field only after this.
    if (IsDigit(ch) && !(GetStyle() & ES_READONLY)) {
        if (const std::optional<CString> typed = TextTyping(*this, ch); typed && !Accepts(*typed)) {
            RefuseTooLarge();
            return;
        }
    }
    CEdit::OnChar(ch, repeat, flags);
}

LRESULT CPercentEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PASTE) return CEdit::WindowProc(message, wParam, lParam);
    return PastePercent(
        *this, [&] { return CEdit::WindowProc(message, wParam, lParam); },
        [](const CString& text) { return static_cast<BOOL>(!Accepts(text)); });
}

IMPLEMENT_DYNAMIC(CPercentNumberEdit, CNumericEdit)

BOOL CPercentNumberEdit::ExceedsMax(const CString& text) {
    double value = 0;
    const char* end = text.GetString() + text.GetLength();
    const auto [stop, error] = std::from_chars(text.GetString(), end, value, std::chars_format::fixed);
    return error == std::errc() && stop == end && value > CPercentEdit::kMaxPercent;
}

void CPercentNumberEdit::OnChar(UINT ch, UINT repeat, UINT flags) {
    // Judged by the text the key would make, as it reaches the field only after this.
    if (!(GetStyle() & ES_READONLY)) {
        const std::optional<CString> made = ch == VK_BACK  ? TextDeleting(*this, true)
                                            : ch == kCtrlX ? TextTakingOutSelection(*this)
                                            : IsDigit(ch)  ? TextTyping(*this, ch)
                                                           : std::nullopt;
        if (made && ExceedsMax(*made)) return CPercentEdit::RefuseTooLarge();
    }
    CNumericEdit::OnChar(ch, repeat, flags);
}

void CPercentNumberEdit::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    if (key == VK_DELETE && !(GetStyle() & ES_READONLY) && ExceedsMax(TextDeleting(*this, false)))
        return CPercentEdit::RefuseTooLarge();
    CNumericEdit::OnKeyDown(key, repeat, flags);
}

LRESULT CPercentNumberEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if ((message == WM_CUT || message == WM_CLEAR) && !(GetStyle() & ES_READONLY)) {
        if (const std::optional<CString> made = TextTakingOutSelection(*this); made && ExceedsMax(*made)) {
            CPercentEdit::RefuseTooLarge();
            return 0;
        }
    }
    if (message != WM_PASTE) return CNumericEdit::WindowProc(message, wParam, lParam);
    // The number field's own paste first: it refuses what is no number and mends a comma.
    return PastePercent(*this, [&] { return CNumericEdit::WindowProc(message, wParam, lParam); }, &ExceedsMax);
}
