#pragma once
// Showing, hiding, enabling and disabling several controls of a page or dialog at once;
// ids the window does not have are passed over.
#include <initializer_list>

#include "platform/Wnd.h"

void ShowControls(CWnd* window, std::initializer_list<int> ids, BOOL show);
void EnableControls(CWnd* window, std::initializer_list<int> ids, BOOL enable);
