#include "pages/common/PageControls.h"

#include <algorithm>

#include "platform/DC.h"
#include "platform/Gdi.h"

void ShowControls(CWnd* window, std::initializer_list<int> ids, BOOL show) {
    for (const int id : ids)
        if (CWnd* control = window->GetDlgItem(id)) control->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void EnableControls(CWnd* window, std::initializer_list<int> ids, BOOL enable) {
    for (const int id : ids)
        if (CWnd* control = window->GetDlgItem(id)) control->EnableWindow(enable);
}

CRect FrameRect(CWnd* window, int frameId) {
    CRect rect;
    CWnd* frame = window->GetDlgItem(frameId);
    if (!frame) return rect;
    frame->GetWindowRect(&rect);
    window->ScreenToClient(&rect);
    return rect;
}

void DrawPictureInFrame(CWnd* window, CDC* dc, int frameId, UINT bitmapId) {
    const CRect frame = FrameRect(window, frameId);
    CBitmap picture;
    if (frame.IsRectEmpty() || !picture.LoadBitmap(bitmapId)) return;
    BITMAP size{};
    picture.GetBitmap(&size);
    CDC memory;
    if (!memory.CreateCompatibleDC(dc)) return;
    CBitmap* previous = memory.SelectObject(&picture);
    dc->BitBlt(frame.left, frame.top, std::min<int>(size.bmWidth, frame.Width()),
               std::min<int>(size.bmHeight, frame.Height()), &memory, 0, 0, SRCCOPY);
    memory.SelectObject(previous);
}
