#include "shell/PageHeader.h"

#include <algorithm>
#include <array>

#include "controls/DialogHelpers.h"
#include "platform/Controls.h"
#include "platform/FormView.h"
#include "platform/Gdi.h"
#include "shell/MainFrm.h"

namespace {

constexpr char kHeaderFace[] = "Times New Roman";

struct HeaderText {
    int id;
    CRect place;  // pixels
};

constexpr std::array<HeaderText, 6> kHeaderTexts{{
    {IDC_HEADER_FORM_CAPTION, {38, 40, 38 + 112, 60}},
    {IDC_HEADER_OBJECT_CAPTION, {38, 60, 38 + 112, 80}},
    {IDC_HEADER_STEP_CAPTION, {38, 80, 38 + 112, 100}},
    {IDC_HEADER_FORM, {160, 40, 160 + 740, 60}},
    {IDC_HEADER_OBJECT, {160, 60, 160 + 740, 80}},
    {IDC_HEADER_STEP, {160, 80, 160 + 740, 100}},
}};

constexpr int kHeaderFontHeight = 18;

// The window's font with another face and height, weight 551, upright, not underlined.
void MakeHeaderFont(CWnd& window, LPCTSTR faceName, int height, CFont& font) {
    LOGFONT logFont;
    if (CFont* current = window.GetFont()) current->GetLogFont(&logFont);
    CString face(faceName);
    const std::string& bytes = face.str();
    const size_t length = std::min(bytes.size(), static_cast<size_t>(LF_FACESIZE - 1));
    bytes.copy(logFont.lfFaceName, length);
    logFont.lfFaceName[length] = '\0';
    logFont.lfHeight = height;
    logFont.lfWeight = 551;
    logFont.lfItalic = 0;
    logFont.lfUnderline = 0;
    font.CreateFontIndirect(&logFont);
}

bool IsGroupBox(const CWnd& button) { return (button.GetStyle() & BS_TYPEMASK) == BS_GROUPBOX; }

}  // namespace

void SetControlFont(CWnd* window, LPCTSTR faceName, int id, int height) {
    CWnd* control = window ? window->GetDlgItem(id) : nullptr;
    if (!control) return;
    CFont font;  // the control keeps a copy of it
    MakeHeaderFont(*window, faceName, height, font);
    control->SetFont(&font, TRUE);
}

void SetupFormHeader(CFormView* page, const CString& formName, const CString& objectName, const CString& stepName,
                     CBitmap& bitmap, UINT bitmapId, BOOL readOnly) {
    if (!page) return;
    if (readOnly == 1) SetControlsReadOnly(page, readOnly);
    if (CWnd* title = page->GetDlgItem(IDC_PAGE_TITLE)) title->ShowWindow(SW_HIDE);
    CFont headerFont;
    MakeHeaderFont(*page, kHeaderFace, kHeaderFontHeight, headerFont);

    MoveChildControls(page, 0, kHeaderHeight);
    const CSize total = page->GetTotalSize();
    page->SetScrollSizes(MM_TEXT, CSize(total.cx, total.cy + kHeaderHeight));

    const std::array<CString, 6> texts{"Формуляр:", "Обект на мониторинг:", "Стъпка:", formName, objectName, stepName};
    for (size_t i = 0; i < kHeaderTexts.size(); ++i) {
        CWnd* control = page->GetDlgItem(kHeaderTexts[i].id);
        if (!control) continue;
        control->SetWindowText(texts[i]);
        control->MoveWindow(&kHeaderTexts[i].place, TRUE);
        control->ShowWindow(SW_SHOW);
        if (kHeaderTexts[i].id >= IDC_HEADER_FORM) control->SetFont(&headerFont, FALSE);
    }

    bitmap.DeleteObject();
    bitmap.LoadBitmap(bitmapId);
    if (auto* picture = dynamic_cast<CStatic*>(page->GetDlgItem(IDC_HEADER_PICTURE))) {
        picture->MoveWindow(0, 0, 37, 37, TRUE);
        picture->SetBitmap(bitmap);
    }
    if (CMainFrame* frame = TheMainFrame()) frame->RememberShownPage(*page);
}

void SetControlsReadOnly(CWnd* page, BOOL readOnly) {
    if (!page || readOnly != 1) return;
    for (CWnd* child = page->GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT)) {
        const CString kind = child->GetWindowClassName();
        if (kind == "Edit") {
            if (auto* edit = dynamic_cast<CEdit*>(child)) edit->SetReadOnly(TRUE);
        } else if (kind == "SysDateTimePick32" || kind == "ComboBox" || kind == "MFCGridCtrl" || kind == "ListBox") {
            child->EnableWindow(FALSE);
        } else if (kind == "Button") {
            const int id = child->GetDlgCtrlID();
            if (!IsGroupBox(*child) && id != IDC_STEP_BACK && id != IDC_STEP_NEXT) child->EnableWindow(FALSE);
        }
    }
}

void MoveChildControls(CWnd* window, int dx, int dy) {
    if (!window) return;
    for (CWnd* child = window->GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT)) {
        CRect rect = WindowRectInParent(*child);
        rect.OffsetRect(dx, dy);
        child->MoveWindow(&rect, TRUE);
    }
}

void StepBack() {
    if (CMainFrame* frame = TheMainFrame()) frame->SelectPrevStep();
}

void StepForward() {
    if (CMainFrame* frame = TheMainFrame()) frame->SelectNextStep();
}
