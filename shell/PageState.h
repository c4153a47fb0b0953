#pragma once
// What a page's controls hold, as one text: the texts of edits and lists, the checked
// buttons, the chosen entries and the rows of tables. Two equal texts mean the user changed
// nothing in between; the main frame compares the text taken when a page was prepared with
// the one it has when the page is left, to know whether a form holds unsaved input.
#include "platform/CString.h"

class CWnd;

CString PageControlState(const CWnd& page);
