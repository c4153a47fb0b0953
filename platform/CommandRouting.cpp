#include "CommandRouting.h"

CommandHandlerProbe* HandlerProbe() {
    static CommandHandlerProbe probe;
    return &probe;
}

bool IsHandlerProbe(int code, const void* extra) { return code == CN_COMMAND && extra == HandlerProbe(); }

BOOL DispatchOwnMap(CCmdTarget& target, UINT id, int code, void* extra) {
    if (IsHandlerProbe(code, extra))
        return target.GetMessageMap().Find(MessageKind::Command, CN_COMMAND, id) != nullptr ? TRUE : FALSE;
    return target.CCmdTarget::OnCmdMsg(id, code, extra);
}

BOOL HasCommandHandler(CCmdTarget& target, UINT id) { return target.OnCmdMsg(id, CN_COMMAND, HandlerProbe()); }

void UpdateCommandUI(CCmdTarget& target, CCmdUI& ui, BOOL disableIfNoHandler) {
    ui.m_bEnableChanged = FALSE;
    if (target.OnCmdMsg(ui.m_nID, CN_UPDATE_COMMAND_UI, &ui)) return;
    if (disableIfNoHandler && !ui.m_bEnableChanged) ui.Enable(HasCommandHandler(target, ui.m_nID));
}
