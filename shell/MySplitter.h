#pragma once
// The main window's splitter: the workflow tree on the left, one view at a time on the
// right. The right view is replaced by destroying it (a page saves on the way) and creating
// a view of another class in its place, on the same document.
#include "platform/Splitter.h"

class CMySplitter : public CSplitterWnd {
public:
    // TRUE when the pane now holds a new view of the class (not yet prepared). FALSE, and
    // nothing changes, when the pane's view is of that class or of one registered under it.
    BOOL ReplaceView(int row, int col, const CRuntimeClass* viewClass, SIZE size);
};
