#pragma once
// Message maps: each class keeps a static table of (kind of message, control id,
// notification code, member function) that chains to its base class's table. A class
// overrides GetMessageMap():
//
//     const MessageMap& CMyDialog::GetMessageMap() const {
//         static const MessageMap map(CDialog::GetMessageMap(), {
//             OnClicked(2533, &CMyDialog::OnFindPlace),
//             OnSelChange(2083, &CMyDialog::OnSelchangeCity),
//             OnNotify(2590, NM_DBLCLK, &CMyDialog::OnDblClickGrid),
//         });
//         return map;
//     }
//
// The entry makers below are free functions; a class of the program must therefore not
// declare members with their names (OnCommand, OnNotify, OnClicked...).
#include <functional>
#include <initializer_list>
#include <vector>

#include "CString.h"
#include "Object.h"
#include "WinDefs.h"

class CCmdTarget;

// Tree notification code used by the entry maker below (the tree control's header has the rest).
constexpr int TVN_SELCHANGED = -402;

// Notification codes of routed commands: a plain command and the update of its user interface.
constexpr int CN_COMMAND = 0;
constexpr int CN_UPDATE_COMMAND_UI = -1;

// The state a command's user interface (menu item, toolbar button) is asked to take.
// Menus and toolbars derive from it to apply the answer.
class CCmdUI {
public:
    virtual ~CCmdUI() = default;
    virtual void Enable(BOOL on = TRUE) { m_bEnabled = on; m_bEnableChanged = TRUE; }
    virtual void SetCheck(int check = 1) { m_nCheck = check; }
    virtual void SetText(LPCTSTR text) { m_strText = text; }

    UINT m_nID = 0;
    BOOL m_bEnabled = TRUE;
    BOOL m_bEnableChanged = FALSE;
    int m_nCheck = 0;
    CString m_strText;
};

enum class MessageKind {
    Command,           // WM_COMMAND from a menu, accelerator or control (code = notification)
    Notify,            // WM_NOTIFY from a control to its owner
    ReflectedCommand,  // a control's own WM_COMMAND notification, handled by the control
    ReflectedNotify,   // a control's own WM_NOTIFY, handled by the control
    UpdateCommandUI,   // user-interface state of a command
};

// What a handler is called with; only the fields of its kind are set.
struct MessageCall {
    UINT id = 0;
    NMHDR* notify = nullptr;
    LRESULT* result = nullptr;
    CCmdUI* cmdUI = nullptr;
};

struct MessageMapEntry {
    MessageKind kind;
    int code;
    UINT firstId;
    UINT lastId;
    std::function<void(CCmdTarget&, const MessageCall&)> handler;
};

class MessageMap {
public:
    MessageMap() = default;
    MessageMap(std::initializer_list<MessageMapEntry> entries) : m_entries(entries) {}
    MessageMap(const MessageMap& base, std::initializer_list<MessageMapEntry> entries)
        : m_base(&base), m_entries(entries) {}
    MessageMap(const MessageMap&) = delete;
    MessageMap& operator=(const MessageMap&) = delete;

    // The first entry that answers, this class's entries before its base's.
    const MessageMapEntry* Find(MessageKind kind, int code, UINT id) const;

private:
    const MessageMap* m_base = nullptr;
    std::vector<MessageMapEntry> m_entries;
};

namespace message_map_detail {
template <class T>
MessageMapEntry Entry(MessageKind kind, int code, UINT first, UINT last, void (T::*fn)()) {
    return {kind, code, first, last, [fn](CCmdTarget& t, const MessageCall&) { (static_cast<T&>(t).*fn)(); }};
}
template <class T>
MessageMapEntry Entry(MessageKind kind, int code, UINT id, void (T::*fn)(NMHDR*, LRESULT*)) {
    return {kind, code, id, id,
            [fn](CCmdTarget& t, const MessageCall& c) { (static_cast<T&>(t).*fn)(c.notify, c.result); }};
}
}  // namespace message_map_detail

// A command (menu, accelerator, button click: they share code 0).
template <class T>
MessageMapEntry OnCommand(UINT id, void (T::*fn)()) {
    return message_map_detail::Entry(MessageKind::Command, CN_COMMAND, id, id, fn);
}
// Commands first..last; the handler receives the command id.
template <class T>
MessageMapEntry OnCommandRange(UINT first, UINT last, void (T::*fn)(UINT)) {
    return {MessageKind::Command, CN_COMMAND, first, last,
            [fn](CCmdTarget& t, const MessageCall& c) { (static_cast<T&>(t).*fn)(c.id); }};
}
template <class T>
MessageMapEntry OnUpdateCommandUI(UINT id, void (T::*fn)(CCmdUI*)) {
    return {MessageKind::UpdateCommandUI, CN_UPDATE_COMMAND_UI, id, id,
            [fn](CCmdTarget& t, const MessageCall& c) { (static_cast<T&>(t).*fn)(c.cmdUI); }};
}
// A control notification sent with WM_COMMAND.
template <class T>
MessageMapEntry OnControl(UINT id, int code, void (T::*fn)()) {
    return message_map_detail::Entry(MessageKind::Command, code, id, id, fn);
}
template <class T>
MessageMapEntry OnClicked(UINT id, void (T::*fn)()) { return OnControl(id, BN_CLICKED, fn); }
// Selection change of a combo box or a list box (the two codes are equal).
template <class T>
MessageMapEntry OnSelChange(UINT id, void (T::*fn)()) { return OnControl(id, CBN_SELCHANGE, fn); }
template <class T>
MessageMapEntry OnEnChange(UINT id, void (T::*fn)()) { return OnControl(id, EN_CHANGE, fn); }
template <class T>
MessageMapEntry OnLbnDblclk(UINT id, void (T::*fn)()) { return OnControl(id, LBN_DBLCLK, fn); }
template <class T>
MessageMapEntry OnStnClicked(UINT id, void (T::*fn)()) { return OnControl(id, STN_CLICKED, fn); }
// A WM_NOTIFY notification from the control with that id.
template <class T>
MessageMapEntry OnNotify(UINT id, int code, void (T::*fn)(NMHDR*, LRESULT*)) {
    return message_map_detail::Entry(MessageKind::Notify, code, id, fn);
}
template <class T>
MessageMapEntry OnTvnSelChanged(UINT id, void (T::*fn)(NMHDR*, LRESULT*)) { return OnNotify(id, TVN_SELCHANGED, fn); }
// Notifications a control handles itself before its owner sees them (the owner then does not).
template <class T>
MessageMapEntry OnControlReflect(int code, void (T::*fn)()) {
    return message_map_detail::Entry(MessageKind::ReflectedCommand, code, 0, 0, fn);
}
template <class T>
MessageMapEntry OnNotifyReflect(int code, void (T::*fn)(NMHDR*, LRESULT*)) {
    return message_map_detail::Entry(MessageKind::ReflectedNotify, code, 0, fn);
}

// Base of everything that takes part in command routing: windows, the document, the application.
class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    virtual const MessageMap& GetMessageMap() const;

    // Routes a command (code CN_COMMAND or a control notification) or, with
    // CN_UPDATE_COMMAND_UI and extra = CCmdUI*, a user-interface update through this
    // object's map. TRUE when some entry handled it. Frames override it to pass commands on.
    virtual BOOL OnCmdMsg(UINT id, int code, void* extra);

    // The wait cursor for long work; calls nest.
    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

protected:
    // Calls the handler of the first entry that answers; TRUE when there was one.
    BOOL DispatchFromMap(MessageKind kind, int code, UINT id, const MessageCall& call);
};
