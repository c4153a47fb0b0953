#pragma once
// Menus shown with Qt: the frame's menu bar and popup menus are filled from a CMenu.
// Private to platform/.
#include <functional>

#include "platform/Menu.h"

class QAction;
class QMenu;

// Fills `menu` afresh with the items of `source`; each action carries its command id.
// Sub-menus are filled the same way when they open. `update` (may be empty) runs on each
// menu just before its items are shown, to bring their states up to date.
void FillQMenu(QMenu* menu, CMenu& source, const std::function<void(CMenu&)>& update);

// The command id an action carries; 0 for others.
UINT CommandOfAction(const QAction* action);
void SetActionCommand(QAction* action, UINT command);
