#include "Splitter.h"

#include <QSplitter>

#include <algorithm>

#include "FrameWnd.h"
#include "qt/WidgetAccess.h"
#include "qt/WindowState.h"

IMPLEMENT_DYNAMIC(CSplitterWnd, CWnd)

namespace {

constexpr int kBarWidth = 6;
constexpr int kPanesPerRow = 16;  // pane ids: first + 16 * row + column

QSplitter* SplitterOf(const CWnd* wnd) { return qobject_cast<QSplitter*>(TopWidgetOf(wnd)); }

// The pane number (first + 16 * row + column, less first) of a widget in the splitter.
int PaneNumberOf(const QWidget* widget) {
    const WindowState* state = WindowState::Of(widget);
    return state ? state->id - static_cast<int>(AFX_IDW_PANE_FIRST) : -1;
}

}  // namespace

CSplitterWnd::CSplitterWnd() = default;
CSplitterWnd::~CSplitterWnd() = default;

const MessageMap& CSplitterWnd::GetMessageMap() const {
    static const MessageMap map(CWnd::GetMessageMap(), {});
    return map;
}

BOOL CSplitterWnd::CreateStatic(CWnd* parent, int rows, int cols, DWORD style, UINT id) {
    QWidget* parentClient = WidgetOf(parent);
    if (!parentClient || GetSafeHwnd() || rows < 1 || cols < 1 || (rows > 1 && cols > 1) || rows > kPanesPerRow ||
        cols > kPanesPerRow)
        return FALSE;
    m_rows = rows;
    m_cols = cols;
    m_rowInfo.assign(static_cast<size_t>(rows), Track{});
    m_colInfo.assign(static_cast<size_t>(cols), Track{});
    auto* splitter = new QSplitter(rows == 1 ? Qt::Horizontal : Qt::Vertical, parentClient);
    splitter->setChildrenCollapsible(false);
    splitter->setHandleWidth(kBarWidth);
    if (!CreateWindowOnWidget(this, splitter, splitter, "AfxSplitter", style | WS_CHILD, 0, id)) return FALSE;
    // A dragged bar gives the panes before it their new ideal sizes.
    QObject::connect(splitter, &QSplitter::splitterMoved, splitter, [splitter] {
        if (auto* wnd = dynamic_cast<CSplitterWnd*>(WndOfWidget(splitter))) wnd->RememberDraggedSizes();
    });
    splitter->setVisible(style & WS_VISIBLE);
    return TRUE;
}

BOOL CSplitterWnd::CreateView(int row, int col, const CRuntimeClass* viewClass, SIZE initialSize,
                              CCreateContext* context) {
    QSplitter* splitter = SplitterOf(this);
    if (!splitter || !ValidPane(row, col) || GetPane(row, col)) return FALSE;
    m_colInfo[static_cast<size_t>(col)].ideal = initialSize.cx;
    m_rowInfo[static_cast<size_t>(row)].ideal = initialSize.cy;
    CObject* object = viewClass ? viewClass->CreateObject() : nullptr;
    auto* view = dynamic_cast<CWnd*>(object);
    if (!view) {
        delete object;
        return FALSE;
    }
    const UINT id = static_cast<UINT>(IdFromRowCol(row, col));
    if (!view->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, initialSize.cx, initialSize.cy), this, id,
                      context)) {
        delete view;  // it never got a window, so it cannot delete itself
        return FALSE;
    }
    // Put the pane in its place among the panes there are.
    QWidget* pane = TopWidgetOf(view);
    const int number = PaneIndex(row, col);
    int position = 0;
    for (int i = 0; i < splitter->count(); ++i) {
        QWidget* other = splitter->widget(i);
        if (other != pane && PaneNumberOf(other) >= 0 && PaneIndex(PaneNumberOf(other) / kPanesPerRow,
                                                                    PaneNumberOf(other) % kPanesPerRow) < number)
            ++position;
    }
    splitter->insertWidget(position, pane);
    RecalcLayout();
    return TRUE;
}

void CSplitterWnd::DeleteView(int row, int col) {
    CWnd* pane = GetPane(row, col);
    if (!pane) return;
    if (CFrameWnd* frame = GetParentFrameOf(this); frame && frame->GetActiveView() == pane)
        frame->SetActiveView(nullptr, FALSE);
    pane->DestroyWindow();
}

CWnd* CSplitterWnd::GetPane(int row, int col) const {
    return ValidPane(row, col) ? GetDlgItem(IdFromRowCol(row, col)) : nullptr;
}

int CSplitterWnd::IdFromRowCol(int row, int col) const {
    return static_cast<int>(AFX_IDW_PANE_FIRST) + row * kPanesPerRow + col;
}

BOOL CSplitterWnd::IsChildPane(CWnd* window, int* row, int* col) const {
    if (!window || window->GetParent() != GetSafeHwnd()) return FALSE;
    const int number = window->GetDlgCtrlID() - static_cast<int>(AFX_IDW_PANE_FIRST);
    const int r = number / kPanesPerRow;
    const int c = number % kPanesPerRow;
    if (number < 0 || !ValidPane(r, c)) return FALSE;
    if (row) *row = r;
    if (col) *col = c;
    return TRUE;
}

void CSplitterWnd::SetColumnInfo(int col, int ideal, int minimum) { SetTrackInfo(true, col, ideal, minimum); }
void CSplitterWnd::GetColumnInfo(int col, int& current, int& minimum) const { GetTrackInfo(true, col, current, minimum); }
void CSplitterWnd::SetRowInfo(int row, int ideal, int minimum) { SetTrackInfo(false, row, ideal, minimum); }
void CSplitterWnd::GetRowInfo(int row, int& current, int& minimum) const { GetTrackInfo(false, row, current, minimum); }

void CSplitterWnd::SetTrackInfo(bool column, int index, int ideal, int minimum) {
    std::vector<Track>& tracks = column ? m_colInfo : m_rowInfo;
    if (index >= 0 && index < static_cast<int>(tracks.size())) tracks[static_cast<size_t>(index)] = {ideal, minimum};
}

void CSplitterWnd::GetTrackInfo(bool column, int index, int& current, int& minimum) const {
    current = minimum = 0;
    const std::vector<Track>& tracks = column ? m_colInfo : m_rowInfo;
    if (index < 0 || index >= static_cast<int>(tracks.size())) return;
    const Track& track = tracks[static_cast<size_t>(index)];
    minimum = track.minimum;
    current = track.ideal;
    // Along the splitter a pane has its real size; across it, the splitter's.
    if (column != Horizontal()) return;
    if (const CWnd* pane = column ? GetPane(0, index) : GetPane(index, 0)) {
        CRect rect;
        pane->GetWindowRect(&rect);
        current = column ? rect.Width() : rect.Height();
    }
}

void CSplitterWnd::RecalcLayout() {
    QSplitter* splitter = SplitterOf(this);
    if (!splitter || splitter->count() == 0) return;
    const int count = splitter->count();
    const int length = Horizontal() ? splitter->width() : splitter->height();
    QList<int> sizes;
    int used = 0;
    for (int i = 0; i < count; ++i) {
        splitter->setStretchFactor(i, i == count - 1 ? 1 : 0);
        if (i == count - 1) {
            sizes.append(std::max(0, length - used - (count - 1) * splitter->handleWidth()));
            break;
        }
        const int number = PaneNumberOf(splitter->widget(i));
        const Track& track = Horizontal() ? m_colInfo[static_cast<size_t>(number % kPanesPerRow)]
                                          : m_rowInfo[static_cast<size_t>(number / kPanesPerRow)];
        const int size = std::max(track.ideal, track.minimum);
        sizes.append(size);
        used += size;
    }
    splitter->setSizes(sizes);
}

void CSplitterWnd::RememberDraggedSizes() {
    QSplitter* splitter = SplitterOf(this);
    if (!splitter) return;
    const QList<int> sizes = splitter->sizes();
    for (int i = 0; i + 1 < splitter->count(); ++i) {
        const int number = PaneNumberOf(splitter->widget(i));
        if (number < 0) continue;
        Track& track = Horizontal() ? m_colInfo[static_cast<size_t>(number % kPanesPerRow)]
                                    : m_rowInfo[static_cast<size_t>(number / kPanesPerRow)];
        track.ideal = sizes[i];
    }
}

void CSplitterWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    RecalcLayout();
}

CWnd* CSplitterWnd::GetActivePane(int* row, int* col) const {
    CFrameWnd* frame = GetParentFrameOf(this);
    CView* view = frame ? frame->GetActiveView() : nullptr;
    return view && IsChildPane(view, row, col) ? view : nullptr;
}

void CSplitterWnd::SetActivePane(int row, int col, CWnd* window) {
    CWnd* pane = window ? window : GetPane(row, col);
    if (!pane) return;
    CFrameWnd* frame = GetParentFrameOf(this);
    if (auto* view = dynamic_cast<CView*>(pane); view && frame)
        frame->SetActiveView(view);
    else
        pane->SetFocus();
}

void CSplitterWnd::ActivateNext(BOOL previous) {
    const int count = m_rows * m_cols;
    if (count == 0) return;
    int row = 0;
    int col = 0;
    const int current = GetActivePane(&row, &col) ? PaneIndex(row, col) : (previous ? 0 : count - 1);
    for (int step = 1; step <= count; ++step) {
        const int next = ((current + (previous ? -step : step)) % count + count) % count;
        const int r = Horizontal() ? 0 : next;
        const int c = Horizontal() ? next : 0;
        if (GetPane(r, c)) {
            SetActivePane(r, c);
            return;
        }
    }
}
