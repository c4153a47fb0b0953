#include "controls/MsgBoxEx.h"

#include <algorithm>
#include <vector>

#include "platform/CommandIds.h"
#include "platform/DC.h"
#include "platform/Dialog.h"
#include "platform/HtmlHelp.h"
#include "platform/MessageBox.h"
#include "platform/Resources.h"
#include "platform/SystemInfo.h"
#include "platform/WinApp.h"

namespace {

constexpr UINT kExtendedBits = MB_HELP_BUTTON | MB_DONT_ASK_AGAIN | MB_DONT_DISPLAY_AGAIN | MB_YES_TO_ALL | MB_NO_TO_ALL;

std::vector<MessageBoxButton> ButtonsOf(UINT style) {
    const UINT type = style & MB_TYPEMASK;
    if (type == MB_CONTINUEABORT)
        return {{IDCONTINUE_EX, MessageBoxButtonText(IDCONTINUE)}, {IDABORT, MessageBoxButtonText(IDABORT)}};
    // The ordinary box's types up to Retry/Cancel; any other shows OK.
    std::vector<MessageBoxButton> buttons;
    for (const MessageBoxButton& button : MessageBoxButtons(type <= MB_RETRYCANCEL ? type : MB_OK)) {
        buttons.push_back(button);
        if (button.id == IDYES && (style & MB_YES_TO_ALL)) buttons.push_back({IDYESTOALL, "'Да' за &всички"});
        if (button.id == IDNO && (style & MB_NO_TO_ALL)) buttons.push_back({IDNOTOALL, "'Не' за &всички"});
    }
    return buttons;
}

// The box with the extended buttons: the text, the buttons in a row, then the help button
// and the check box when asked for.
class CExtendedBox : public CDialog {
public:
    CExtendedBox(const DialogTemplate& dialogTemplate, UINT style, std::vector<MessageBoxButton> buttons,
                 UINT helpContext)
        : CDialog(dialogTemplate), m_style(style), m_buttons(std::move(buttons)), m_helpContext(helpContext) {}

    BOOL OnCmdMsg(UINT id, int code, void* extra) override {
        if (code != CN_COMMAND || extra) return CDialog::OnCmdMsg(id, code, extra);
        if (id == static_cast<UINT>(IDC_MSGBOX_HELP)) {
            ShowHelp();
            return TRUE;
        }
        if (id == static_cast<UINT>(IDC_MSGBOX_CHECK) || id == IDCLOSE) return TRUE;
        if (id == static_cast<UINT>(IDCANCEL)) {
            if (HasButton(IDCANCEL)) EndWithCheck(IDCANCEL);
            else if (m_buttons.size() == 1 && m_buttons.front().id == IDOK) EndWithCheck(IDOK);
            return TRUE;  // a box without a way out by Esc stays
        }
        if (HasButton(static_cast<int>(id))) {
            EndWithCheck(static_cast<int>(id));
            return TRUE;
        }
        return CDialog::OnCmdMsg(id, code, extra);
    }

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        const size_t index = (m_style & MB_DEFMASK) >> 8;
        const int focused = m_buttons[index < m_buttons.size() ? index : 0].id;
        if (CWnd* button = GetDlgItem(focused)) GotoDlgCtrl(button);
        return FALSE;
    }
    void OnOK() override {}
    void OnCancel() override { OnCmdMsg(IDCANCEL, CN_COMMAND, nullptr); }

private:
    BOOL HasButton(int id) const {
        return std::any_of(m_buttons.begin(), m_buttons.end(), [id](const MessageBoxButton& b) { return b.id == id; });
    }
    void EndWithCheck(int id) {
        int result = id;
        if (IsDlgButtonChecked(IDC_MSGBOX_CHECK) == BST_CHECKED)
            result |= static_cast<int>(m_style & (MB_DONT_ASK_AGAIN | MB_DONT_DISPLAY_AGAIN));
        EndDialog(result);
    }
    // The program's manual, beside the program; the box stays open.
    void ShowHelp() {
        const auto& items = AfxGetCommandLineItems();
        CString folder = items.empty() ? CString() : items.front();
        folder = folder.Left(folder.ReverseFind(U'/') + 1);
        CString topic = folder + "quorin.chm::/Content.htm";
        if (m_helpContext != 0) topic.AppendFormat("#%u", m_helpContext);
        HtmlHelpDisplayTopic(this, topic);
    }

    UINT m_style;
    std::vector<MessageBoxButton> m_buttons;
    UINT m_helpContext;
};

DialogTemplate ExtendedBoxTemplate(const CString& text, const CString& caption, UINT style,
                                   const std::vector<MessageBoxButton>& buttons) {
    constexpr int kMargin = 7, kButtonWidth = 62, kButtonHeight = 14, kButtonStep = 66, kTextMinWidth = 44;
    const TemplateFont font;
    const CSize base = DialogBaseUnits(font);
    // The text measured as the box will wrap it: at most half the screen plus a little.
    CClientDC screen(nullptr);
    CFont dialogFont;
    dialogFont.CreatePointFont(font.points * 10, font.face);
    CFont* previous = screen.SelectObject(&dialogFont);
    CRect textRect(0, 0, GetSystemMetrics(SM_CXSCREEN) / 2 + 100, 0);
    screen.DrawText(text, &textRect, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    screen.SelectObject(previous);
    const int textWidth = std::max(kTextMinWidth, static_cast<int>(textRect.Width() * 4 / base.cx) + 2);
    const int textHeight = static_cast<int>(textRect.Height() * 8 / base.cy) + 1;

    std::vector<MessageBoxButton> row = buttons;
    if (style & MB_HELP_BUTTON) row.push_back({IDC_MSGBOX_HELP, "&Помощ"});
    const int buttonsWidth = static_cast<int>(row.size()) * kButtonStep - (kButtonStep - kButtonWidth);
    const char* checkText = (style & MB_DONT_ASK_AGAIN) ? "Не ме питай повече"
                            : (style & MB_DONT_DISPLAY_AGAIN) ? "Не ме безпокой повече" : nullptr;
    const int width = std::max(textWidth, buttonsWidth) + 2 * kMargin;

    DialogTemplate box{0, caption, {}, {}};
    box.controls.push_back(Label(1001, "", {kMargin, kMargin, width - 2 * kMargin, textHeight}, SS_NOPREFIX));
    box.controls.back().text = text;
    int y = kMargin + textHeight + kMargin;
    int x = (width - buttonsWidth) / 2;
    const size_t defaultIndex = (style & MB_DEFMASK) >> 8;
    for (size_t i = 0; i < row.size(); ++i, x += kButtonStep) {
        const DlgRect rect{x, y, kButtonWidth, kButtonHeight};
        box.controls.push_back(i == (defaultIndex < buttons.size() ? defaultIndex : 0) ? DefPushButton(row[i].id, row[i].text, rect)
                                                                                        : Button(row[i].id, row[i].text, rect));
    }
    y += kButtonHeight + kMargin;
    if (checkText) {
        box.controls.push_back(CheckBox(IDC_MSGBOX_CHECK, checkText, {kMargin, y, width - 2 * kMargin, 10}));
        y += 10 + kMargin;
    }
    box.size = {width, y};
    return box;
}

}  // namespace

int CMsgBoxEx(const CString& text, const CString& caption, UINT style, UINT helpContext) {
    CString shownCaption = caption;
    if (shownCaption.IsEmpty() && !LoadStringResource(AFX_IDS_APP_TITLE, shownCaption)) shownCaption = "Съобщение";
    const bool extended = (style & kExtendedBits) != 0 || (style & MB_TYPEMASK) == MB_CONTINUEABORT;
    const bool systemStop = (style & MB_ICONHAND) && (style & MB_SYSTEMMODAL);
    if (!extended || systemStop) return ShowMessageBox(text, shownCaption, style & ~MB_NO_SOUND);

    const std::vector<MessageBoxButton> buttons = ButtonsOf(style);
    CExtendedBox box(ExtendedBoxTemplate(text, shownCaption, style, buttons), style, buttons, helpContext);
    return static_cast<int>(box.DoModal());
}
