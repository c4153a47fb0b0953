#include "Menu.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

#include "Wnd.h"
#include "qt/GdiAccess.h"
#include "qt/MenuData.h"

namespace {

const char* const kCommandProperty = "quorin_command";
constexpr UINT kStateBits = MF_GRAYED | MF_DISABLED | MF_CHECKED;

CMenu::PopupHook& Hook() {
    static CMenu::PopupHook hook;
    return hook;
}

}  // namespace

void FillQMenu(QMenu* menu, CMenu& source, const std::function<void(CMenu&)>& update) {
    if (update) update(source);
    menu->clear();
    for (const CMenu::Item& item : source.Items()) {
        const bool enabled = !(item.state & (MF_GRAYED | MF_DISABLED));
        if (item.separator) {
            menu->addSeparator();
        } else if (item.popup) {
            QMenu* sub = menu->addMenu(ToQString(item.text));
            sub->setEnabled(enabled);
            CMenu* popup = item.popup.get();
            QObject::connect(sub, &QMenu::aboutToShow, sub, [sub, popup, update] { FillQMenu(sub, *popup, update); });
        } else {
            QAction* action = menu->addAction(ToQString(item.text));
            SetActionCommand(action, item.id);
            action->setEnabled(enabled);
            if (item.state & MF_CHECKED) {
                action->setCheckable(true);
                action->setChecked(true);
            }
        }
    }
}

UINT CommandOfAction(const QAction* action) { return action ? action->property(kCommandProperty).toUInt() : 0; }

void SetActionCommand(QAction* action, UINT command) { action->setProperty(kCommandProperty, command); }

// ---- CMenu ----------------------------------------------------------------------------

BOOL CMenu::LoadMenu(UINT id) {
    const MenuTemplate* menu = FindMenu(id);
    if (!menu || m_created) return FALSE;
    m_created = true;
    Build(menu->items);
    return TRUE;
}

void CMenu::Build(const std::vector<MenuTemplateItem>& items) {
    for (const MenuTemplateItem& source : items) {
        Item item;
        item.text = source.text;
        item.id = source.id;
        item.state = source.flags & kStateBits;
        item.separator = source.flags & MF_SEPARATOR;
        if (source.flags & MF_POPUP) {
            item.popup = std::make_unique<CMenu>();
            item.popup->m_created = true;
            item.popup->Build(source.items);
        }
        m_items.push_back(std::move(item));
    }
}

BOOL CMenu::CreatePopupMenu() {
    if (m_created) return FALSE;
    m_created = true;
    return TRUE;
}

BOOL CMenu::DestroyMenu() {
    if (!m_created) return FALSE;
    m_items.clear();
    m_created = false;
    return TRUE;
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, LPCTSTR text) {
    if (!m_created) return FALSE;
    Item item;
    item.text = text ? text : "";
    item.state = flags & kStateBits;
    item.separator = flags & MF_SEPARATOR;
    if (flags & MF_POPUP)
        item.popup.reset(reinterpret_cast<CMenu*>(id));
    else
        item.id = static_cast<UINT>(id);
    m_items.push_back(std::move(item));
    return TRUE;
}

CMenu* CMenu::GetSubMenu(int position) const {
    return position >= 0 && position < static_cast<int>(m_items.size()) ? m_items[static_cast<size_t>(position)].popup.get()
                                                                          : nullptr;
}

UINT CMenu::GetMenuItemCount() const { return m_created ? static_cast<UINT>(m_items.size()) : static_cast<UINT>(-1); }

UINT CMenu::GetMenuItemID(int position) const {
    if (position < 0 || position >= static_cast<int>(m_items.size())) return static_cast<UINT>(-1);
    const Item& item = m_items[static_cast<size_t>(position)];
    return item.popup ? static_cast<UINT>(-1) : item.separator ? 0 : item.id;
}

const CMenu::Item* CMenu::Find(UINT item, UINT flags) const {
    if (flags & MF_BYPOSITION) return item < m_items.size() ? &m_items[item] : nullptr;
    for (const Item& entry : m_items) {
        if (entry.popup) {
            if (const Item* found = entry.popup->Find(item, flags)) return found;
        } else if (!entry.separator && entry.id == item) {
            return &entry;
        }
    }
    return nullptr;
}

CMenu::Item* CMenu::Find(UINT item, UINT flags) {
    return const_cast<Item*>(static_cast<const CMenu*>(this)->Find(item, flags));
}

int CMenu::GetMenuString(UINT item, CString& text, UINT flags) const {
    const Item* entry = Find(item, flags);
    text = entry ? entry->text : CString();
    return text.GetLength();
}

UINT CMenu::EnableMenuItem(UINT item, UINT flags) {
    Item* entry = Find(item, flags);
    if (!entry) return static_cast<UINT>(-1);
    const UINT previous = entry->state & (MF_GRAYED | MF_DISABLED);
    entry->state = (entry->state & ~(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
    return previous;
}

UINT CMenu::CheckMenuItem(UINT item, UINT flags) {
    Item* entry = Find(item, flags);
    if (!entry) return static_cast<UINT>(-1);
    const UINT previous = entry->state & MF_CHECKED;
    entry->state = (entry->state & ~MF_CHECKED) | (flags & MF_CHECKED);
    return previous;
}

UINT CMenu::GetMenuState(UINT item, UINT flags) const {
    const Item* entry = Find(item, flags);
    if (!entry) return static_cast<UINT>(-1);
    return entry->state | (entry->separator ? MF_SEPARATOR : 0) | (entry->popup ? MF_POPUP : 0);
}

CMenu::PopupHook CMenu::SetPopupHook(PopupHook hook) {
    PopupHook previous = std::move(Hook());
    Hook() = std::move(hook);
    return previous;
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT) {
    if (!m_created) return FALSE;
    UINT command = 0;
    if (Hook()) {
        command = Hook()(*this, CPoint(x, y));
    } else if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        QMenu menu;
        FillQMenu(&menu, *this, {});
        command = CommandOfAction(menu.exec(QPoint(x, y)));
    }
    if (flags & TPM_RETURNCMD) return static_cast<BOOL>(command);
    if (command != 0 && owner) owner->PostMessage(WM_COMMAND, MAKEWPARAM(command, 0), 0);
    return command != 0;
}
