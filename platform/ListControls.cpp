#include "ListControls.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>

#include "qt/ControlWidgets.h"
#include "qt/GdiAccess.h"
#include "qt/TextInput.h"
#include "qt/WidgetAccess.h"
#include "qt/WidgetFactory.h"
#include "qt/WindowState.h"

IMPLEMENT_DYNAMIC(CComboBox, CWnd)
IMPLEMENT_DYNAMIC(CListBox, CWnd)

namespace {

const char* const kDroppedWidthProperty = "quorin_dropped_width";
const char* const kExtentProperty = "quorin_extent";

// The width a list can be scrolled over horizontally; the bar appears only when the list may
// scroll (WS_HSCROLL) and is narrower than the extent.
void SetListExtent(QAbstractItemView* list, bool mayScroll, int extent) {
    list->setProperty(kExtentProperty, extent);
    const bool scrolls = mayScroll && extent > list->viewport()->width();
    list->setHorizontalScrollBarPolicy(scrolls ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

int ListExtent(const QAbstractItemView* list) { return list ? list->property(kExtentProperty).toInt() : 0; }

// The entries of a combo box or a list box, as rows of its model.
class Entries {
public:
    explicit Entries(QAbstractItemModel* model) : m_model(model) {}
    bool Valid() const { return m_model != nullptr; }
    int Count() const { return m_model ? m_model->rowCount() : 0; }
    bool Has(int index) const { return index >= 0 && index < Count(); }
    QModelIndex At(int index) const { return m_model->index(index, 0); }
    QString Text(int index) const { return Has(index) ? m_model->data(At(index), Qt::DisplayRole).toString() : QString(); }

    DWORD Data(int index) const {
        return Has(index) ? m_model->data(At(index), kItemDataRole).toUInt() : static_cast<DWORD>(CB_ERR);
    }
    int SetData(int index, DWORD data) {
        if (!Has(index)) return CB_ERR;
        m_model->setData(At(index), QVariant::fromValue<quint32>(data), kItemDataRole);
        return 0;
    }

    // Inserts at the index (-1: at the end, or in alphabetical order when sorted).
    int Insert(int index, const QString& text, bool sorted) {
        if (!m_model) return CB_ERR;
        const int count = Count();
        if (sorted) {
            // After the last entry that does not sort after the text: a binary search, since
            // a sorted list only grows through here, so that filling a long list stays fast.
            int low = 0;
            int high = count;
            while (low < high) {
                const int middle = low + (high - low) / 2;
                if (QString::compare(Text(middle), text, Qt::CaseInsensitive) > 0)
                    high = middle;
                else
                    low = middle + 1;
            }
            index = low;
        } else if (index < 0 || index > count) {
            if (index > count) return CB_ERR;
            index = count;
        }
        if (!m_model->insertRow(index)) return CB_ERR;
        m_model->setData(At(index), text, Qt::DisplayRole);
        m_model->setData(At(index), QVariant::fromValue<quint32>(0), kItemDataRole);
        return index;
    }

    int Remove(int index) {
        if (!Has(index)) return CB_ERR;
        m_model->removeRow(index);
        return Count();
    }

    // The first entry after `startAfter`, wrapping round, whose text begins with (or equals)
    // the text, case ignored.
    int Find(int startAfter, const QString& text, bool exact) const {
        const int count = Count();
        if (count == 0 || text.isEmpty()) return CB_ERR;
        const int first = (startAfter < 0 || startAfter >= count) ? 0 : startAfter + 1;
        for (int k = 0; k < count; ++k) {
            const int i = (first + k) % count;
            const QString entry = Text(i);
            if (exact ? entry.compare(text, Qt::CaseInsensitive) == 0 : entry.startsWith(text, Qt::CaseInsensitive))
                return i;
        }
        return CB_ERR;
    }

private:
    QAbstractItemModel* m_model;
};

QComboBox* ComboOf(const CWnd* wnd) { return qobject_cast<QComboBox*>(TopWidgetOf(wnd)); }
QAbstractItemView* ListOf(const CWnd* wnd) { return qobject_cast<QAbstractItemView*>(TopWidgetOf(wnd)); }

Entries ComboEntries(const CWnd* wnd) {
    QComboBox* combo = ComboOf(wnd);
    return Entries(combo ? combo->model() : nullptr);
}
Entries ListEntries(const CWnd* wnd) {
    QAbstractItemView* list = ListOf(wnd);
    return Entries(list ? list->model() : nullptr);
}


int GetTextInto(const Entries& entries, int index, CString& text) {
    if (!entries.Has(index)) return CB_ERR;
    text = FromQString(entries.Text(index));
    return text.GetLength();
}

// A window of its own for a part of a combo box, so that wrappers can attach to it.
CWnd* PartWindow(QWidget* part, WindowKind kind, const char* className, int id) {
    if (!part) return nullptr;
    WindowState* state = WindowState::Of(part);
    if (!state) {
        QWidget* client = part;
        if (auto* view = qobject_cast<QAbstractItemView*>(part)) client = view->viewport();
        state = new WindowState(part, client, kind, className, WS_CHILD | WS_VISIBLE, 0, id);
    }
    return state->Primary();
}

}  // namespace

// ---- combo box ------------------------------------------------------------------------

BOOL CComboBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("ComboBox", "", style, rect, parent, id);
}

int CComboBox::GetCount() const { return ComboEntries(this).Count(); }

int CComboBox::GetCurSel() const {
    QComboBox* combo = ComboOf(this);
    return combo ? combo->currentIndex() : CB_ERR;
}

int CComboBox::SetCurSel(int index) {
    QComboBox* combo = ComboOf(this);
    if (!combo) return CB_ERR;
    const QuietChanges quiet(this);
    if (index < 0 || index >= combo->count()) {
        if (index < 0) {
            combo->setCurrentIndex(-1);
            if (combo->isEditable()) combo->setEditText(QString());
        }
        return CB_ERR;
    }
    combo->setCurrentIndex(index);
    // An open list shows the chosen entry as its current one, which Enter takes.
    if (combo->view()->isVisible()) {
        const QModelIndex entry = combo->model()->index(index, combo->modelColumn());
        combo->view()->setCurrentIndex(entry);
        combo->view()->scrollTo(entry);
    }
    return index;
}

namespace {
// The combo box selects its first entry by itself when one is added to an empty list;
// here a new entry never changes the selection.
int InsertIntoCombo(CComboBox* wnd, int index, LPCTSTR text, bool sorted) {
    QComboBox* combo = ComboOf(wnd);
    if (!combo) return CB_ERR;
    const QuietChanges quiet(wnd);
    const int selected = combo->currentIndex();
    const QString editText = combo->isEditable() ? combo->currentText() : QString();
    const int inserted = Entries(combo->model()).Insert(index, ToQString(text), sorted);
    if (selected < 0 && combo->currentIndex() >= 0) {
        combo->setCurrentIndex(-1);
        if (combo->isEditable()) combo->setEditText(editText);
    }
    return inserted;
}
}  // namespace

int CComboBox::AddString(LPCTSTR text) { return InsertIntoCombo(this, -1, text, (GetStyle() & CBS_SORT) != 0); }

int CComboBox::InsertString(int index, LPCTSTR text) { return InsertIntoCombo(this, index, text, false); }

int CComboBox::DeleteString(UINT index) {
    const QuietChanges quiet(this);
    return ComboEntries(this).Remove(static_cast<int>(index));
}

void CComboBox::ResetContent() {
    if (QComboBox* combo = ComboOf(this)) {
        const QuietChanges quiet(this);
        combo->clear();
        if (combo->isEditable()) combo->setEditText(QString());
    }
}

int CComboBox::GetLBText(int index, CString& text) const { return GetTextInto(ComboEntries(this), index, text); }

CString CComboBox::GetLBText(int index) const { return FromQString(ComboEntries(this).Text(index)); }

int CComboBox::GetLBTextLen(int index) const {
    const Entries entries = ComboEntries(this);
    return entries.Has(index) ? static_cast<int>(entries.Text(index).length()) : CB_ERR;
}

DWORD CComboBox::GetItemData(int index) const { return ComboEntries(this).Data(index); }

int CComboBox::SetItemData(int index, DWORD data) { return ComboEntries(this).SetData(index, data); }

int CComboBox::FindString(int startAfter, LPCTSTR text) const {
    return ComboEntries(this).Find(startAfter, ToQString(text), false);
}

int CComboBox::FindStringExact(int startAfter, LPCTSTR text) const {
    return ComboEntries(this).Find(startAfter, ToQString(text), true);
}

int CComboBox::SelectString(int startAfter, LPCTSTR text) {
    const int found = FindString(startAfter, text);
    if (found != CB_ERR) SetCurSel(found);
    return found;
}

int CComboBox::SetDroppedWidth(UINT width) {
    QComboBox* combo = ComboOf(this);
    if (!combo) return CB_ERR;
    combo->setProperty(kDroppedWidthProperty, static_cast<int>(width));
    combo->view()->setMinimumWidth(static_cast<int>(width));
    return GetDroppedWidth();
}

int CComboBox::GetDroppedWidth() const {
    QComboBox* combo = ComboOf(this);
    if (!combo) return CB_ERR;
    return std::max(combo->property(kDroppedWidthProperty).toInt(), combo->width());
}

void CComboBox::ShowDropDown(BOOL show) {
    if (QComboBox* combo = ComboOf(this)) {
        if (show)
            combo->showPopup();
        else
            combo->hidePopup();
    }
}

int CComboBox::SetItemHeight(int index, UINT height) {
    QComboBox* combo = ComboOf(this);
    if (!combo || index != -1) return CB_ERR;
    SetSelectionFieldHeight(combo, static_cast<int>(height));
    return 0;
}

void CComboBox::SetHorizontalExtent(UINT extent) {
    if (QComboBox* combo = ComboOf(this)) SetListExtent(combo->view(), GetStyle() & WS_HSCROLL, static_cast<int>(extent));
}

UINT CComboBox::GetHorizontalExtent() const {
    QComboBox* combo = ComboOf(this);
    return combo ? static_cast<UINT>(ListExtent(combo->view())) : 0;
}

BOOL CComboBox::GetDroppedState() const {
    QComboBox* combo = ComboOf(this);
    return combo && combo->view()->isVisible();
}

BOOL CComboBox::LimitText(int maxChars) {
    QComboBox* combo = ComboOf(this);
    if (!combo || !combo->lineEdit()) return FALSE;
    SetTypingLimit(combo->lineEdit(), maxChars);
    return TRUE;
}

void CComboBox::SetFieldColours(COLORREF text, COLORREF back) {
    QComboBox* combo = ComboOf(this);
    if (!combo) return;
    for (QWidget* field : {static_cast<QWidget*>(combo), static_cast<QWidget*>(combo->lineEdit())}) {
        if (!field) continue;
        QPalette palette = field->palette();
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(group, QPalette::Text, ToQColor(text));
            palette.setColor(group, QPalette::ButtonText, ToQColor(text));
            palette.setColor(group, QPalette::Base, ToQColor(back));
            palette.setColor(group, QPalette::Button, ToQColor(back));
        }
        field->setPalette(palette);
    }
    // The dropped list is a child of the combo box and would take its colours too.
    QWidget* list = combo->view()->window();
    QPalette usual = QApplication::palette(list);
    usual.setResolveMask(~QPalette::ResolveMask(0));
    list->setPalette(usual);
}

BOOL CComboBox::GetComboBoxInfo(COMBOBOXINFO* info) const {
    QComboBox* combo = ComboOf(this);
    if (!combo || !info) return FALSE;
    info->hwndCombo = GetSafeHwnd();
    info->hwndItem = PartWindow(combo->lineEdit(), WindowKind::Edit, "Edit", 1001);
    info->hwndList = PartWindow(combo->view(), WindowKind::ListBox, "ComboLBox", 1000);
    const int button = combo->height();
    info->rcItem = CRect(0, 0, std::max(0, combo->width() - button), combo->height());
    info->rcButton = CRect(info->rcItem.right, 0, combo->width(), combo->height());
    return TRUE;
}

// ---- list box -------------------------------------------------------------------------

BOOL CListBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("ListBox", "", style, rect, parent, id);
}

int CListBox::GetCount() const { return ListEntries(this).Count(); }

int CListBox::GetCurSel() const {
    QAbstractItemView* list = ListOf(this);
    if (!list || !list->selectionModel()) return LB_ERR;
    const QModelIndexList selected = list->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? LB_ERR : selected.front().row();
}

int CListBox::SetCurSel(int index) {
    QAbstractItemView* list = ListOf(this);
    if (!list) return LB_ERR;
    const QuietChanges quiet(this);
    const Entries entries(list->model());
    if (!entries.Has(index)) {
        list->clearSelection();
        list->setCurrentIndex(QModelIndex());
        return LB_ERR;
    }
    list->setCurrentIndex(entries.At(index));
    list->scrollTo(entries.At(index));
    return index;
}

int CListBox::AddString(LPCTSTR text) { return ListEntries(this).Insert(-1, ToQString(text), (GetStyle() & LBS_SORT) != 0); }

int CListBox::InsertString(int index, LPCTSTR text) { return ListEntries(this).Insert(index, ToQString(text), false); }

int CListBox::DeleteString(UINT index) {
    const QuietChanges quiet(this);
    return ListEntries(this).Remove(static_cast<int>(index));
}

void CListBox::ResetContent() {
    QAbstractItemView* list = ListOf(this);
    if (!list) return;
    const QuietChanges quiet(this);
    list->model()->removeRows(0, list->model()->rowCount());
}

int CListBox::GetText(int index, CString& text) const { return GetTextInto(ListEntries(this), index, text); }

CString CListBox::GetText(int index) const { return FromQString(ListEntries(this).Text(index)); }

int CListBox::GetTextLen(int index) const {
    const Entries entries = ListEntries(this);
    return entries.Has(index) ? static_cast<int>(entries.Text(index).length()) : LB_ERR;
}

DWORD CListBox::GetItemData(int index) const { return ListEntries(this).Data(index); }

int CListBox::SetItemData(int index, DWORD data) { return ListEntries(this).SetData(index, data); }

int CListBox::FindString(int startAfter, LPCTSTR text) const { return ListEntries(this).Find(startAfter, ToQString(text), false); }

int CListBox::FindStringExact(int startAfter, LPCTSTR text) const {
    return ListEntries(this).Find(startAfter, ToQString(text), true);
}

int CListBox::SelectString(int startAfter, LPCTSTR text) {
    const int found = FindString(startAfter, text);
    if (found != LB_ERR) SetCurSel(found);
    return found;
}

void CListBox::SetHorizontalExtent(int extent) {
    if (QAbstractItemView* list = ListOf(this)) SetListExtent(list, GetStyle() & WS_HSCROLL, extent);
}

int CListBox::GetHorizontalExtent() const { return ListExtent(ListOf(this)); }

int CListBox::GetItemRect(int index, LPRECT rect) const {
    QAbstractItemView* list = ListOf(this);
    const Entries entries(list ? list->model() : nullptr);
    if (!rect || !entries.Has(index)) return LB_ERR;
    const QRect r = list->visualRect(entries.At(index));
    *rect = CRect(0, r.top(), list->viewport()->width(), r.top() + r.height());
    return 0;
}

UINT CListBox::ItemFromPoint(CPoint point, BOOL& outside) const {
    QAbstractItemView* list = ListOf(this);
    outside = TRUE;
    if (!list) return 0;
    const QModelIndex index = list->indexAt(QPoint(point.x, point.y));
    if (index.isValid()) {
        outside = FALSE;
        return static_cast<UINT>(index.row());
    }
    const int count = list->model()->rowCount();
    if (count == 0) return 0;
    const QRect last = list->visualRect(list->model()->index(count - 1, 0));
    return point.y >= last.bottom() ? static_cast<UINT>(count - 1) : 0;
}

int CListBox::GetTopIndex() const {
    QAbstractItemView* list = ListOf(this);
    if (!list) return 0;
    const QModelIndex top = list->indexAt(QPoint(1, 1));
    return top.isValid() ? top.row() : 0;
}

int CListBox::SetTopIndex(int index) {
    QAbstractItemView* list = ListOf(this);
    const Entries entries(list ? list->model() : nullptr);
    if (!entries.Has(index)) return LB_ERR;
    list->scrollTo(entries.At(index), QAbstractItemView::PositionAtTop);
    return 0;
}

int CListBox::GetItemHeight(int index) const {
    QAbstractItemView* list = ListOf(this);
    if (!list) return LB_ERR;
    const int height = list->sizeHintForRow(std::max(0, index));
    return height > 0 ? height : QFontMetrics(list->font()).height();
}
