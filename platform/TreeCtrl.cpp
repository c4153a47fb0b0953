#include "TreeCtrl.h"

#include <QIcon>
#include <QTreeWidget>

#include "ImageList.h"
#include "qt/ControlWidgets.h"
#include "qt/GdiAccess.h"
#include "qt/ImageListData.h"
#include "qt/WidgetAccess.h"
#include "qt/WindowState.h"

IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)

namespace {

const char* const kImageListProperty = "quorin_image_list";

QTreeWidget* TreeOf(const CWnd* wnd) { return qobject_cast<QTreeWidget*>(TopWidgetOf(wnd)); }
QTreeWidgetItem* ItemOf(HTREEITEM item) { return reinterpret_cast<QTreeWidgetItem*>(item); }
HTREEITEM HandleOf(QTreeWidgetItem* item) { return reinterpret_cast<HTREEITEM>(item); }

// A handle of an item of this tree; the special handles and items of other trees are refused.
QTreeWidgetItem* CheckedItem(const QTreeWidget* tree, HTREEITEM handle) {
    if (!tree || !handle || handle == TVI_ROOT || handle == TVI_FIRST || handle == TVI_LAST) return nullptr;
    QTreeWidgetItem* item = ItemOf(handle);
    return item->treeWidget() == tree ? item : nullptr;
}

CImageList* ImageListOf(const QTreeWidget* tree) {
    return static_cast<CImageList*>(tree->property(kImageListProperty).value<void*>());
}

void ShowImages(const QTreeWidget* tree, QTreeWidgetItem* item) {
    const CImageList* list = ImageListOf(tree);
    const ImageListData* data = list ? list->Data() : nullptr;
    if (!data) {
        item->setIcon(0, QIcon());
        return;
    }
    QIcon icon(data->Image(item->data(0, kImageRole).toInt()));
    const QPixmap selected = data->Image(item->data(0, kSelectedImageRole).toInt());
    if (!selected.isNull()) icon.addPixmap(selected, QIcon::Selected);
    item->setIcon(0, icon);
}


}  // namespace

BOOL CTreeCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("SysTreeView32", "", style, rect, parent, id);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR text, HTREEITEM parent, HTREEITEM after) {
    return InsertItem(text, 0, 0, parent, after);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR text, int image, int selectedImage, HTREEITEM parent, HTREEITEM after) {
    QTreeWidget* tree = TreeOf(this);
    if (!tree) return nullptr;
    QTreeWidgetItem* parentItem = (parent == nullptr || parent == TVI_ROOT) ? tree->invisibleRootItem() : CheckedItem(tree, parent);
    if (!parentItem) return nullptr;
    int position = parentItem->childCount();
    if (after == TVI_FIRST) {
        position = 0;
    } else if (after != TVI_LAST && after != nullptr) {
        QTreeWidgetItem* sibling = CheckedItem(tree, after);
        if (sibling && sibling->parent() == (parentItem == tree->invisibleRootItem() ? nullptr : parentItem))
            position = parentItem->indexOfChild(sibling) + 1;
    }
    auto* item = new QTreeWidgetItem;
    item->setText(0, ToQString(text));
    item->setData(0, kItemDataRole, QVariant::fromValue<qulonglong>(0));
    item->setData(0, kImageRole, image);
    item->setData(0, kSelectedImageRole, selectedImage);
    parentItem->insertChild(position, item);
    ShowImages(tree, item);
    return HandleOf(item);
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM handle) {
    QTreeWidget* tree = TreeOf(this);
    if (handle == TVI_ROOT) return DeleteAllItems();
    QTreeWidgetItem* item = CheckedItem(tree, handle);
    if (!item) return FALSE;
    const QuietChanges quiet(this);
    delete item;
    return TRUE;
}

BOOL CTreeCtrl::DeleteAllItems() {
    QTreeWidget* tree = TreeOf(this);
    if (!tree) return FALSE;
    const QuietChanges quiet(this);
    tree->clear();
    return TRUE;
}

UINT CTreeCtrl::GetCount() const {
    QTreeWidget* tree = TreeOf(this);
    UINT count = 0;
    if (tree)
        for (QTreeWidgetItemIterator it(tree); *it; ++it) ++count;
    return count;
}

CString CTreeCtrl::GetItemText(HTREEITEM handle) const {
    QTreeWidgetItem* item = CheckedItem(TreeOf(this), handle);
    return item ? FromQString(item->text(0)) : CString();
}

BOOL CTreeCtrl::SetItemText(HTREEITEM handle, LPCTSTR text) {
    QTreeWidgetItem* item = CheckedItem(TreeOf(this), handle);
    if (!item) return FALSE;
    item->setText(0, ToQString(text));
    return TRUE;
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM handle) const {
    QTreeWidgetItem* item = CheckedItem(TreeOf(this), handle);
    return item ? static_cast<DWORD_PTR>(item->data(0, kItemDataRole).toULongLong()) : 0;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM handle, DWORD_PTR data) {
    QTreeWidgetItem* item = CheckedItem(TreeOf(this), handle);
    if (!item) return FALSE;
    item->setData(0, kItemDataRole, QVariant::fromValue<qulonglong>(data));
    return TRUE;
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM handle, int& image, int& selectedImage) const {
    QTreeWidgetItem* item = CheckedItem(TreeOf(this), handle);
    if (!item) return FALSE;
    image = item->data(0, kImageRole).toInt();
    selectedImage = item->data(0, kSelectedImageRole).toInt();
    return TRUE;
}

BOOL CTreeCtrl::SetItemImage(HTREEITEM handle, int image, int selectedImage) {
    QTreeWidget* tree = TreeOf(this);
    QTreeWidgetItem* item = CheckedItem(tree, handle);
    if (!item) return FALSE;
    item->setData(0, kImageRole, image);
    item->setData(0, kSelectedImageRole, selectedImage);
    ShowImages(tree, item);
    return TRUE;
}

HTREEITEM CTreeCtrl::GetRootItem() const {
    QTreeWidget* tree = TreeOf(this);
    return tree && tree->topLevelItemCount() > 0 ? HandleOf(tree->topLevelItem(0)) : nullptr;
}

HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM handle) const { return GetNextItem(handle, TVGN_CHILD); }
HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM handle) const { return GetNextItem(handle, TVGN_NEXT); }
HTREEITEM CTreeCtrl::GetPrevSiblingItem(HTREEITEM handle) const { return GetNextItem(handle, TVGN_PREVIOUS); }
HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM handle) const { return GetNextItem(handle, TVGN_PARENT); }

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM handle, UINT code) const {
    QTreeWidget* tree = TreeOf(this);
    if (!tree) return nullptr;
    if (code == TVGN_ROOT) return GetRootItem();
    if (code == TVGN_CARET) return GetSelectedItem();
    if (code == TVGN_CHILD && (handle == nullptr || handle == TVI_ROOT)) return GetRootItem();
    QTreeWidgetItem* item = CheckedItem(tree, handle);
    if (!item) return nullptr;
    QTreeWidgetItem* parent = item->parent() ? item->parent() : tree->invisibleRootItem();
    const int index = parent->indexOfChild(item);
    switch (code) {
    case TVGN_CHILD: return item->childCount() > 0 ? HandleOf(item->child(0)) : nullptr;
    case TVGN_PARENT: return HandleOf(item->parent());
    case TVGN_NEXT: return index + 1 < parent->childCount() ? HandleOf(parent->child(index + 1)) : nullptr;
    case TVGN_PREVIOUS: return index > 0 ? HandleOf(parent->child(index - 1)) : nullptr;
    default: return nullptr;
    }
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM handle) const {
    QTreeWidgetItem* item = CheckedItem(TreeOf(this), handle);
    return item && item->childCount() > 0;
}

BOOL CTreeCtrl::SelectItem(HTREEITEM handle) {
    QTreeWidget* tree = TreeOf(this);
    if (!tree) return FALSE;
    QTreeWidgetItem* item = CheckedItem(tree, handle);
    if (handle && !item) return FALSE;
    const QuietChanges quiet(this);
    tree->setCurrentItem(item);
    if (item) tree->scrollToItem(item);
    return TRUE;
}

HTREEITEM CTreeCtrl::GetSelectedItem() const {
    QTreeWidget* tree = TreeOf(this);
    return tree ? HandleOf(tree->currentItem()) : nullptr;
}

BOOL CTreeCtrl::Expand(HTREEITEM handle, UINT code) {
    QTreeWidgetItem* item = CheckedItem(TreeOf(this), handle);
    if (!item) return FALSE;
    switch (code & 0x3) {
    case TVE_EXPAND: item->setExpanded(true); break;
    case TVE_COLLAPSE: item->setExpanded(false); break;
    case TVE_TOGGLE: item->setExpanded(!item->isExpanded()); break;
    default: return FALSE;
    }
    return TRUE;
}

BOOL CTreeCtrl::EnsureVisible(HTREEITEM handle) {
    QTreeWidget* tree = TreeOf(this);
    QTreeWidgetItem* item = CheckedItem(tree, handle);
    if (!item) return FALSE;
    for (QTreeWidgetItem* up = item->parent(); up; up = up->parent()) up->setExpanded(true);
    tree->scrollToItem(item);
    return TRUE;
}

HTREEITEM CTreeCtrl::HitTest(CPoint point, UINT* flags) const {
    QTreeWidget* tree = TreeOf(this);
    QTreeWidgetItem* item = tree ? tree->itemAt(QPoint(point.x, point.y)) : nullptr;
    if (flags) *flags = item ? 0x0004u /* on the item */ : 0x0001u /* nowhere */;
    return HandleOf(item);
}

SHORT CTreeCtrl::SetItemHeight(SHORT height) {
    QTreeWidget* tree = TreeOf(this);
    auto* delegate = tree ? dynamic_cast<TreeItemDelegate*>(tree->itemDelegate()) : nullptr;
    if (!delegate) return -1;
    const SHORT previous = GetItemHeight();
    delegate->itemHeight = height > 0 ? height : 0;
    tree->doItemsLayout();
    return previous;
}

SHORT CTreeCtrl::GetItemHeight() const {
    QTreeWidget* tree = TreeOf(this);
    auto* delegate = tree ? dynamic_cast<TreeItemDelegate*>(tree->itemDelegate()) : nullptr;
    if (!delegate) return -1;
    if (delegate->itemHeight > 0) return static_cast<SHORT>(delegate->itemHeight);
    return static_cast<SHORT>(std::max(QFontMetrics(tree->font()).height() + 2, tree->iconSize().height()));
}

CImageList* CTreeCtrl::SetImageList(CImageList* images, int kind) {
    QTreeWidget* tree = TreeOf(this);
    if (!tree || kind != TVSIL_NORMAL) return nullptr;
    CImageList* previous = ImageListOf(tree);
    tree->setProperty(kImageListProperty, QVariant::fromValue(static_cast<void*>(images)));
    int cx = 16, cy = 16;
    if (images && images->GetIconSize(cx, cy)) tree->setIconSize(QSize(cx, cy));
    for (QTreeWidgetItemIterator it(tree); *it; ++it) ShowImages(tree, *it);
    return previous;
}

CImageList* CTreeCtrl::GetImageList(int kind) const {
    QTreeWidget* tree = TreeOf(this);
    return tree && kind == TVSIL_NORMAL ? ImageListOf(tree) : nullptr;
}
