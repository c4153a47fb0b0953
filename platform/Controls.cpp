#include "Controls.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTextBlock>
#include <QWindow>

#include "qt/ControlWidgets.h"
#include "qt/GdiAccess.h"
#include "qt/TextInput.h"
#include "qt/WidgetAccess.h"
#include "qt/WindowState.h"

IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)

namespace {

template <class W>
W* WidgetAs(const CWnd* wnd) {
    return qobject_cast<W*>(TopWidgetOf(wnd));
}

const char* const kBitmapProperty = "quorin_bitmap";
const char* const kStepProperty = "quorin_step";

}  // namespace

// ---- static ---------------------------------------------------------------------------

BOOL CStatic::Create(LPCTSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("Static", text, style, rect, parent, id);
}

HBITMAP CStatic::SetBitmap(HBITMAP bitmap) {
    auto* label = WidgetAs<QLabel>(this);
    if (!label) return nullptr;
    const HBITMAP previous = GetBitmap();
    const CBitmap* object = CBitmap::FromHandle(bitmap);
    label->setPixmap(object ? QPixmapOf(*object) : QPixmap());
    label->setProperty(kBitmapProperty, QVariant::fromValue(static_cast<void*>(bitmap)));
    return previous;
}

HBITMAP CStatic::GetBitmap() const {
    auto* label = WidgetAs<QLabel>(this);
    return label ? static_cast<HBITMAP>(label->property(kBitmapProperty).value<void*>()) : nullptr;
}

// ---- button ---------------------------------------------------------------------------

BOOL CButton::Create(LPCTSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("Button", caption, style, rect, parent, id);
}

int CButton::GetCheck() const {
    auto* button = WidgetAs<QAbstractButton>(this);
    return button && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void CButton::SetCheck(int check) {
    if (auto* button = WidgetAs<QAbstractButton>(this)) SetButtonChecked(button, check != BST_UNCHECKED);
}

UINT CButton::GetState() const { return static_cast<UINT>(GetCheck()); }

UINT CButton::GetButtonStyle() const { return GetStyle() & 0xFF; }

void CButton::SetButtonStyle(UINT style, BOOL redraw) {
    ModifyStyle(0xFF, style & 0xFF);
    if (redraw) Invalidate();
}

// ---- edit -----------------------------------------------------------------------------

BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("Edit", "", style, rect, parent, id);
}

void CEdit::LimitText(int maxChars) {
    if (QWidget* edit = TopWidgetOf(this)) SetTypingLimit(edit, maxChars);
}

UINT CEdit::GetLimitText() const {
    const int limit = TypingLimitOf(TopWidgetOf(this));
    return limit > 0 ? static_cast<UINT>(limit) : 0x7FFFFFFEu;
}

void CEdit::SetSel(int start, int end, BOOL) {
    if (auto* line = WidgetAs<QLineEdit>(this)) {
        const int length = static_cast<int>(line->text().length());
        if (start < 0) {
            line->deselect();
            return;
        }
        if (end < 0 || end > length) end = length;
        start = std::min(start, length);
        line->setSelection(start, end - start);
    } else if (auto* text = WidgetAs<QPlainTextEdit>(this)) {
        QTextCursor cursor = text->textCursor();
        const int length = static_cast<int>(text->toPlainText().length());
        if (start < 0) {
            cursor.clearSelection();
        } else {
            if (end < 0 || end > length) end = length;
            cursor.setPosition(std::min(start, length));
            cursor.setPosition(end, QTextCursor::KeepAnchor);
        }
        text->setTextCursor(cursor);
    }
}

void CEdit::GetSel(int& start, int& end) const {
    start = end = 0;
    if (auto* line = WidgetAs<QLineEdit>(this)) {
        if (line->hasSelectedText()) {
            start = static_cast<int>(line->selectionStart());
            end = start + static_cast<int>(line->selectedText().length());
        } else {
            start = end = static_cast<int>(line->cursorPosition());
        }
    } else if (auto* text = WidgetAs<QPlainTextEdit>(this)) {
        start = text->textCursor().selectionStart();
        end = text->textCursor().selectionEnd();
    }
}

void CEdit::ReplaceSel(LPCTSTR text, BOOL) {
    if (auto* line = WidgetAs<QLineEdit>(this)) line->insert(ToQString(text));
    else if (auto* edit = WidgetAs<QPlainTextEdit>(this)) edit->insertPlainText(ToQString(text).replace("\r\n", "\n"));
}

BOOL CEdit::SetReadOnly(BOOL readOnly) {
    if (readOnly)
        ModifyStyle(0, ES_READONLY);
    else
        ModifyStyle(ES_READONLY, 0);
    return TopWidgetOf(this) != nullptr;
}

void CEdit::ScrollCaret() {
    if (auto* edit = WidgetAs<QPlainTextEdit>(this)) edit->ensureCursorVisible();
}

void CEdit::Clear() { SendMessage(WM_CLEAR); }

void CEdit::Copy() {
    if (auto* line = WidgetAs<QLineEdit>(this)) line->copy();
    else if (auto* edit = WidgetAs<QPlainTextEdit>(this)) edit->copy();
}

void CEdit::Cut() { SendMessage(WM_CUT); }

void CEdit::Paste() { SendMessage(WM_PASTE); }

CString CEdit::GetPastedText() const {
    const auto* field = dynamic_cast<const PastedText*>(TopWidgetOf(this));
    return FromQString(field ? field->TextToPaste() : QGuiApplication::clipboard()->text());
}

int CEdit::GetLineCount() const {
    if (auto* edit = WidgetAs<QPlainTextEdit>(this)) return edit->document()->blockCount();
    return TopWidgetOf(this) ? 1 : 0;
}

// ---- progress bar ---------------------------------------------------------------------

namespace {
// The bar shows the new position at once: the work that steps it keeps the event loop
// from running until it is done. A window shown just before is not on the screen until
// the window system has answered, which is waited for here (user input stays queued).
void RepaintNow(QProgressBar* bar) {
    if (!bar->isVisible()) return;
    const QWindow* window = bar->window()->windowHandle();
    if (!window || !window->isExposed())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers, 100);
    bar->repaint();
}
}  // namespace

BOOL CProgressCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("msctls_progress32", "", style, rect, parent, id);
}

void CProgressCtrl::SetRange32(int lower, int upper) {
    if (auto* bar = WidgetAs<QProgressBar>(this)) {
        bar->setRange(lower, std::max(lower, upper));
        RepaintNow(bar);
    }
}

void CProgressCtrl::GetRange(int& lower, int& upper) const {
    auto* bar = WidgetAs<QProgressBar>(this);
    lower = bar ? bar->minimum() : 0;
    upper = bar ? bar->maximum() : 0;
}

int CProgressCtrl::SetPos(int position) {
    auto* bar = WidgetAs<QProgressBar>(this);
    if (!bar) return 0;
    const int previous = GetPos();
    bar->setValue(std::clamp(position, bar->minimum(), bar->maximum()));
    RepaintNow(bar);
    return previous;
}

int CProgressCtrl::GetPos() const {
    auto* bar = WidgetAs<QProgressBar>(this);
    return bar ? std::max(bar->value(), bar->minimum()) : 0;
}

int CProgressCtrl::OffsetPos(int delta) { return SetPos(GetPos() + delta); }

int CProgressCtrl::SetStep(int step) {
    QWidget* bar = TopWidgetOf(this);
    if (!bar) return 0;
    const QVariant previous = bar->property(kStepProperty);
    bar->setProperty(kStepProperty, step);
    return previous.isValid() ? previous.toInt() : 10;
}

int CProgressCtrl::StepIt() {
    auto* bar = WidgetAs<QProgressBar>(this);
    if (!bar) return 0;
    const QVariant step = bar->property(kStepProperty);
    int next = GetPos() + (step.isValid() ? step.toInt() : 10);
    if (next > bar->maximum()) next = bar->minimum();  // past the end the bar starts again
    return SetPos(next);
}
