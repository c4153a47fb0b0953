#pragma once
// Internal to the framework classes (application, document, frame, views): the pieces of
// command routing they share. A command travels frame -> active view -> its document ->
// application; each stop first looks in its own message map.
#include "MessageMap.h"

// Passed as `extra` with CN_COMMAND: "would you handle this command?" The target answers
// without running the handler.
struct CommandHandlerProbe {};
CommandHandlerProbe* HandlerProbe();
bool IsHandlerProbe(int code, const void* extra);

// The target's own message map only (not its routing): runs the entry, or with the probe
// only says whether there is one.
BOOL DispatchOwnMap(CCmdTarget& target, UINT id, int code, void* extra);

// Whether routing through `target` reaches a handler of the command.
BOOL HasCommandHandler(CCmdTarget& target, UINT id);

// Asks the route through `target` for the user-interface state of `ui.m_nID`. Without an
// update handler the item is disabled when `disableIfNoHandler` and no command handler exists.
void UpdateCommandUI(CCmdTarget& target, CCmdUI& ui, BOOL disableIfNoHandler);
