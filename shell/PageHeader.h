#pragma once
// The header strip every form page ends its preparation with, the read-only switch, and
// the page buttons "<< Назад " and "Продължи >>" that walk the workflow tree's steps.
//
// A page calls, last in its OnInitialUpdate:
//
//     SetupFormHeader(this, doc->FormName, doc->SpeciesName, MainFrame()->GetSelectedItemText(),
//                     doc->HeaderBitmap, doc->FormTypeID, doc->IsReadOnly());
//
// (the page base of pages/common does this for every page).
#include "platform/CString.h"
#include "platform/Types.h"

class CBitmap;
class CFormView;
class CWnd;

// Controls of the header that page templates hold (res/PageTemplates.h).
constexpr int IDC_PAGE_TITLE = 2003;
constexpr int IDC_HEADER_FORM_CAPTION = 1417;
constexpr int IDC_HEADER_OBJECT_CAPTION = 1418;
constexpr int IDC_HEADER_STEP_CAPTION = 1419;
constexpr int IDC_HEADER_FORM = 1420;
constexpr int IDC_HEADER_OBJECT = 1421;
constexpr int IDC_HEADER_STEP = 1422;
constexpr int IDC_HEADER_PICTURE = 1424;
// The page buttons that walk the steps.
constexpr int IDC_STEP_BACK = 2579;
constexpr int IDC_STEP_NEXT = 2581;

constexpr int kHeaderHeight = 90;

// Gives the window's child control `id` the window's font with the face replaced, the
// height (logical units) and weight 551, upright and not underlined.
void SetControlFont(CWnd* window, LPCTSTR faceName, int id, int height = 18);

// Turns the top of the page into the header: locks the page when `readOnly` is 1, hides
// the page title, moves every control 90 pixels down, and shows the captions, the three
// names and the form type's picture (bitmap resource `bitmapId`, kept in `bitmap`).
void SetupFormHeader(CFormView* page, const CString& formName, const CString& objectName, const CString& stepName,
                     CBitmap& bitmap, UINT bitmapId, BOOL readOnly);

// With `readOnly` exactly 1: edits become read-only, lists, pickers, tables and buttons are
// disabled; group boxes and the two step buttons stay as they are. Nothing is undone later:
// a page is always made anew.
void SetControlsReadOnly(CWnd* page, BOOL readOnly);

// Moves every child window of the window by (dx, dy), once each, keeping its size.
void MoveChildControls(CWnd* window, int dx, int dy);

// The page buttons: the previous or next step of the workflow tree becomes the shown one.
void StepBack();
void StepForward();
