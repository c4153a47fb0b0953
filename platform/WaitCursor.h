#pragma once
// The wait cursor over the whole application while long work runs; nested uses stack.
class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    // Shows the wait cursor again after something (a message box) replaced it.
    void Restore();
};

// How many wait cursors are up now.
int WaitCursorDepth();
