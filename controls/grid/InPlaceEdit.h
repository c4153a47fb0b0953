#pragma once
// The edit field laid over a grid cell while its text is edited. It closes when it loses
// the focus, tells its owner (the grid) the text and the key that ended it with
// GVN_ENDLABELEDIT, and deletes itself.
#include "controls/grid/GridTypes.h"
#include "platform/Controls.h"

// The arrow and page keys: in an editor opened by typing they end the edit and move on.
inline bool IsArrowOrPageKey(UINT key) {
    return key == VK_PRIOR || key == VK_NEXT || key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN;
}

// Sends an editor's end to its owner (the grid): the text and the key that ended the edit.
void NotifyEndLabelEdit(CWnd& editor, int row, int col, const CString& text, UINT lastKey);

// Sets the caret and selection of an edit field just opened over a cell by `firstChar`:
// VK_LBUTTON (a click) or Enter put the caret after the text, Backspace too and then deletes
// the last character; Tab, Space and the page, Home, End and arrow keys select the text. TRUE
// for any other character, which the caller then types to replace the selected text.
BOOL StartFromFirstKey(CEdit& edit, UINT firstChar);

class CGridInPlaceEdit : public CEdit {
public:
    // Opens an editor over rect (parent client pixels) with the focus; nullptr when the window
    // cannot be made. firstChar: VK_LBUTTON when a click opened it, else the key or character
    // typed, which then replaces the text.
    static CGridInPlaceEdit* Open(CWnd* parent, const CRect& rect, DWORD style, UINT id, int row, int col,
                                  const CString& initialText, UINT firstChar);

    void EndEdit();
    BOOL DestroyWindow() override;
    const MessageMap& GetMessageMap() const override;

protected:
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    void OnChar(UINT ch, UINT repeat, UINT flags) override;
    void OnKillFocus(CWnd* newWindow) override;
    UINT OnGetDlgCode() override { return DLGC_WANTALLKEYS; }
    void PostNcDestroy() override { delete this; }

private:
    CGridInPlaceEdit(int row, int col, const CString& initialText, UINT firstChar, const CRect& rect);
    ~CGridInPlaceEdit() override = default;  // the window deletes its object
    BOOL Start(CWnd* parent, DWORD style, UINT id, UINT firstChar);
    // The key ends the edit: it is remembered and the focus goes back to the grid.
    void EndWithKey(UINT key);
    // While typing the field grows to its text, up to the grid's right edge.
    void WidenToText();

    int m_nRow;
    int m_nColumn;
    CString m_sInitText;
    UINT m_nLastChar = 0;
    BOOL m_bExitOnArrows;
    CRect m_Rect;
    BOOL m_bStarted = FALSE;
    BOOL m_bClosing = FALSE;  // the edit has ended and the window is being closed
};
