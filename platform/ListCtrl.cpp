#include "ListCtrl.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QListView>
#include <QMouseEvent>
#include <QPointer>
#include <QStandardItemModel>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <utility>

#include "ImageList.h"
#include "qt/ControlWidgets.h"
#include "qt/GdiAccess.h"
#include "qt/ImageListData.h"
#include "qt/WidgetAccess.h"
#include "qt/WindowState.h"

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

namespace {

constexpr int kHoverDelayMs = 400;  // how long the mouse rests on an item before track-select takes it

// The part of the list widget that does not depend on the kind of view.
class ListModel {
public:
    virtual ~ListModel() = default;
    virtual QAbstractItemView* View() = 0;

    QStandardItemModel* model = nullptr;  // owned by the view
    bool report = false;
    bool singleSelection = false;
    DWORD exStyle = 0;
    std::array<CImageList*, 2> images{};
    std::vector<int> formats;  // LVCFMT_ of each column
    int columns = 0;           // columns inserted by the program
    QSize cell;                // of an item in the large-icon view

    bool HasRow(int row) const { return row >= 0 && row < model->rowCount(); }
    QModelIndex Index(int row, int column = 0) const { return model->index(row, column); }

    // The item of a cell, made when the cell has none yet.
    QStandardItem* Cell(int row, int column) {
        QStandardItem* item = model->item(row, column);
        if (!item) {
            item = new QStandardItem;
            item->setEditable(false);
            model->setItem(row, column, item);
        }
        return item;
    }

    Qt::Alignment Alignment(int column) const {
        if (cell.isValid()) return Qt::AlignHCenter | Qt::AlignTop;  // a caption under its large icon
        const int format = column < static_cast<int>(formats.size()) ? formats[static_cast<size_t>(column)] : LVCFMT_LEFT;
        const Qt::Alignment horizontal = format == LVCFMT_RIGHT    ? Qt::AlignRight
                                         : format == LVCFMT_CENTER ? Qt::AlignHCenter
                                                                   : Qt::AlignLeft;
        return horizontal | Qt::AlignVCenter;
    }

    // The icon of a row from the image list of the kind of view (large icons: normal list).
    // With an image list but no such image the place of the icon stays empty.
    void ShowImage(int row) {
        QStandardItem* item = Cell(row, 0);
        const CImageList* list = images[report ? LVSIL_SMALL : LVSIL_NORMAL];
        const ImageListData* data = list ? list->Data() : nullptr;
        QPixmap pixmap = data ? data->Image(item->data(kImageRole).toInt()) : QPixmap();
        if (pixmap.isNull() && data && !data->size.isEmpty()) {
            pixmap = QPixmap(data->size);
            pixmap.fill(Qt::transparent);
        }
        item->setData(pixmap.isNull() ? QVariant() : QVariant(QIcon(pixmap)), Qt::DecorationRole);
        item->setData(cell.isValid() ? QVariant(cell) : QVariant(), Qt::SizeHintRole);
    }

    std::vector<int> SelectedRows() {
        std::vector<int> rows;
        for (const QModelIndex& index : View()->selectionModel()->selectedRows()) rows.push_back(index.row());
        std::sort(rows.begin(), rows.end());
        return rows;
    }

    void Notify(int code, int item, QPoint where) {
        WindowState* state = WindowState::Find(View());
        if (!state || state->dying) return;
        NMITEMACTIVATE info;
        info.iItem = item;
        info.ptAction = CPoint(where.x(), where.y());
        state->NotifyParent(info.hdr, code);
    }
};

// The list widget of either kind, telling the owner of clicks and keys.
template <class Base>
class ListWidget : public Base, public ListModel {
public:
    explicit ListWidget(QWidget* parent) : Base(parent) {
        model = new QStandardItemModel(this);
        Base::setModel(model);
        Base::setEditTriggers(QAbstractItemView::NoEditTriggers);
        Base::setMouseTracking(true);
        m_hover.setSingleShot(true);
        m_hover.setInterval(kHoverDelayMs);
        QObject::connect(&m_hover, &QTimer::timeout, this, [this] { TrackSelect(); });
    }

    QAbstractItemView* View() override { return this; }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        const QPoint where = event->position().toPoint();
        const Qt::MouseButton button = event->button();
        const bool afterDoubleClick = std::exchange(m_doubleClicked, false);
        Base::mouseReleaseEvent(event);
        if (afterDoubleClick) return;  // the second click of a double click was told as NM_DBLCLK
        if (button == Qt::LeftButton) Notify(NM_CLICK, RowAt(where), where);
        if (button == Qt::RightButton) Notify(NM_RCLICK, RowAt(where), where);
    }

    void mouseDoubleClickEvent(QMouseEvent* event) override {
        const QPoint where = event->position().toPoint();
        const bool left = event->button() == Qt::LeftButton;
        Base::mouseDoubleClickEvent(event);
        if (!left) return;
        m_doubleClicked = true;
        Notify(NM_DBLCLK, RowAt(where), where);
    }

    void mouseMoveEvent(QMouseEvent* event) override {
        Base::mouseMoveEvent(event);
        if (!(exStyle & LVS_EX_TRACKSELECT)) return;
        const QModelIndex index = Base::indexAt(event->position().toPoint());
        if (index == m_hoverIndex) return;
        m_hoverIndex = index;
        if (index.isValid())
            m_hover.start();
        else
            m_hover.stop();
    }

    void leaveEvent(QEvent* event) override {
        m_hover.stop();
        m_hoverIndex = QPersistentModelIndex();
        Base::leaveEvent(event);
    }

    void keyPressEvent(QKeyEvent* event) override {
        WindowState* state = WindowState::Find(this);
        if (const UINT vk = VirtualKeyOf(event->key()); vk != 0 && state && !state->dying) {
            NMLVKEYDOWN info;
            info.wVKey = static_cast<WORD>(vk);
            state->NotifyParent(info.hdr, LVN_KEYDOWN);
            // The owner may have destroyed the control: then the key goes no further.
            if (state->dying) {
                event->accept();
                return;
            }
        }
        Base::keyPressEvent(event);
    }

private:
    int RowAt(QPoint where) const {
        const QModelIndex index = Base::indexAt(where);
        return index.isValid() ? index.row() : -1;
    }

    void TrackSelect() {
        if (!m_hoverIndex.isValid()) return;
        const QModelIndex index = model->index(m_hoverIndex.row(), 0);
        Base::selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }

    QTimer m_hover;
    QPersistentModelIndex m_hoverIndex;
    bool m_doubleClicked = false;
};

// Large icons stand in cells wide enough for a word or two under the icon.
void SetLargeIconSize(QListView* view, QSize size) {
    constexpr int kMinimumCellWidth = 96;
    auto* list = dynamic_cast<ListModel*>(view);
    view->setIconSize(size);
    list->cell = QSize(std::max(kMinimumCellWidth, size.width() + 40), size.height() + 2 * view->fontMetrics().height() + 8);
    for (int row = 0; row < list->model->rowCount(); ++row) list->ShowImage(row);
}

QAbstractItemView* MakeListWidget(DWORD style, QWidget* parent) {
    const DWORD kind = style & LVS_TYPEMASK;
    QAbstractItemView* view = nullptr;
    ListModel* list = nullptr;
    if (kind == LVS_REPORT) {
        auto* report = new ListWidget<QTreeView>(parent);
        report->setRootIsDecorated(false);
        report->setUniformRowHeights(true);
        report->setItemsExpandable(false);
        report->setAllColumnsShowFocus(true);
        report->header()->setStretchLastSection(false);
        report->header()->setSectionsMovable(false);
        report->header()->setVisible(!(style & LVS_NOCOLUMNHEADER));
        report->report = true;
        view = report;
        list = report;
    } else {
        auto* icons = new ListWidget<QListView>(parent);
        const bool large = kind == LVS_ICON;
        icons->setViewMode(large ? QListView::IconMode : QListView::ListMode);
        icons->setFlow(large || kind == LVS_SMALLICON ? QListView::LeftToRight : QListView::TopToBottom);
        icons->setWrapping(true);
        icons->setResizeMode(QListView::Adjust);
        icons->setMovement(QListView::Static);
        icons->setWordWrap(true);
        icons->setSpacing(large ? 6 : 2);
        if (large) SetLargeIconSize(icons, QSize(32, 32));
        view = icons;
        list = icons;
    }
    list->singleSelection = style & LVS_SINGLESEL;
    view->setSelectionMode(list->singleSelection ? QAbstractItemView::SingleSelection
                                                 : QAbstractItemView::ExtendedSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setFrameShape(style & WS_BORDER ? QFrame::StyledPanel : QFrame::NoFrame);
    view->setFocusPolicy(Qt::StrongFocus);
    return view;
}

ListModel* ListOf(const CWnd* wnd) {
    if (auto* list = dynamic_cast<ListModel*>(TopWidgetOf(wnd))) return list;
    if (QWidget* client = WidgetOf(wnd))
        for (QObject* child : client->children())
            if (auto* list = dynamic_cast<ListModel*>(child)) return list;
    return nullptr;
}

POSITION ToPosition(int row) { return reinterpret_cast<POSITION>(static_cast<std::uintptr_t>(row + 1)); }
int FromPosition(POSITION position) { return static_cast<int>(reinterpret_cast<std::uintptr_t>(position)) - 1; }

}  // namespace

BOOL CListCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    QWidget* parentClient = WidgetOf(parent);
    if (!parentClient || GetSafeHwnd()) return FALSE;
    QAbstractItemView* view = MakeListWidget(style, parentClient);
    view->setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
    if (!CreateWindowOnWidget(this, view, view->viewport(), "SysListView32", style | WS_CHILD, 0, id)) return FALSE;
    view->setEnabled(!(style & WS_DISABLED));
    view->setVisible(style & WS_VISIBLE);
    return TRUE;
}

void CListCtrl::PreSubclassWindow() {
    QWidget* host = WidgetOf(this);
    if (!host || ListOf(this)) return;
    // A template's list view: the list fills the window made for it.
    QAbstractItemView* view = MakeListWidget(GetStyle() & ~WS_BORDER, host);
    auto* layout = new QVBoxLayout(host);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    view->show();
}

DWORD CListCtrl::GetExtendedStyle() const {
    const ListModel* list = ListOf(this);
    return list ? list->exStyle : 0;
}

DWORD CListCtrl::SetExtendedStyle(DWORD exStyle) {
    ListModel* list = ListOf(this);
    if (!list) return 0;
    return std::exchange(list->exStyle, exStyle);
}

CImageList* CListCtrl::SetImageList(CImageList* images, int kind) {
    ListModel* list = ListOf(this);
    if (!list || kind < LVSIL_NORMAL || kind > LVSIL_SMALL) return nullptr;
    CImageList* previous = std::exchange(list->images[static_cast<size_t>(kind)], images);
    if (const ImageListData* data = images ? images->Data() : nullptr; data && kind == (list->report ? LVSIL_SMALL : LVSIL_NORMAL)) {
        auto* icons = qobject_cast<QListView*>(list->View());
        if (icons && icons->viewMode() == QListView::IconMode)
            SetLargeIconSize(icons, data->size);
        else
            list->View()->setIconSize(data->size);
    }
    for (int row = 0; row < list->model->rowCount(); ++row) list->ShowImage(row);
    return previous;
}

CImageList* CListCtrl::GetImageList(int kind) const {
    const ListModel* list = ListOf(this);
    return list && kind >= LVSIL_NORMAL && kind <= LVSIL_SMALL ? list->images[static_cast<size_t>(kind)] : nullptr;
}

int CListCtrl::InsertColumn(int column, LPCTSTR heading, int format, int width, int) {
    ListModel* list = ListOf(this);
    if (!list || column < 0) return -1;
    column = std::min(column, list->columns);
    // The first column takes the place of the one every item has from the start.
    if (list->columns > 0 || list->model->columnCount() == 0) list->model->insertColumn(column);
    ++list->columns;
    list->formats.insert(list->formats.begin() + column, format);
    const QString text = ToQString(heading);
    list->model->setHeaderData(column, Qt::Horizontal, text, Qt::DisplayRole);
    list->model->setHeaderData(column, Qt::Horizontal, QVariant::fromValue(list->Alignment(column)), Qt::TextAlignmentRole);
    if (auto* report = qobject_cast<QTreeView*>(list->View()))
        report->setColumnWidth(column, width >= 0 ? width : report->fontMetrics().horizontalAdvance(text) + 16);
    return column;
}

BOOL CListCtrl::DeleteColumn(int column) {
    ListModel* list = ListOf(this);
    if (!list || column < 0 || column >= list->columns) return FALSE;
    list->model->removeColumn(column);
    list->formats.erase(list->formats.begin() + column);
    --list->columns;
    return TRUE;
}

BOOL CListCtrl::SetColumnWidth(int column, int width) {
    ListModel* list = ListOf(this);
    auto* report = list ? qobject_cast<QTreeView*>(list->View()) : nullptr;
    if (!report || column < 0 || column >= list->model->columnCount()) return FALSE;
    report->setColumnWidth(column, width);
    return TRUE;
}

int CListCtrl::GetColumnWidth(int column) const {
    ListModel* list = ListOf(this);
    auto* report = list ? qobject_cast<QTreeView*>(list->View()) : nullptr;
    return report && column >= 0 && column < list->model->columnCount() ? report->columnWidth(column) : 0;
}

int CListCtrl::InsertItem(int index, LPCTSTR text) { return InsertItem(index, text, -1); }

int CListCtrl::InsertItem(int index, LPCTSTR text, int image) {
    ListModel* list = ListOf(this);
    if (!list || index < 0) return -1;
    const int row = std::min(index, list->model->rowCount());
    if (list->model->columnCount() == 0) list->model->setColumnCount(1);
    auto* item = new QStandardItem(ToQString(text));
    item->setEditable(false);
    item->setData(QVariant::fromValue<quint64>(0), kItemDataRole);
    item->setData(image, kImageRole);
    item->setData(QVariant::fromValue(list->Alignment(0)), Qt::TextAlignmentRole);
    list->model->insertRow(row, item);
    list->ShowImage(row);
    return row;
}

BOOL CListCtrl::DeleteItem(int item) {
    ListModel* list = ListOf(this);
    return list && list->HasRow(item) && list->model->removeRow(item);
}

BOOL CListCtrl::DeleteAllItems() {
    ListModel* list = ListOf(this);
    if (!list) return FALSE;
    list->model->removeRows(0, list->model->rowCount());
    return TRUE;
}

int CListCtrl::GetItemCount() const {
    const ListModel* list = ListOf(this);
    return list ? list->model->rowCount() : 0;
}

BOOL CListCtrl::SetItemText(int item, int subItem, LPCTSTR text) {
    ListModel* list = ListOf(this);
    if (!list || !list->HasRow(item) || subItem < 0 || subItem >= std::max(1, list->columns)) return FALSE;
    QStandardItem* cell = list->Cell(item, subItem);
    cell->setText(ToQString(text));
    cell->setData(QVariant::fromValue(list->Alignment(subItem)), Qt::TextAlignmentRole);
    return TRUE;
}

CString CListCtrl::GetItemText(int item, int subItem) const {
    ListModel* list = ListOf(this);
    const QStandardItem* cell = list && list->HasRow(item) ? list->model->item(item, subItem) : nullptr;
    return cell ? FromQString(cell->text()) : CString();
}

BOOL CListCtrl::SetItemData(int item, DWORD_PTR data) {
    ListModel* list = ListOf(this);
    if (!list || !list->HasRow(item)) return FALSE;
    list->Cell(item, 0)->setData(QVariant::fromValue<quint64>(data), kItemDataRole);
    return TRUE;
}

DWORD_PTR CListCtrl::GetItemData(int item) const {
    ListModel* list = ListOf(this);
    const QStandardItem* cell = list && list->HasRow(item) ? list->model->item(item, 0) : nullptr;
    return cell ? static_cast<DWORD_PTR>(cell->data(kItemDataRole).toULongLong()) : 0;
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask) {
    ListModel* list = ListOf(this);
    if (!list || !list->HasRow(item)) return FALSE;
    QItemSelectionModel* selection = list->View()->selectionModel();
    const QModelIndex index = list->Index(item);
    if (mask & LVIS_SELECTED) {
        QItemSelectionModel::SelectionFlags flags =
            (state & LVIS_SELECTED) ? QItemSelectionModel::Select : QItemSelectionModel::Deselect;
        if ((state & LVIS_SELECTED) && list->singleSelection) flags = QItemSelectionModel::ClearAndSelect;
        selection->select(index, flags | QItemSelectionModel::Rows);
    }
    if (mask & LVIS_FOCUSED) {
        if (state & LVIS_FOCUSED)
            selection->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        else if (selection->currentIndex().row() == item)
            selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
    return TRUE;
}

UINT CListCtrl::GetItemState(int item, UINT mask) const {
    ListModel* list = ListOf(this);
    if (!list || !list->HasRow(item)) return 0;
    const QItemSelectionModel* selection = list->View()->selectionModel();
    UINT state = 0;
    if (selection->isRowSelected(item, QModelIndex())) state |= LVIS_SELECTED;
    if (selection->currentIndex().isValid() && selection->currentIndex().row() == item) state |= LVIS_FOCUSED;
    return state & mask;
}

UINT CListCtrl::GetSelectedCount() const {
    ListModel* list = ListOf(this);
    return list ? static_cast<UINT>(list->SelectedRows().size()) : 0;
}

POSITION CListCtrl::GetFirstSelectedItemPosition() const {
    ListModel* list = ListOf(this);
    if (!list) return nullptr;
    const std::vector<int> rows = list->SelectedRows();
    return rows.empty() ? nullptr : ToPosition(rows.front());
}

int CListCtrl::GetNextSelectedItem(POSITION& position) const {
    const int item = FromPosition(position);
    position = nullptr;
    if (ListModel* list = ListOf(this))
        for (const int row : list->SelectedRows())
            if (row > item) {
                position = ToPosition(row);
                break;
            }
    return item;
}

int CListCtrl::GetNextItem(int start, int flags) const {
    const int count = GetItemCount();
    for (int row = std::max(start + 1, 0); row < count; ++row) {
        const UINT state = GetItemState(row, LVIS_SELECTED | LVIS_FOCUSED);
        if (((flags & LVNI_SELECTED) && !(state & LVIS_SELECTED)) || ((flags & LVNI_FOCUSED) && !(state & LVIS_FOCUSED)))
            continue;
        return row;
    }
    return -1;
}

BOOL CListCtrl::EnsureVisible(int item, BOOL) {
    ListModel* list = ListOf(this);
    if (!list || !list->HasRow(item)) return FALSE;
    list->View()->scrollTo(list->Index(item));
    return TRUE;
}

BOOL CListCtrl::GetItemRect(int item, LPRECT rect, UINT) const {
    ListModel* list = ListOf(this);
    if (!rect || !list || !list->HasRow(item)) return FALSE;
    QAbstractItemView* view = list->View();
    QRect area;
    for (int column = 0; column < std::max(1, list->model->columnCount()); ++column)
        area = area.united(view->visualRect(list->Index(item, column)));
    const QPoint origin = view->viewport()->mapTo(WidgetOf(this), QPoint(0, 0));
    area.translate(origin);
    *rect = CRect(area.left(), area.top(), area.left() + area.width(), area.top() + area.height());
    return TRUE;
}

int CListCtrl::HitTest(CPoint point, UINT* flags) const {
    ListModel* list = ListOf(this);
    int row = -1;
    if (list) {
        QAbstractItemView* view = list->View();
        const QPoint local = view->viewport()->mapFrom(WidgetOf(this), QPoint(point.x, point.y));
        const QModelIndex index = view->indexAt(local);
        row = index.isValid() ? index.row() : -1;
    }
    if (flags) *flags = row >= 0 ? LVHT_ONITEM : LVHT_NOWHERE;
    return row;
}
