#pragma once
// The table control of every page, list and dialog that shows rows. It keeps rows of cells
// (or, in virtual mode, asks its owner for them), draws only what is visible through the
// platform's CDC, runs its own scroll bars, keeps a selection and a focus cell, and tells
// its owner what the user does with WM_NOTIFY (NM_GRIDVIEW payload, codes in GridTypes.h).
//
// Typical use by a window: construct with no rows or columns; InsertColumn for each heading;
// SetFixedRowCount(1); SetColumnWidth; ExpandLastColumn; SetSingleRowSelection(TRUE);
// SetEditable(FALSE); SetListMode(TRUE); then InsertRow / SetItemText / SetItemData per row.
#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

#include "controls/grid/GridCell.h"
#include "controls/grid/GridDropTarget.h"
#include "controls/grid/GridSizeArray.h"
#include "controls/grid/GridTypes.h"
#include "controls/grid/TitleTip.h"
#include "platform/Printing.h"
#include "platform/ScrollBars.h"
#include "platform/Wnd.h"

#include "platform/ImageList.h"
class CDC;

// Compares two cells for sorting: below 0, 0 or above 0.
using GRIDCOMPARE = int (*)(const CGridCellBase* cell1, const CGridCellBase* cell2, LPARAM data);

// Control id of the in-place editor inside the grid.
constexpr UINT IDC_INPLACE_CONTROL = 8;

class CGridCtrl : public CWnd {
    DECLARE_DYNCREATE(CGridCtrl)
public:
    explicit CGridCtrl(int rows = 0, int cols = 0, int fixedRows = 0, int fixedCols = 0);
    ~CGridCtrl() override;

    using CWnd::Create;
    BOOL Create(const RECT& rect, CWnd* parent, UINT id, DWORD style = WS_CHILD | WS_BORDER | WS_TABSTOP | WS_VISIBLE);
    const MessageMap& GetMessageMap() const override;

    // ---- structure -----------------------------------------------------------------------
    int GetRowCount() const { return m_nRows; }
    int GetColumnCount() const { return m_nCols; }
    int GetFixedRowCount() const { return m_nFixedRows; }
    int GetFixedColumnCount() const { return m_nFixedCols; }
    BOOL SetRowCount(int rows);
    BOOL SetColumnCount(int cols);
    BOOL SetFixedRowCount(int fixedRows);
    BOOL SetFixedColumnCount(int fixedCols);

    // position -1 appends. The format goes to the cells the column has now (the heading).
    int InsertColumn(LPCTSTR heading, UINT format = DT_CENTER, int column = -1);
    int InsertRow(LPCTSTR heading, int row = -1);
    BOOL DeleteRow(int row);
    BOOL DeleteNonFixedRows();
    BOOL DeleteAllItems();

    CGridCellBase* GetCell(int row, int col) const;
    CGridCellBase* GetDefaultCell(BOOL fixedRow, BOOL fixedCol) const;
    BOOL IsValid(int row, int col) const { return row >= 0 && row < m_nRows && col >= 0 && col < m_nCols; }
    BOOL IsValid(const CCellID& cell) const { return IsValid(cell.row, cell.col); }
    BOOL IsValid(const CCellRange& range) const;
    // The class of the cells the grid creates; it must derive from CGridCellBase.
    BOOL SetDefaultCellType(const CRuntimeClass* cellClass);

    // ---- items (FALSE, "" or 0 for a cell that does not exist) ----------------------------
    BOOL SetItemText(int row, int col, LPCTSTR text);
    BOOL SetItemText(int row, int col, CString&& text);  // takes the text over
    BOOL SetItemData(int row, int col, LPARAM data);
    BOOL SetItemState(int row, int col, UINT state);
    BOOL SetItemFormat(int row, int col, UINT format);
    BOOL SetItemBkColour(int row, int col, COLORREF colour = CLR_DEFAULT);
    BOOL SetItemFgColour(int row, int col, COLORREF colour = CLR_DEFAULT);
    CString GetItemText(int row, int col) const;
    LPARAM GetItemData(int row, int col) const;
    UINT GetItemState(int row, int col) const;
    UINT GetItemFormat(int row, int col) const;
    COLORREF GetItemBkColour(int row, int col) const;
    COLORREF GetItemFgColour(int row, int col) const;
    // Sets the text as if typed: the owner is asked first and told afterwards.
    BOOL SetItemTextWithNotify(int row, int col, LPCTSTR text);
    BOOL IsCellEditable(int row, int col) const;
    BOOL IsCellEditable(const CCellID& cell) const { return IsCellEditable(cell.row, cell.col); }
    // TRUE, and the row, when some row (heading rows included) holds the value as the item
    // data of its cell in column 1; of several such rows the last one.
    BOOL FindItemData(LPARAM data, int* row = nullptr);

    // ---- options -------------------------------------------------------------------------
    void SetListMode(BOOL enable = TRUE);
    BOOL GetListMode() const { return m_bListMode; }
    void SetSingleRowSelection(BOOL single = TRUE) { m_bSingleRowSelection = single; }
    BOOL GetSingleRowSelection() const { return m_bSingleRowSelection; }
    void SetSingleColSelection(BOOL single = TRUE) { m_bSingleColSelection = single; }
    BOOL GetSingleColSelection() const { return m_bSingleColSelection; }
    void SetEditable(BOOL editable = TRUE) { m_bEditable = editable; }
    BOOL IsEditable() const { return m_bEditable; }
    void EnableSelection(BOOL enable = TRUE);
    BOOL IsSelectable() const { return m_bEnableSelection; }
    void SetFixedColumnSelection(BOOL enable) { m_bFixedColumnSelection = enable; }
    BOOL GetFixedColumnSelection() const { return m_bFixedColumnSelection; }
    void SetFixedRowSelection(BOOL enable) { m_bFixedRowSelection = enable; }
    BOOL GetFixedRowSelection() const { return m_bFixedRowSelection; }
    void SetHeaderSort(BOOL sortOnClick = TRUE) { m_bSortOnClick = sortOnClick; }
    BOOL GetHeaderSort() const { return m_bSortOnClick; }
    void SetHandleTabKey(BOOL handle = TRUE) { m_bHandleTabKey = handle; }
    BOOL GetHandleTabKey() const { return m_bHandleTabKey; }
    void SetDoubleBuffering(BOOL buffer = TRUE) { m_bDoubleBuffer = buffer; }
    BOOL GetDoubleBuffering() const { return m_bDoubleBuffer; }
    void EnableTitleTips(BOOL enable = TRUE) { m_bTitleTips = enable; }
    BOOL GetTitleTips() const { return m_bTitleTips; }
    void SetTitleTipBackClr(COLORREF colour = CLR_DEFAULT) { m_crTTipBackClr = colour; }
    void SetTitleTipTextClr(COLORREF colour = CLR_DEFAULT) { m_crTTipTextClr = colour; }
    void SetGridLines(int lines = GVL_BOTH);
    int GetGridLines() const { return m_nGridLines; }
    void SetGridLineColor(COLORREF colour) { m_crGridLineColour = colour; }
    COLORREF GetGridLineColor() const { return m_crGridLineColour; }
    void SetGridBkColor(COLORREF colour) { m_crGridBkColour = colour; }
    COLORREF GetGridBkColor() const { return m_crGridBkColour; }
    void SetTrackFocusCell(BOOL track) { m_bTrackFocusCell = track; }
    BOOL GetTrackFocusCell() const { return m_bTrackFocusCell; }
    void SetShadedPrintOut(BOOL shaded = TRUE) { m_bShadedPrintOut = shaded; }
    BOOL GetShadedPrintOut() const { return m_bShadedPrintOut; }
    void SetFrameFocusCell(BOOL frame) { m_bFrameFocus = frame; }
    BOOL GetFrameFocusCell() const { return m_bFrameFocus; }
    void SetAutoSizeStyle(int style = GVS_BOTH) { m_nAutoSizeColumnStyle = style; }
    int GetAutoSizeStyle() const { return m_nAutoSizeColumnStyle; }
    void SetColumnResize(BOOL allow = TRUE) { m_bAllowColumnResize = allow; }
    BOOL GetColumnResize() const { return m_bAllowColumnResize; }
    void SetRowResize(BOOL allow = TRUE) { m_bAllowRowResize = allow; }
    BOOL GetRowResize() const { return m_bAllowRowResize; }
    void EnableHiddenColUnhide(BOOL enable = TRUE) { m_bHiddenColUnhide = enable; }
    void EnableHiddenRowUnhide(BOOL enable = TRUE) { m_bHiddenRowUnhide = enable; }
    void EnableColumnHide(BOOL enable = TRUE) { m_bAllowColHide = enable; }
    void EnableRowHide(BOOL enable = TRUE) { m_bAllowRowHide = enable; }
    void SetImageList(CImageList* images) { m_pImageList = images; }
    CImageList* GetImageList() const { return m_pImageList; }
    // Drawing and scroll-bar updates on or off (for filling many rows at once).
    void SetRedraw(BOOL allowDraw, BOOL resetScrollBars = FALSE);
    BOOL GetRedraw() const { return m_bAllowDraw; }
    int GetWheelScrollLines() const { return m_nRowsPerWheelNotch; }

    // Virtual mode: the grid stores no cells and asks the callback (else its owner, with
    // GVN_GETDISPINFO) for each one it needs.
    void SetVirtualMode(BOOL virtualMode);
    BOOL GetVirtualMode() const { return m_bVirtualMode; }
    void SetCallbackFunc(GRIDCALLBACK callback, LPARAM param);

    void SetModified(BOOL modified = TRUE, int row = -1, int col = -1);
    BOOL GetModified(int row = -1, int col = -1) const;
    void Refresh();

    // ---- notifications to the owner --------------------------------------------------------
    LRESULT SendMessageToParent(int row, int col, int code) const;
    LRESULT SendDisplayRequestToParent(GV_DISPINFO* info) const;
    LRESULT SendCacheHintToParent(const CCellRange& range) const;

    // ---- drawing and coordinates (client pixels) -------------------------------------------
    virtual void OnDraw(CDC* dc);
    BOOL RedrawCell(int row, int col, CDC* dc = nullptr);
    BOOL RedrawCell(const CCellID& cell, CDC* dc = nullptr) { return RedrawCell(cell.row, cell.col, dc); }
    BOOL InvalidateCellRect(int row, int col);
    BOOL InvalidateCellRect(const CCellID& cell) { return InvalidateCellRect(cell.row, cell.col); }
    BOOL GetCellOrigin(int row, int col, LPPOINT point) const;
    BOOL GetCellOrigin(const CCellID& cell, LPPOINT point) const { return GetCellOrigin(cell.row, cell.col, point); }
    // (x, y, x + width - 1, y + height - 1): right and bottom are the cell's last pixels.
    BOOL GetCellRect(int row, int col, LPRECT rect) const;
    BOOL GetCellRect(const CCellID& cell, LPRECT rect) const { return GetCellRect(cell.row, cell.col, rect); }
    CCellID GetCellFromPt(CPoint point, BOOL allowFixed = TRUE) const;
    CCellID GetTopleftNonFixedCell(BOOL forceRecalculation = FALSE) const;
    CCellRange GetVisibleNonFixedCellRange(LPRECT rect = nullptr, BOOL forceRecalculation = FALSE) const;
    BOOL IsCellVisible(int row, int col) const;
    BOOL IsCellVisible(const CCellID& cell) const { return IsCellVisible(cell.row, cell.col); }
    BOOL MouseOverRowResizeArea(CPoint point) const;
    BOOL MouseOverColumnResizeArea(CPoint point) const;

    // ---- scrolling -----------------------------------------------------------------------
    void ResetScrollBars();
    // bar: SB_HORZ, SB_VERT or SB_BOTH.
    void EnableScrollBars(int bar, BOOL enable = TRUE);
    int GetScrollPos32(int bar, BOOL getTrackPos = FALSE) const;
    BOOL SetScrollPos32(int bar, int pos, BOOL redraw = TRUE);
    void EnsureVisible(int row, int col);
    void EnsureVisible(const CCellID& cell) { EnsureVisible(cell.row, cell.col); }

    // ---- selection -----------------------------------------------------------------------
    void SetSelectedRange(int minRow, int minCol, int maxRow, int maxCol, BOOL forceRepaint = FALSE,
                          BOOL selectCells = TRUE);
    void SetSelectedRange(const CCellRange& range, BOOL forceRepaint = FALSE, BOOL selectCells = TRUE);
    // With nothing selected: (row count, column count, -1, -1).
    CCellRange GetSelectedCellRange() const;
    int GetSelectedCount() const { return static_cast<int>(m_SelectedCellMap.size()); }
    BOOL IsCellSelected(int row, int col) const;
    BOOL IsCellSelected(const CCellID& cell) const { return IsCellSelected(cell.row, cell.col); }
    void ResetSelectedRange();
    void SelectAllCells();
    void SelectColumns(CCellID cell, BOOL forceRedraw = FALSE, BOOL selectCells = TRUE);
    void SelectRows(CCellID cell, BOOL forceRedraw = FALSE, BOOL selectCells = TRUE);
    void SelectCells(CCellID cell, BOOL forceRedraw = FALSE, BOOL selectCells = TRUE);
    void OnSelecting(const CCellID& cell);
    // Returns the previous focus cell.
    CCellID SetFocusCell(int row, int col);
    CCellID SetFocusCell(CCellID cell) { return SetFocusCell(cell.row, cell.col); }
    CCellID GetFocusCell() const { return m_idCurrentCell; }
    virtual void OnEditSelectAll();

    // ---- sizes, column expansion, sorting ---------------------------------------------------
    int GetRowHeight(int row) const;
    int GetColumnWidth(int col) const;
    BOOL SetRowHeight(int row, int height);
    BOOL SetColumnWidth(int col, int width);
    int GetFixedRowHeight() const;
    int GetFixedColumnWidth() const;
    long GetVirtualHeight() const;
    long GetVirtualWidth() const;
    BOOL AutoSizeColumn(int col, UINT autoSizeStyle = GVS_DEFAULT, BOOL resetScroll = TRUE);
    BOOL AutoSizeRow(int row, BOOL resetScroll = TRUE);
    void ExpandColumnsToFit(BOOL expandFixed = TRUE);
    void ExpandLastColumn();
    void SetSortColumn(int col);
    int GetSortColumn() const { return m_nSortColumn; }
    void SetSortAscending(BOOL ascending) { m_bAscending = ascending; }
    BOOL GetSortAscending() const { return m_bAscending; }
    void SetCompareFunction(GRIDCOMPARE compare) { m_pfnCompare = compare; }
    BOOL SortTextItems(int col, BOOL ascending, LPARAM data = 0);
    BOOL SortItems(GRIDCOMPARE compare, int col, BOOL ascending, LPARAM data = 0);
    // Byte-wise comparison of the two cells' texts; 0 when a cell is missing.
    static int CellTextCompare(const CGridCellBase* cell1, const CGridCellBase* cell2, LPARAM data);

    // ---- interaction ---------------------------------------------------------------------
    virtual void OnFixedColumnClick(CCellID& cell);
    virtual void OnFixedRowClick(CCellID& cell);
    // ch: VK_LBUTTON for a click, else the key or character that started the edit.
    virtual void OnEditCell(int row, int col, CPoint point, UINT ch);
    virtual void OnEndEditCell(int row, int col, CString text);
    virtual BOOL ValidateEdit(int row, int col, LPCTSTR text);
    virtual void EndEditing();
    // The point relative to the cell's top-left corner; (0, 0) when the cell has no origin.
    CPoint GetPointClicked(int row, int col, const CPoint& point) const;
    // The size of the text drawn with that cell's attributes; (0, 0) for no cell.
    CSize GetTextExtent(int row, int col, LPCTSTR text);

    // ---- clipboard and drag and drop of the selected cells' text -----------------------------
    // Cutting and pasting change only editable cells of an editable grid, each as if typed.
    virtual void CutSelectedText();
    // The selected cells' text: cells of a row joined by tabs, rows by "\r\n", hidden rows
    // and columns left out; none without a selection.
    virtual std::unique_ptr<COleDataSource> CopyTextFromGrid();
    // Fields split at tabs and commas, lines at line feeds, written from the cell on; what
    // passes the last row or column is dropped.
    virtual BOOL PasteTextToGrid(CCellID cell, COleDataObject* data, BOOL selectPastedCells = TRUE);
    virtual void OnBeginDrag();
    virtual DROPEFFECT OnDragEnter(COleDataObject* data, DWORD keyState, CPoint point);
    virtual DROPEFFECT OnDragOver(COleDataObject* data, DWORD keyState, CPoint point);
    virtual void OnDragLeave();
    virtual BOOL OnDrop(COleDataObject* data, DROPEFFECT effect, CPoint point);
    virtual void OnEditCut();
    virtual void OnEditCopy();
    virtual void OnEditPaste();
    // The current cell drawn as a picture to drag; its bottom-right corner is the hot spot.
    virtual std::unique_ptr<CImageList> CreateDragImage(CPoint* hotSpot);
    // Off by default: the grid then refuses every drop and starts no drag.
    void EnableDragAndDrop(BOOL allow = TRUE) { m_bAllowDragAndDrop = allow; }
    BOOL GetDragAndDrop() const { return m_bAllowDragAndDrop; }

    // ---- printing, driven by a host's print loop ----------------------------------------------
    virtual void OnBeginPrinting(CDC* dc, CPrintInfo* info);
    virtual void OnPrint(CDC* dc, CPrintInfo* info);
    virtual void OnEndPrinting(CDC* dc, CPrintInfo* info);
    // Margins in characters of the printer font; -1 keeps a value.
    void SetPrintMarginInfo(int header, int footer, int left, int right, int top, int bottom, int gap);
    // On: the page shows the grid at its size on the screen; off: the grid's width fills the page.
    void SetWYSIWYGPrinting(BOOL wysiwyg = TRUE) { m_bWysiwyg = wysiwyg; }
    BOOL GetWYSIWYGPrinting() const { return m_bWysiwyg; }

protected:
    void PreSubclassWindow() override;
    void OnDestroy() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnEraseBkgnd(CDC*) override { return TRUE; }  // painting erases what it needs
    void OnPaint() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnTimer(UINT_PTR id) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnLButtonDblClk(UINT flags, CPoint point) override;
    void OnRButtonUp(UINT flags, CPoint point) override;
    BOOL OnMouseWheel(UINT flags, short delta, CPoint screenPoint) override;
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    void OnChar(UINT ch, UINT repeat, UINT flags) override;
    UINT OnGetDlgCode() override;
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message) override;
    void OnCaptureChanged(CWnd* newCapture) override;
    void OnVScroll(UINT code, UINT position, CWnd* scrollBar) override;
    void OnHScroll(UINT code, UINT position, CWnd* scrollBar) override;

    virtual CGridCellBase* CreateCell(int row, int col);
    virtual void DestroyCell(int row, int col);
    void EraseBkgnd(CDC* dc);
    // The in-place editor's end notification (control IDC_INPLACE_CONTROL).
    void OnEndInPlaceEdit(NMHDR* header, LRESULT* result);
    void OnUpdateEditCopy(CCmdUI* cmdUI);
    void OnUpdateEditCut(CCmdUI* cmdUI);
    void OnUpdateEditPaste(CCmdUI* cmdUI);
    void OnUpdateEditSelectAll(CCmdUI* cmdUI);

    virtual void PrintFixedRowCells(int startCol, int stopCol, int& row, CRect& rect, CDC* dc, BOOL& firstPrinted);
    virtual void PrintColumnHeadings(CDC* dc, CPrintInfo* info);
    virtual void PrintHeader(CDC* dc, CPrintInfo* info);
    virtual void PrintFooter(CDC* dc, CPrintInfo* info);
    virtual void PrintRowButtons(CDC* dc, CPrintInfo* info);
    // Each text of the header and footer: bold, black, one line, vertically centred.
    virtual void PrintBoldText(CDC* dc, const CString& text, const CRect& rect, UINT align);

    enum class MouseMode {
        Nothing,
        SelectAll,
        SelectColumn,
        SelectRow,
        SelectCells,
        OverRowDivider,
        SizingRow,
        OverColumnDivider,
        SizingColumn,
        PrepareEdit,
        PrepareDrag,
        Dragging,
    };

private:
    using CGridRow = std::vector<std::unique_ptr<CGridCellBase>>;
    // The click command goes to the owner after the current message, posted to the grid itself
    // so that it is dropped when the grid is gone by then.
    static constexpr UINT kMsgPostedClick = WM_USER + 0x7201;

    // Painting and scroll-bar updates need a window and drawing switched on.
    bool CanDraw() const { return m_bAllowDraw && GetSafeHwnd() != nullptr; }
    static std::uint64_t CellKey(int row, int col);
    static bool ClipboardHasText();
    CGridCellBase* DisplayCell(int row, int col) const;
    // The stored cell; none in virtual mode, where the owner keeps the content.
    CGridCellBase* StoredCell(int row, int col) const;
    BOOL SetFixedCount(bool rows, int count);
    static void SetFixedFlags(CGridCellBase* cell, bool fixedRow, bool fixedCol);
    void RebuildItemDataMap();
    void ReadSystemColours();
    void OnSysColorChange();
    void OnSetFont(HFONT font);

    // Drawing helpers.
    void DrawCellGridLines(CDC* dc, const CRect& rect) const;
    void DrawGridLines(CDC* dc, const CRect& visibleRect, const CCellRange& visible, int fixedColWidth,
                       int fixedRowHeight);
    void RedrawFixedCellsOfColumn(int col);
    void RedrawFixedCellsOfRow(int row);
    void RedrawOrInvalidate(int row, int col, CDC* dc);
    void ChangeCellSelection(int row, int col, bool select, const CCellRange& visible, CDC* dc);

    // Scrolling helpers: one handler serves both directions.
    void OnScroll(int bar, UINT code);
    int ScrollMaximum(int bar) const;

    // Interaction helpers.
    void ResizeLine(CPoint point) const;  // the inverted line shown while a divider moves
    void BeginDividerDrag(CPoint point, bool column);
    void EndDividerDrag(CPoint point, bool column);
    void StartSelectionTimer();
    void StopSelectionTimer();
    void ShowTitleTipFor(const CCellID& cell);
    bool ClickInTextArea(const CCellID& cell, CPoint point);
    void PostClickCommand();

    // Drag and drop helpers.
    friend class CGridDropTarget;
    void SetDropHighlight(const CCellID& cell, bool on);
    DROPEFFECT DropEffect(DWORD keyState) const;

    // Printing helpers: the data rows and columns a page shows ([first, end) of each; all
    // empty for a page that does not exist).
    struct PrintSpan {
        int firstRow = 0, endRow = 0, firstCol = 0, endCol = 0;
    };
    PrintSpan PageSpan(UINT page) const;

    // ---- state (in the order the grid's description gives it) -----------------------------
    std::unordered_map<LPARAM, int> m_ItemDataMap;
    COLORREF m_crGridBkColour = 0;
    COLORREF m_crGridLineColour = RGB(192, 192, 192);
    COLORREF m_crWindowText = 0;
    COLORREF m_crWindowColour = 0;
    COLORREF m_cr3DFace = 0;
    COLORREF m_crShadow = 0;
    COLORREF m_crTTipBackClr = CLR_DEFAULT;
    COLORREF m_crTTipTextClr = CLR_DEFAULT;
    BOOL m_bVirtualMode = FALSE;
    LPARAM m_lParam = 0;
    GRIDCALLBACK m_pfnCallback = nullptr;
    int m_nGridLines = GVL_BOTH;
    BOOL m_bEditable = TRUE;
    BOOL m_bModified = FALSE;
    BOOL m_bAllowDragAndDrop = FALSE;
    BOOL m_bListMode = FALSE;
    BOOL m_bSingleRowSelection = FALSE;
    BOOL m_bSingleColSelection = FALSE;
    BOOL m_bAllowDraw = TRUE;
    BOOL m_bEnableSelection = TRUE;
    BOOL m_bFixedColumnSelection = TRUE;
    BOOL m_bFixedRowSelection = TRUE;
    BOOL m_bSortOnClick = FALSE;
    BOOL m_bHandleTabKey = TRUE;
    BOOL m_bDoubleBuffer = TRUE;
    BOOL m_bTitleTips = TRUE;
    int m_nBarState = 0;  // 1: horizontal bar shown, 2: vertical bar shown
    BOOL m_bAllowColumnResize = TRUE;
    BOOL m_bAllowRowResize = TRUE;
    BOOL m_bAllowColHide = TRUE;
    BOOL m_bAllowRowHide = TRUE;
    BOOL m_bTrackFocusCell = TRUE;
    BOOL m_bFrameFocus = TRUE;
    int m_nAutoSizeColumnStyle = GVS_BOTH;
    int m_nRows = 0;
    int m_nFixedRows = 0;
    int m_nCols = 0;
    int m_nFixedCols = 0;
    CGridSizeArray m_arRowHeights;
    CGridSizeArray m_arColWidths;
    int m_nVScrollMax = 0;
    int m_nHScrollMax = 0;
    const CRuntimeClass* m_pRtcDefault = nullptr;
    mutable CGridDefaultCell m_cellDefault;
    mutable CGridDefaultCell m_cellFixedColDef;
    mutable CGridDefaultCell m_cellFixedRowDef;
    mutable CGridDefaultCell m_cellFixedRowColDef;
    CImageList* m_pImageList = nullptr;
    std::vector<CGridRow> m_RowData;
    MouseMode m_MouseMode = MouseMode::Nothing;
    BOOL m_bLMouseButtonDown = FALSE;
    CPoint m_LeftClickDownPoint;
    CPoint m_LastMousePoint;
    CCellID m_LeftClickDownCell;
    CCellID m_SelectionStartCell;
    CCellID m_idCurrentCell;
    mutable CCellID m_idTopLeftCell;
    UINT_PTR m_nTimerID = 0;
    int m_nTimerInterval = 25;
    int m_nResizeCaptureRange = 3;
    BOOL m_bHiddenColUnhide = TRUE;
    BOOL m_bHiddenRowUnhide = TRUE;
    int m_nRowsPerWheelNotch = 3;
    // The selection, keyed by cell; the previous one is what a Ctrl-click extends.
    std::map<std::uint64_t, CCellID> m_SelectedCellMap;
    std::map<std::uint64_t, CCellID> m_PrevSelectedCellMap;
    CGridTitleTip m_TitleTip;
    BOOL m_bAscending = TRUE;
    int m_nSortColumn = -1;
    GRIDCOMPARE m_pfnCompare = nullptr;
    BOOL m_bShadedPrintOut = TRUE;
    CCellID m_LastDragOverCell;
    CGridDropTarget m_DropTarget;

    // Printing state, from OnBeginPrinting to OnEndPrinting.
    CFont m_PrinterFont;
    CSize m_CharSize;
    int m_nPageHeight = 0;
    int m_nPageWidth = 0;
    CSize m_LogicalPageSize;
    CSize m_PaperSize;
    int m_nNumPages = 0;
    int m_nPageMultiplier = 1;
    int m_nCurrPrintRow = 0;
    int m_nCurrPrintCol = 0;
    BOOL m_bWysiwyg = FALSE;
    int m_nHeaderHeight = 2;
    int m_nFooterHeight = 2;
    int m_nLeftMargin = 4;
    int m_nRightMargin = 4;
    int m_nTopMargin = 1;
    int m_nBottomMargin = 1;
    int m_nGap = 1;

    std::unique_ptr<CWindowScrollBars> m_pScrollBars;
    bool m_bInSize = false;
    bool m_bInPreSubclass = false;

};
