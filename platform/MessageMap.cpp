#include "MessageMap.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const MessageMapEntry* MessageMap::Find(MessageKind kind, int code, UINT id) const {
    const bool reflected = kind == MessageKind::ReflectedCommand || kind == MessageKind::ReflectedNotify;
    for (const MessageMap* map = this; map != nullptr; map = map->m_base)
        for (const MessageMapEntry& entry : map->m_entries)
            if (entry.kind == kind && entry.code == code && (reflected || (id >= entry.firstId && id <= entry.lastId)))
                return &entry;
    return nullptr;
}

const MessageMap& CCmdTarget::GetMessageMap() const {
    static const MessageMap map;
    return map;
}

BOOL CCmdTarget::DispatchFromMap(MessageKind kind, int code, UINT id, const MessageCall& call) {
    const MessageMapEntry* entry = GetMessageMap().Find(kind, code, id);
    if (entry == nullptr) return FALSE;
    entry->handler(*this, call);
    return TRUE;
}

BOOL CCmdTarget::OnCmdMsg(UINT id, int code, void* extra) {
    MessageCall call;
    call.id = id;
    if (code == CN_UPDATE_COMMAND_UI) {
        call.cmdUI = static_cast<CCmdUI*>(extra);
        return DispatchFromMap(MessageKind::UpdateCommandUI, code, id, call);
    }
    return DispatchFromMap(MessageKind::Command, code, id, call);
}
