#pragma once
// The simple standard controls: static texts and pictures, buttons (push buttons, check
// boxes, radio buttons, group boxes), edit fields and the progress bar. Each wraps the
// widget of a template control (through DDX_Control, SubclassDlgItem or GetDlgItem) or
// creates one with Create.
#include "Gdi.h"
#include "Wnd.h"

class CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)
public:
    BOOL Create(LPCTSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id = 0xFFFF);
    // Shows the bitmap (SS_BITMAP statics); returns the previous one. The static shows a
    // copy, so the bitmap object may go.
    HBITMAP SetBitmap(HBITMAP bitmap);
    HBITMAP GetBitmap() const;
};

class CButton : public CWnd {
    DECLARE_DYNAMIC(CButton)
public:
    BOOL Create(LPCTSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    int GetCheck() const;  // BST_UNCHECKED or BST_CHECKED
    void SetCheck(int check);  // no BN_CLICKED, as when the program sets it
    UINT GetState() const;  // the check state
    UINT GetButtonStyle() const;  // the low bits of the style: BS_PUSHBUTTON, BS_GROUPBOX...
    void SetButtonStyle(UINT style, BOOL redraw = TRUE);
};

class CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    // At most `maxChars` characters can be typed or pasted (0: no limit of our own). A
    // text set by the program is never cut.
    void LimitText(int maxChars = 0);
    void SetLimitText(UINT maxChars) { LimitText(static_cast<int>(maxChars)); }
    UINT GetLimitText() const;
    // Selection in characters; (0, -1) selects everything, (-1, ...) removes the selection.
    void SetSel(int start, int end, BOOL noScroll = FALSE);
    void GetSel(int& start, int& end) const;
    void ReplaceSel(LPCTSTR text, BOOL canUndo = FALSE);
    // Read-only keeps the text selectable and copyable (sets ES_READONLY).
    BOOL SetReadOnly(BOOL readOnly = TRUE);
    void ScrollCaret();
    // Clear and Cut take the selection out through the window (WM_CLEAR, WM_CUT), whose
    // handlers may refuse it, as Paste goes through WM_PASTE.
    void Clear();
    void Copy();
    void Cut();
    // Pastes the clipboard text, refusing (with a message) characters that cannot be stored.
    void Paste();
    // The text that a paste brings: while the field handles WM_PASTE, the text on its way
    // (the selection's for a middle click), else the clipboard's.
    CString GetPastedText() const;
    int GetLineCount() const;
};

class CProgressCtrl : public CWnd {
    DECLARE_DYNAMIC(CProgressCtrl)
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    void SetRange(short lower, short upper) { SetRange32(lower, upper); }
    void SetRange32(int lower, int upper);
    void GetRange(int& lower, int& upper) const;
    int SetPos(int position);  // returns the previous position
    int GetPos() const;
    int OffsetPos(int delta);
    int SetStep(int step);  // returns the previous step
    // Advances by the step, starting again from the lower bound past the upper one, and
    // repaints at once, also while no event loop runs.
    int StepIt();
};
