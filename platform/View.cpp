#include "View.h"

#include <QApplication>
#include <QFrame>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

#include "CommandRouting.h"
#include "CtrlView.h"
#include "DC.h"
#include "Document.h"
#include "FormView.h"
#include "FrameWnd.h"
#include "Splitter.h"
#include "qt/WidgetAccess.h"

IMPLEMENT_DYNAMIC(CView, CWnd)
IMPLEMENT_DYNAMIC(CScrollView, CView)
IMPLEMENT_DYNAMIC(CFormView, CScrollView)
IMPLEMENT_DYNAMIC(CCtrlView, CView)
IMPLEMENT_DYNCREATE(CTreeView, CCtrlView)
IMPLEMENT_DYNCREATE(CListView, CCtrlView)

const CSize CScrollView::sizeDefault(0, 0);

namespace {

// The scrolling surface of a scroll view: the client widget inside is the total size, or
// the visible size where that is larger, so that the view is always filled.
class ScrollViewArea : public QScrollArea {
public:
    explicit ScrollViewArea(QWidget* parent) : QScrollArea(parent) {
        setWidgetResizable(false);
        viewport()->installEventFilter(this);
    }

    void SetSizes(const QSize& total, const QSize& page, const QSize& line) {
        m_total = total;
        m_page = page;
        m_line = line;
        Apply();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == viewport() && event->type() == QEvent::Resize) Apply();
        return QScrollArea::eventFilter(watched, event);
    }

private:
    void Apply() {
        QWidget* client = widget();
        if (!client) return;
        const QSize visible = viewport()->size();
        client->resize(std::max(m_total.width(), visible.width()), std::max(m_total.height(), visible.height()));
        horizontalScrollBar()->setPageStep(std::max(1, m_page.width()));
        verticalScrollBar()->setPageStep(std::max(1, m_page.height()));
        horizontalScrollBar()->setSingleStep(std::max(1, m_line.width()));
        verticalScrollBar()->setSingleStep(std::max(1, m_line.height()));
    }

    QSize m_total;
    QSize m_page;
    QSize m_line;
};

QSize ToQSize(const CSize& size) { return QSize(size.cx, size.cy); }

}  // namespace

// ---- CView ----------------------------------------------------------------------------

CView::CView() = default;

CView::~CView() {
    if (m_pDocument) m_pDocument->RemoveView(this);
}

const MessageMap& CView::GetMessageMap() const {
    static const MessageMap map(CWnd::GetMessageMap(), {
        OnCommandRange(ID_NEXT_PANE, ID_PREV_PANE, &CView::OnNextPaneCmd),
    });
    return map;
}

BOOL CView::OnCmdMsg(UINT id, int code, void* extra) {
    m_currentCommand = id;
    // A handler may destroy this view (a view switch): nothing of it is touched afterwards.
    if (DispatchOwnMap(*this, id, code, extra)) return TRUE;
    return m_pDocument && m_pDocument->OnCmdMsg(id, code, extra);
}

BOOL CView::Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                   CCreateContext* context) {
    QWidget* parentClient = WidgetOf(parent);
    if (!parentClient || GetSafeHwnd()) return FALSE;
    CREATESTRUCT cs =
        CREATESTRUCT::For(className ? className : "AfxFrameOrView", windowName, style, 0, rect, parent, context);
    if (!PreCreateWindow(cs)) return FALSE;

    // A view of controls leaves the border to its control; the others draw it around the client.
    const bool bordered = (cs.style & WS_BORDER) || (cs.dwExStyle & WS_EX_CLIENTEDGE);
    const QFrame::Shape shape = bordered ? QFrame::StyledPanel : QFrame::NoFrame;
    QWidget* widget = nullptr;
    QWidget* client = nullptr;
    if (dynamic_cast<CScrollView*>(this)) {
        auto* area = new ScrollViewArea(parentClient);
        area->setFrameShape(shape);
        area->setFrameShadow(QFrame::Sunken);
        client = new QWidget;
        area->setWidget(client);
        widget = area;
    } else if (dynamic_cast<CCtrlView*>(this)) {
        widget = client = new QWidget(parentClient);
    } else {
        auto* frame = new QFrame(parentClient);
        frame->setFrameShape(shape);
        frame->setFrameShadow(QFrame::Sunken);
        client = new QWidget(frame);
        auto* layout = new QVBoxLayout(frame);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(client);
        widget = frame;
    }
    // Drawing views stand on the window colour, form views on the dialog colour.
    if (!dynamic_cast<CCtrlView*>(this)) {
        // A form's controls take the keyboard, not the form between them.
        const bool form = dynamic_cast<CFormView*>(this) != nullptr;
        client->setAutoFillBackground(true);
        client->setBackgroundRole(form ? QPalette::Window : QPalette::Base);
        client->setFocusPolicy(form ? Qt::NoFocus : Qt::StrongFocus);
        if (widget != client) widget->setFocusProxy(client);
    }
    widget->setGeometry(cs.x, cs.y, cs.cx, cs.cy);
    if (!CreateWindowOnWidget(this, widget, client, cs.lpszClass, cs.style | WS_CHILD, cs.dwExStyle, id, context))
        return FALSE;
    widget->setVisible(cs.style & WS_VISIBLE);
    return TRUE;
}

BOOL CView::PreCreateWindow(CREATESTRUCT&) { return TRUE; }

int CView::OnCreate(LPCREATESTRUCT createStruct) {
    if (CWnd::OnCreate(createStruct) == -1) return -1;
    const auto* context = static_cast<const CCreateContext*>(createStruct->lpCreateParams);
    if (context && context->m_pCurrentDoc) context->m_pCurrentDoc->AddView(this);
    return 0;
}

void CView::OnDestroy() {
    if (CFrameWnd* frame = GetParentFrame(); frame && frame->GetActiveView() == this) frame->SetActiveView(nullptr, FALSE);
    CWnd::OnDestroy();
}

void CView::PostNcDestroy() { delete this; }

CFrameWnd* CView::GetParentFrame() const {
    for (CWnd* wnd = GetParent(); wnd != nullptr; wnd = wnd->GetParent())
        if (auto* frame = dynamic_cast<CFrameWnd*>(wnd)) return frame;
    return nullptr;
}

CSplitterWnd* CView::GetParentSplitter() const { return dynamic_cast<CSplitterWnd*>(GetParent()); }

void CView::OnInitialUpdate() { OnUpdate(nullptr, 0, nullptr); }

void CView::OnUpdate(CView*, LPARAM, CObject*) { Invalidate(TRUE); }

void CView::OnActivateView(BOOL activate, CView* activateView, CView*) {
    if (!activate || activateView != this) return;
    QWidget* top = TopWidgetOf(this);
    QWidget* focus = QApplication::focusWidget();
    if (top && !(focus && (focus == top || top->isAncestorOf(focus)))) SetFocus();
}

void CView::OnPrepareDC(CDC*, CPrintInfo*) {}

void CView::OnPaint() {
    // WM_PAINT sent by code (not the window system's paint): paint now.
    if (!IsInPaintEvent(this)) {
        RedrawWindow();
        return;
    }
    CPaintDC dc(this);
    OnPrepareDC(&dc, nullptr);
    OnDraw(&dc);
}

// ---- printing -------------------------------------------------------------------------

CPrintJob CView::MakePrintJob() {
    CPrintJob job;
    if (m_pDocument) job.title = m_pDocument->GetTitle();
    job.beginPrinting = [this](CDC* dc, CPrintInfo* info) { OnBeginPrinting(dc, info); };
    job.printPage = [this](CDC* dc, CPrintInfo* info) {
        OnPrepareDC(dc, info);
        OnPrint(dc, info);
    };
    job.endPrinting = [this](CDC* dc, CPrintInfo* info) { OnEndPrinting(dc, info); };
    return job;
}

void CView::OnFilePrint() {
    CPrintInfo info;
    info.m_bDirect = m_currentCommand == ID_FILE_PRINT_DIRECT;
    if (!OnPreparePrinting(&info)) return;
    PrintJob(MakePrintJob(), &info);
}

void CView::OnFilePrintPreview() {
    CPrintInfo info;
    info.m_bPreview = TRUE;
    info.m_bDirect = TRUE;
    if (!OnPreparePrinting(&info)) return;
    PrintPreview(this, MakePrintJob());
}

BOOL CView::OnPreparePrinting(CPrintInfo* info) { return DoPreparePrinting(info); }
BOOL CView::DoPreparePrinting(CPrintInfo* info) { return ::DoPreparePrinting(this, info); }
void CView::OnBeginPrinting(CDC*, CPrintInfo*) {}
void CView::OnPrint(CDC* dc, CPrintInfo*) { OnDraw(dc); }
void CView::OnEndPrinting(CDC*, CPrintInfo*) {}

void CView::OnNextPaneCmd(UINT id) {
    if (CSplitterWnd* splitter = GetParentSplitter()) splitter->ActivateNext(id == ID_PREV_PANE);
}

// ---- CScrollView ----------------------------------------------------------------------

void CScrollView::SetScrollSizes(int mapMode, SIZE total, const SIZE& page, const SIZE& line) {
    m_nMapMode = mapMode;
    m_totalLog = total;
    m_pageDev = page;
    if (m_pageDev.cx == 0) m_pageDev.cx = total.cx / 10;
    if (m_pageDev.cy == 0) m_pageDev.cy = total.cy / 10;
    m_lineDev = line;
    if (m_lineDev.cx == 0) m_lineDev.cx = m_pageDev.cx / 10;
    if (m_lineDev.cy == 0) m_lineDev.cy = m_pageDev.cy / 10;
    ApplyScrollSizes();
}

void CScrollView::ApplyScrollSizes() {
    if (auto* area = dynamic_cast<ScrollViewArea*>(TopWidgetOf(this)))
        area->SetSizes(ToQSize(m_totalLog), ToQSize(m_pageDev), ToQSize(m_lineDev));
}

void CScrollView::GetDeviceScrollSizes(int& mapMode, SIZE& total, SIZE& page, SIZE& line) const {
    mapMode = m_nMapMode;
    total = m_totalLog;
    page = m_pageDev;
    line = m_lineDev;
}

CPoint CScrollView::GetScrollPosition() const {
    const auto* area = dynamic_cast<const ScrollViewArea*>(TopWidgetOf(this));
    return area ? CPoint(area->horizontalScrollBar()->value(), area->verticalScrollBar()->value()) : CPoint(0, 0);
}

void CScrollView::ScrollToPosition(POINT position) {
    if (auto* area = dynamic_cast<ScrollViewArea*>(TopWidgetOf(this))) {
        area->horizontalScrollBar()->setValue(position.x);
        area->verticalScrollBar()->setValue(position.y);
    }
}

// ---- CFormView ------------------------------------------------------------------------

CFormView::CFormView(UINT templateId) : m_templateId(templateId) {}

BOOL CFormView::Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                       CCreateContext* context) {
    const DialogTemplate* dialogTemplate = FindDialogTemplate(m_templateId);
    if (!dialogTemplate) return FALSE;
    if (!CScrollView::Create(className, windowName, style, rect, parent, id, context)) return FALSE;
    SetScrollSizes(MM_TEXT, CreateDialogControls(this, *dialogTemplate));
    return TRUE;
}

void CFormView::OnInitialUpdate() {
    UpdateData(FALSE);
    CScrollView::OnInitialUpdate();
}

// ---- CCtrlView ------------------------------------------------------------------------

namespace {
constexpr DWORD kControlStyleBits = 0xFFFF | WS_BORDER;
}  // namespace

int CCtrlView::OnCreate(LPCREATESTRUCT createStruct) {
    if (CView::OnCreate(createStruct) == -1) return -1;
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (createStruct->style & kControlStyleBits);
    if (!CreateControl(style, CRect(0, 0, createStruct->cx, createStruct->cy), static_cast<UINT>(GetDlgCtrlID())))
        return -1;
    // The keyboard focus of the view is the control's.
    if (QWidget* view = TopWidgetOf(this)) view->setFocusProxy(TopWidgetOf(&GetControl()));
    return 0;
}

void CCtrlView::OnSize(UINT type, int cx, int cy) {
    CView::OnSize(type, cx, cy);
    GetControl().MoveWindow(0, 0, cx, cy);
}

void CCtrlView::OnPaint() { Default(); }

DWORD CCtrlView::GetStyle() const {
    const CWnd& control = const_cast<CCtrlView*>(this)->GetControl();
    return (CView::GetStyle() & ~kControlStyleBits) | (control.GetStyle() & kControlStyleBits);
}

BOOL CCtrlView::ModifyStyle(DWORD remove, DWORD add, UINT flags) {
    const BOOL view = CView::ModifyStyle(remove & ~kControlStyleBits, add & ~kControlStyleBits, flags);
    const BOOL control = GetControl().ModifyStyle(remove & kControlStyleBits, add & kControlStyleBits, flags);
    return view || control;
}

LRESULT CCtrlView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // The control's notifications come to the view's reflected entries first.
    if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header && header->hwndFrom == &GetControl()) {
            LRESULT result = 0;
            MessageCall call;
            call.id = static_cast<UINT>(header->idFrom);
            call.notify = header;
            call.result = &result;
            if (DispatchFromMap(MessageKind::ReflectedNotify, header->code, 0, call)) return result;
        }
    } else if (message == WM_COMMAND && reinterpret_cast<CWnd*>(lParam) == &GetControl()) {
        MessageCall call;
        call.id = LOWORD(wParam);
        if (DispatchFromMap(MessageKind::ReflectedCommand, static_cast<SHORT>(HIWORD(wParam)), 0, call)) return 0;
    }
    return CView::WindowProc(message, wParam, lParam);
}
