#pragma once
// The editors of the drop-down list and date cells. Like the text cell's editor they end
// on Tab, Enter, Esc or the loss of the focus, tell the grid the text and the key with
// GVN_ENDLABELEDIT, and close, which deletes them.
#include <ctime>

#include "platform/Arrays.h"
#include "platform/Controls.h"
#include "platform/DateTimeCtrl.h"
#include "platform/ListControls.h"

// What the drop-down list and date editors share: the cell they edit, the key that ended the
// edit, ending once, and closing (which deletes the object) after the current message.
template <class Control>
class CGridCellEditor : public Control {
public:
    // Tells the grid the text and the key once, then closes.
    void EndEdit();
    // Destroyed by its caller rather than by its own end, the edit ends first, so that the
    // grid keeps the value and the cell no longer holds an editor that is gone.
    BOOL DestroyWindow() override;
    // A key that ends the edit: remembered, the focus back to the grid.
    void EndWithKey(UINT key);

protected:
    CGridCellEditor(int row, int col) : m_nRow(row), m_nCol(col) {}
    ~CGridCellEditor() override = default;  // the window deletes its object
    // Called once as the edit ends, before the grid is told.
    virtual void OnEnding() {}

    // Arrows and page keys end the edit with Ctrl; Tab, Enter and Esc on their release.
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    void OnKeyUp(UINT key, UINT repeat, UINT flags) override;
    void OnKillFocus(CWnd* newWindow) override;
    UINT OnGetDlgCode() override { return DLGC_WANTALLKEYS; }
    void PostNcDestroy() override { delete this; }

private:
    int m_nRow;
    int m_nCol;
    UINT m_nLastChar = 0;
    BOOL m_bExitOnArrows = FALSE;
    bool m_bEnded = false;
};

// The edit field of the drop-down list's combo box (control 1001), which the grid is given
// as the cell's editor, so that a paste goes into it. The keys that end the edit go on to
// the combo box: Ctrl with an arrow or page key as it is pressed, Tab, Enter and Esc as they
// are released. Its losing the focus ends the edit. Destroying it ends the edit and closes
// the whole list, which is what the grid means by destroying its editor.
class CGridComboEdit : public CEdit {
public:
    static constexpr int kControlId = 1001;

    BOOL DestroyWindow() override;

protected:
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    void OnKeyUp(UINT key, UINT repeat, UINT flags) override;
    void OnChar(UINT ch, UINT repeat, UINT flags) override;
    void OnKillFocus(CWnd* newWindow) override;
    UINT OnGetDlgCode() override { return DLGC_WANTALLKEYS; }
};

// The drop-down list's editor: a combo box over the cell, dropped down, its field in the
// cell's colours. Esc puts the text back. An editable one holds its edit field in a
// CGridComboEdit and is closed as a whole.
class CGridComboList : public CGridCellEditor<CComboBox> {
public:
    static constexpr int kListLines = 4;
    static constexpr int kMaxDropWidth = 200;

    // Opens over the cell rectangle (grid client pixels), dropped down, with the focus;
    // nullptr when the window cannot be made. A colour CLR_DEFAULT is the desktop's.
    static CGridComboList* Open(CWnd* grid, const CRect& rect, DWORD style, UINT id, int row, int col,
                                COLORREF textColour, COLORREF backColour, const CStringArray& options,
                                const CString& initialText, UINT firstChar);
    // The widest option with the scroll bar and a digit's room, at most kMaxDropWidth.
    int DropWidth();
    // The edit field, while it is held; nullptr for a drop-down list without one.
    CGridComboEdit* EditField();
    const MessageMap& GetMessageMap() const override;

protected:
    void OnKeyUp(UINT key, UINT repeat, UINT flags) override;

private:
    CGridComboList(int row, int col, const CString& initialText, COLORREF textColour, COLORREF backColour)
        : CGridCellEditor(row, col), m_sInitText(initialText), m_crForeClr(textColour), m_crBackClr(backColour) {}
    // The field in the cell's colours; a CLR_DEFAULT one stands for the desktop's.
    void ShowCellColours();
    // Every drop-down measures the options again: they may have changed since the last.
    void OnDropDown();

    CString m_sInitText;
    COLORREF m_crForeClr;
    COLORREF m_crBackClr;
    CGridComboEdit m_edit;
};

// The date cell's editor: Esc ends it like Enter, keeping the time chosen.
class CGridDateTimeEdit : public CGridCellEditor<CDateTimeCtrl> {
public:
    static CGridDateTimeEdit* Open(CWnd* grid, const CRect& rect, DWORD style, UINT id, int row, int col,
                                   std::time_t* time, UINT firstChar);

protected:
    void OnEnding() override;  // the time chosen goes into the cell

private:
    CGridDateTimeEdit(int row, int col, std::time_t* time) : CGridCellEditor(row, col), m_pTime(time) {}

    std::time_t* m_pTime;
};
