#include "Dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <map>

#include "ListControls.h"
#include "qt/ControlWidgets.h"
#include "qt/GdiAccess.h"
#include "qt/WidgetAccess.h"
#include "qt/WidgetFactory.h"
#include "qt/WindowState.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

namespace {

CDialog::ModalHook& ModalHookSlot() {
    static CDialog::ModalHook hook;
    return hook;
}

// MulDiv of the other system: a * b / c rounded to the nearest integer.
int MulDiv(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    return static_cast<int>(product >= 0 ? (product + c / 2) / c : (product - c / 2) / c);
}

QRect ToQRect(const CRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

}  // namespace

// ---- building from a template ---------------------------------------------------------

CSize DialogBaseUnits(const TemplateFont& font) {
    static std::map<std::pair<std::string, int>, CSize> cache;
    const std::pair<std::string, int> key(font.face ? font.face : "", font.points);
    if (const auto found = cache.find(key); found != cache.end()) return found->second;
    const QFontMetrics metrics(DialogFont(font.face, font.points));
    const int width = (metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 26 + 1) / 2;
    const CSize units(width, metrics.height());
    cache.emplace(key, units);
    return units;
}

CRect DialogUnitsToPixels(const TemplateFont& font, const DlgRect& rect) {
    const CSize units = DialogBaseUnits(font);
    return {MulDiv(rect.x, units.cx, 4), MulDiv(rect.y, units.cy, 8), MulDiv(rect.x + rect.cx, units.cx, 4),
            MulDiv(rect.y + rect.cy, units.cy, 8)};
}

CSize CreateDialogControls(CWnd* host, const DialogTemplate& dialogTemplate) {
    QWidget* client = WidgetOf(host);
    if (!client) return {};
    client->setFont(DialogFont(dialogTemplate.font.face, dialogTemplate.font.points));
    for (const DialogControl& control : dialogTemplate.controls) {
        WindowParams params;
        params.className = control.className;
        params.text = control.text;
        params.style = control.style | WS_CHILD;
        params.exStyle = control.exStyle;
        params.rect = ToQRect(DialogUnitsToPixels(dialogTemplate.font, control.rect));
        params.id = control.id;
        WindowState* state = CreateWindowWidget(params, client);
        if (!control.items.empty())
            if (auto* combo = dynamic_cast<CComboBox*>(state->Primary()))
                for (const CString& item : control.items) combo->AddString(item);
        if (control.imageId != 0)
            if (auto* label = qobject_cast<QLabel*>(state->widget.data()))
                label->setPixmap(LoadResourcePixmap("bitmaps", control.imageId));
    }
    GroupRadioButtons(client);
    const CRect size = DialogUnitsToPixels(dialogTemplate.font, {0, 0, dialogTemplate.size.cx, dialogTemplate.size.cy});
    return {size.Width(), size.Height()};
}

// ---- dialogs --------------------------------------------------------------------------

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_parent(parent) {}

CDialog::CDialog(const DialogTemplate& dialogTemplate, CWnd* parent)
    : m_templateId(dialogTemplate.id), m_ownTemplate(std::make_unique<DialogTemplate>(dialogTemplate)), m_parent(parent) {}

CDialog::~CDialog() = default;

const MessageMap& CDialog::GetMessageMap() const {
    static const MessageMap map(CWnd::GetMessageMap(), {
        OnCommand(IDOK, &CDialog::OnOK),
        OnCommand(IDCANCEL, &CDialog::OnCancel),
    });
    return map;
}

const DialogTemplate* CDialog::Template() const {
    return m_ownTemplate ? m_ownTemplate.get() : FindDialogTemplate(m_templateId);
}

UINT CDialog::GetTemplateId() const { return m_templateId; }

CDialog::ModalHook CDialog::SetModalHook(ModalHook hook) {
    ModalHook previous = std::move(ModalHookSlot());
    ModalHookSlot() = std::move(hook);
    return previous;
}

BOOL CDialog::CreateDialogWindow(CWnd* parent, bool modal) {
    const DialogTemplate* dialogTemplate = Template();
    if (!dialogTemplate || TopWidgetOf(this)) return FALSE;
    QWidget* owner = TopWidgetOf(parent);
    if (!owner && modal) owner = TopWidgetOf(AfxGetMainWnd());
    if (owner) owner = owner->window();

    const DWORD style = (dialogTemplate->style & ~(WS_VISIBLE | WS_CHILD)) | WS_POPUP;
    WindowParams params;
    params.className = "#32770";
    params.text = dialogTemplate->caption;
    params.style = style;
    params.id = static_cast<int>(dialogTemplate->id);
    WindowState* state = CreateWindowWidget(params, owner);
    if (!state) return FALSE;
    state->wrapper = this;
    WndAccess::SetWidget(this, state->widget);

    auto* dialog = static_cast<QDialog*>(state->widget.data());
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (style & WS_SYSMENU) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (style & WS_MINIMIZEBOX) flags |= Qt::WindowMinimizeButtonHint;
    if (style & WS_MAXIMIZEBOX) flags |= Qt::WindowMaximizeButtonHint;
    dialog->setWindowFlags(flags);
    dialog->setWindowTitle(ToQString(dialogTemplate->caption));
    if (modal) dialog->setWindowModality(Qt::ApplicationModal);

    const CSize size = CreateDialogControls(this, *dialogTemplate);
    dialog->resize(size.cx, size.cy);
    // Without a sizing frame the user cannot drag the size; MoveWindow and SetWindowPos still set it.
    if (!(style & WS_THICKFRAME)) dialog->setFixedSize(size.cx, size.cy);
    CenterWindow();

    CREATESTRUCT cs = CREATESTRUCT::For("#32770", dialogTemplate->caption, style, 0, CRect(CPoint(), size), parent, nullptr);
    if (OnCreate(&cs) == -1) {
        DestroyWindow();
        return FALSE;
    }
    return TRUE;
}

void CDialog::InitialFocus() {
    for (CWnd* child = GetWindow(GW_CHILD); child != nullptr; child = child->GetWindow(GW_HWNDNEXT)) {
        QWidget* w = TopWidgetOf(child);
        if ((child->GetStyle() & WS_TABSTOP) && w->isVisibleTo(TopWidgetOf(this)) && child->IsWindowEnabled()) {
            GotoDlgCtrl(child);
            return;
        }
    }
}

INT_PTR CDialog::DoModal() {
    m_ended = false;
    m_result = -1;
    m_modal = true;
    if (!CreateDialogWindow(m_parent, true)) {
        m_modal = false;
        return -1;
    }
    if (OnInitDialog()) InitialFocus();
    if (!m_ended && TopWidgetOf(this)) {
        auto* dialog = static_cast<QDialog*>(TopWidgetOf(this));
        if (ModalHook hook = ModalHookSlot()) {
            dialog->show();
            QApplication::setActiveWindow(dialog);
            hook(*this);
        } else {
            m_inEventLoop = true;
            dialog->exec();
            m_inEventLoop = false;
        }
    }
    const INT_PTR result = m_ended ? m_result : -1;
    if (TopWidgetOf(this)) DestroyWindow();
    m_modal = false;
    return result;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    m_templateId = templateId;
    m_ownTemplate.reset();
    m_parent = parent;
    m_ended = false;
    if (!CreateDialogWindow(parent, false)) return FALSE;
    if (OnInitDialog()) InitialFocus();
    if (const DialogTemplate* dialogTemplate = Template(); dialogTemplate && (dialogTemplate->style & WS_VISIBLE) && TopWidgetOf(this))
        ShowWindow(SW_SHOW);
    return TRUE;
}

BOOL CDialog::CreateIndirect(const DialogTemplate& dialogTemplate, CWnd* parent) {
    m_ownTemplate = std::make_unique<DialogTemplate>(dialogTemplate);
    m_templateId = dialogTemplate.id;
    m_parent = parent;
    m_ended = false;
    if (!CreateDialogWindow(parent, false)) return FALSE;
    if (OnInitDialog()) InitialFocus();
    if ((dialogTemplate.style & WS_VISIBLE) && TopWidgetOf(this)) ShowWindow(SW_SHOW);
    return TRUE;
}

void CDialog::EndDialog(int result) {
    m_result = result;
    m_ended = true;
    auto* dialog = qobject_cast<QDialog*>(TopWidgetOf(this));
    if (!dialog) return;
    if (m_inEventLoop)
        dialog->done(result);
    else
        dialog->hide();
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::OnClose() {
    // The close box is Cancel, unless the dialog's Cancel button is disabled.
    CWnd* cancel = GetDlgItem(IDCANCEL);
    if (cancel && !cancel->IsWindowEnabled()) return;
    SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
}

void CDialog::GotoDlgCtrl(CWnd* control) {
    if (!control) return;
    control->SetFocus();
    QWidget* w = TopWidgetOf(control);
    if (auto* line = qobject_cast<QLineEdit*>(w)) line->selectAll();
    else if (auto* text = qobject_cast<QPlainTextEdit*>(w)) text->selectAll();
}

void CDialog::MapDialogRect(LPRECT rect) const {
    const DialogTemplate* dialogTemplate = Template();
    if (!rect || !dialogTemplate) return;
    *rect = DialogUnitsToPixels(dialogTemplate->font, {rect->left, rect->top, rect->Width(), rect->Height()});
}

BOOL CDialog::PressButton(int id) {
    if (!TopWidgetOf(this) || m_ended) return FALSE;
    if (CWnd* item = GetDlgItem(id)) {
        auto* button = qobject_cast<QAbstractButton*>(TopWidgetOf(item));
        if (!button || !button->isEnabled() || !button->isVisibleTo(TopWidgetOf(this))) return FALSE;
        button->click();
        return TRUE;
    }
    if (id != IDOK && id != IDCANCEL) return FALSE;
    SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id), BN_CLICKED), 0);
    return TRUE;
}

// ---- the program's dialog classes -----------------------------------------------------

namespace {
std::vector<DialogClass>& DialogClassList() {
    static std::vector<DialogClass> classes;
    return classes;
}
}  // namespace

bool RegisterDialogClass(DialogClass dialogClass) {
    DialogClassList().push_back(dialogClass);
    return true;
}

const std::vector<DialogClass>& DialogClasses() { return DialogClassList(); }
