#include "ToolTipCtrl.h"

#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <vector>

#include "qt/GdiAccess.h"
#include "qt/WidgetAccess.h"
#include "qt/WindowState.h"

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

namespace {

const char* const kDataProperty = "quorin_tip_data";

// How long the mouse rests before a hover tip shows, as the desktop's tooltips do.
constexpr int kHoverDelayMs = 500;

struct Tool {
    QPointer<QWidget> window;
    UINT_PTR id = 0;
    QString text;
    CRect rect;
    UINT flags = 0;
};

// The tools and state of a tip window, kept with its widget.
class TipData : public QObject {
public:
    explicit TipData(QLabel* label) : QObject(label), label(label) {
        label->setProperty(kDataProperty, QVariant::fromValue(static_cast<void*>(this)));
        hover.setSingleShot(true);
        QObject::connect(&hover, &QTimer::timeout, this, [this] { ShowHoverTip(); });
    }

    Tool* FindTool(const QWidget* window, UINT_PTR id) {
        for (Tool& tool : tools)
            if (tool.window == window && tool.id == id) return &tool;
        return nullptr;
    }

    void Show(const QString& text, const QPoint& at) {
        label->setText(text);
        label->adjustSize();
        label->move(at);
        label->show();
        label->raise();
    }

    void ShowHoverTip() {
        if (Tool* tool = FindTool(pendingWindow, pendingId); tool && active) Show(tool->text, pendingPoint + QPoint(0, 20));
    }

    QLabel* label;
    std::vector<Tool> tools;
    bool active = true;
    QPoint trackPoint;
    QTimer hover;
    QPointer<QWidget> pendingWindow;
    UINT_PTR pendingId = 0;
    QPoint pendingPoint;
    COLORREF background = RGB(255, 255, 225);
    COLORREF text = RGB(0, 0, 0);
};

QLabel* LabelOf(const CWnd* wnd) { return qobject_cast<QLabel*>(TopWidgetOf(wnd)); }

TipData* DataOf(const CWnd* wnd) {
    QLabel* label = LabelOf(wnd);
    return label ? static_cast<TipData*>(label->property(kDataProperty).value<void*>()) : nullptr;
}

void ApplyColours(TipData* data) {
    QPalette palette = data->label->palette();
    palette.setColor(QPalette::Window, ToQColor(data->background));
    palette.setColor(QPalette::WindowText, ToQColor(data->text));
    data->label->setPalette(palette);
}

}  // namespace

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style) {
    if (!CWnd::CreateEx(WS_EX_TOPMOST, "tooltips_class32", "", WS_POPUP | WS_BORDER | style, CRect(0, 0, 0, 0), parent, 0))
        return FALSE;
    QLabel* label = LabelOf(this);
    auto* data = new TipData(label);
    label->setAutoFillBackground(true);
    label->setMargin(2);
    ApplyColours(data);
    return TRUE;
}

BOOL CToolTipCtrl::AddTool(CWnd* window, LPCTSTR text, LPCRECT rect, UINT_PTR toolId, UINT flags) {
    TipData* data = DataOf(this);
    if (!data || !window) return FALSE;
    Tool tool;
    tool.window = TopWidgetOf(window);
    tool.id = toolId;
    tool.text = ToQString(text);
    if (rect) tool.rect = *rect;
    tool.flags = flags;
    data->tools.push_back(tool);
    return TRUE;
}

void CToolTipCtrl::DelTool(CWnd* window, UINT_PTR toolId) {
    TipData* data = DataOf(this);
    if (!data) return;
    QWidget* w = TopWidgetOf(window);
    std::erase_if(data->tools, [&](const Tool& tool) { return tool.window == w && tool.id == toolId; });
}

void CToolTipCtrl::UpdateTipText(LPCTSTR text, CWnd* window, UINT_PTR toolId) {
    TipData* data = DataOf(this);
    Tool* tool = data ? data->FindTool(TopWidgetOf(window), toolId) : nullptr;
    if (!tool) return;
    tool->text = ToQString(text);
    if (data->label->isVisible()) {
        data->label->setText(tool->text);
        data->label->adjustSize();
    }
}

int CToolTipCtrl::GetToolCount() const {
    TipData* data = DataOf(this);
    return data ? static_cast<int>(data->tools.size()) : 0;
}

void CToolTipCtrl::SetTipBkColor(COLORREF colour) {
    if (TipData* data = DataOf(this)) {
        data->background = colour;
        ApplyColours(data);
    }
}

void CToolTipCtrl::SetTipTextColor(COLORREF colour) {
    if (TipData* data = DataOf(this)) {
        data->text = colour;
        ApplyColours(data);
    }
}

COLORREF CToolTipCtrl::GetTipBkColor() const {
    TipData* data = DataOf(this);
    return data ? data->background : 0;
}

COLORREF CToolTipCtrl::GetTipTextColor() const {
    TipData* data = DataOf(this);
    return data ? data->text : 0;
}

int CToolTipCtrl::SetMaxTipWidth(int width) {
    QLabel* label = LabelOf(this);
    if (!label) return -1;
    const int previous = label->maximumWidth();
    label->setMaximumWidth(width > 0 ? width : QWIDGETSIZE_MAX);
    label->setWordWrap(width > 0 && width < QWIDGETSIZE_MAX);
    return previous;
}

void CToolTipCtrl::SetMargin(LPCRECT margins) {
    QLabel* label = LabelOf(this);
    if (!label || !margins) return;
    const int normal = 2;
    label->setContentsMargins(std::max(0, normal + margins->left) - normal, std::max(0, normal + margins->top) - normal,
                              std::max(0, normal + margins->right) - normal, std::max(0, normal + margins->bottom) - normal);
}

void CToolTipCtrl::Activate(BOOL activate) {
    TipData* data = DataOf(this);
    if (!data) return;
    data->active = activate;
    if (!activate) {
        data->hover.stop();
        data->label->hide();
    }
}

void CToolTipCtrl::TrackPosition(int x, int y) {
    TipData* data = DataOf(this);
    if (!data) return;
    data->trackPoint = QPoint(x, y);
    if (data->label->isVisible()) data->label->move(data->trackPoint);
}

void CToolTipCtrl::TrackActivate(BOOL activate, CWnd* window, UINT_PTR toolId) {
    TipData* data = DataOf(this);
    if (!data) return;
    Tool* tool = data->FindTool(TopWidgetOf(window), toolId);
    if (activate && tool)
        data->Show(tool->text, data->trackPoint);
    else
        data->label->hide();
}

void CToolTipCtrl::RelayEvent(LPMSG msg) {
    TipData* data = DataOf(this);
    if (!data || !msg || !msg->hwnd) return;
    QWidget* window = TopWidgetOf(msg->hwnd);
    if (msg->message == WM_LBUTTONDOWN || msg->message == WM_RBUTTONDOWN || msg->message == WM_LBUTTONUP) {
        data->hover.stop();
        data->label->hide();
        return;
    }
    if (msg->message != WM_MOUSEMOVE) return;
    const CPoint client(GET_X_LPARAM(msg->lParam), GET_Y_LPARAM(msg->lParam));
    CRect area;
    msg->hwnd->GetClientRect(&area);
    for (const Tool& tool : data->tools) {
        if (tool.window != window || (tool.flags & TTF_TRACK)) continue;
        if (!(tool.rect.IsRectEmpty() ? area : tool.rect).PtInRect(client)) continue;
        if (data->label->isVisible() && data->pendingWindow == window && data->pendingId == tool.id) return;
        data->pendingWindow = window;
        data->pendingId = tool.id;
        data->pendingPoint = QPoint(msg->pt.x, msg->pt.y);
        if (data->active) data->hover.start(kHoverDelayMs);
        return;
    }
    data->hover.stop();
    data->label->hide();
}

void CToolTipCtrl::Pop() {
    if (TipData* data = DataOf(this)) {
        data->hover.stop();
        data->label->hide();
    }
}

BOOL CToolTipCtrl::IsTipShown() const {
    QLabel* label = LabelOf(this);
    return label && label->isVisible();
}

CString CToolTipCtrl::GetShownText() const {
    QLabel* label = LabelOf(this);
    return label && label->isVisible() ? FromQString(label->text()) : CString();
}
