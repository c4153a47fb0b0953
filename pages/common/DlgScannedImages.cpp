#include "pages/common/DlgScannedImages.h"

#include <algorithm>

#include "platform/CxImage.h"
#include "platform/DataTransfer.h"
#include "platform/DC.h"
#include "platform/FileDialog.h"
#include "platform/Menu.h"
#include "platform/MessageBox.h"
#include "res/ListPageIds.h"

REGISTER_DIALOG_CLASS(CDlg_ScannedImages, CArray<CImageRef>(), CStringArray(), CStringArray())

namespace {

constexpr int kNumberColumn = 0, kPathColumn = 1, kNameColumn = 2;
constexpr int kPreviewMargin = 10;
constexpr const char* kCannotShow = "не може да бъде показано";

// In place of a picture that cannot be shown: why the frame is empty, centred in it.
void DrawCannotShow(CDC* dc, CRect area) {
    const CString text = CString("Изображението ") + kCannotShow + ".\nЩе бъде записано непроменено.";
    CRect needed = area;
    dc->DrawText(text, &needed, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
    area.top += std::max(0, (area.Height() - needed.Height()) / 2);
    dc->SetBkMode(TRANSPARENT);
    dc->DrawText(text, &area, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
}

}  // namespace

CDlg_ScannedImages::CDlg_ScannedImages(const CArray<CImageRef>& images, const CStringArray& names,
                                       const CStringArray& paths, CWnd* parent)
    : CDialog(IDD_SCANNED_IMAGES, parent), m_images(images), m_names(names), m_paths(paths) {}

const MessageMap& CDlg_ScannedImages::GetMessageMap() const {
    static const MessageMap map(CDialog::GetMessageMap(), {
        OnCommand(ID_IMAGES_CONFIRM, &CDlg_ScannedImages::OnConfirm),
        OnCommand(ID_IMAGES_CANCEL, &CDlg_ScannedImages::OnCancelCommand),
        OnCommand(ID_IMAGES_ADD, &CDlg_ScannedImages::AddImage),
        OnCommand(ID_IMAGES_DELETE, &CDlg_ScannedImages::DeleteImage),
        OnClicked(IDC_MENU_IMAGES, &CDlg_ScannedImages::OnImagesMenu),
        OnClicked(IDC_MENU_EXIT, &CDlg_ScannedImages::OnExitMenu),
        OnNotify(IDC_IMAGES, GVN_SELCHANGING, &CDlg_ScannedImages::OnSelChanging),
    });
    return map;
}

void CDlg_ScannedImages::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_IMAGES, m_grid);
}

INT_PTR CDlg_ScannedImages::DoModalAt(int position) {
    if (position != -1) m_selected = position >= 0 && position < m_images.GetSize() ? position : -1;
    return DoModal();
}

BOOL CDlg_ScannedImages::OnInitDialog() {
    CDialog::OnInitDialog();
    m_grid.SetSingleRowSelection(TRUE);
    m_grid.SetListMode(TRUE);
    m_grid.SetEditable(TRUE);
    m_grid.SetColumnWidth(m_grid.InsertColumn("№", 0), 25);
    m_grid.SetColumnWidth(m_grid.InsertColumn("Път до файла", 0), 165);
    m_grid.SetColumnWidth(m_grid.InsertColumn("Име на файла", 0), 165);
    m_grid.SetFixedRowCount(1);
    m_grid.SetFixedColumnCount(0);
    m_grid.SetRowCount(m_images.GetSize() + 1);
    for (int row = 1; row < m_grid.GetRowCount(); ++row) {
        NumberPictureRow(m_grid, row);
        m_grid.SetItemState(row, kPathColumn, m_grid.GetItemState(row, kPathColumn) | GVIS_READONLY);
        if (row - 1 < m_names.GetSize()) m_grid.SetItemText(row, kNameColumn, m_names[row - 1]);
    }
    if (m_selected >= 0) m_grid.SetSelectedRange(m_selected + 1, kNumberColumn, m_selected + 1, kNameColumn);
    m_initialised = TRUE;
    ShowPreview();
    return TRUE;
}

void NumberPictureRow(CGridCtrl& grid, int row) {
    CString number;
    number.Format("%d", row);
    grid.SetItemText(row, kNumberColumn, number);
    grid.SetItemState(row, kNumberColumn, grid.GetItemState(row, kNumberColumn) | GVIS_READONLY);
}

// The four keys work wherever the focus is in the dialog.
BOOL CDlg_ScannedImages::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN) {
        switch (msg->wParam) {
        case VK_F5: OnConfirm(); return TRUE;
        case VK_F6: AddImage(); return TRUE;
        case VK_F7: DeleteImage(); return TRUE;
        case VK_F8: EndDialog(IDCANCEL); return TRUE;
        default: break;
        }
    }
    return CDialog::PreTranslateMessage(msg);
}

void CDlg_ScannedImages::ShowMenu(int popup, int buttonId) {
    CMenu menu;
    if (!menu.LoadMenu(IDR_SCANNED_IMAGES_MENU)) return;
    CMenu* items = menu.GetSubMenu(popup);
    CWnd* button = GetDlgItem(buttonId);
    if (!items || !button) return;
    CRect rect;
    button->GetWindowRect(&rect);
    items->TrackPopupMenu(TPM_LEFTALIGN | TPM_LEFTBUTTON, rect.left, rect.bottom, this);
}

// A file that holds no picture this program can read is refused with a message; nothing is
// added for it.
void CDlg_ScannedImages::AddImage() {
    CFileDialog fileDialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kImageFilter, this);
    if (fileDialog.DoModal() != IDOK) return;
    auto image = std::make_shared<CxImage>(CXIMAGE_FORMAT_UNKNOWN);
    if (!image->Load(fileDialog.GetPathName(), CXIMAGE_FORMAT_UNKNOWN)) {
        CString message;
        message.Format("Файлът \"%s\" не съдържа изображение, което програмата може да прочете, или е повреден. "
                       "Изображението не е добавено.",
                       fileDialog.GetPathName().GetString());
        AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    m_images.Add(image);
    m_selected = m_images.GetSize() - 1;

    const int row = m_grid.InsertRow("");
    NumberPictureRow(m_grid, row);
    m_grid.SetItemText(row, kPathColumn, fileDialog.GetPathName());
    m_grid.SetItemState(row, kPathColumn, m_grid.GetItemState(row, kPathColumn) | GVIS_READONLY);
    m_grid.SetItemText(row, kNameColumn, fileDialog.GetFileName());
    m_grid.SetSelectedRange(row, kNumberColumn, row, kNameColumn);
    m_grid.Refresh();
    ShowPreview();
    AskForStorableName(row);
}

// The database keeps names in code page 1251: a name with other characters would be stored
// changed. The user is told which characters, and the name's cell opens for typing a name
// that can be stored; TRUE when the name of that row had to be asked for.
BOOL CDlg_ScannedImages::AskForStorableName(int row) {
    const CString unstorable = UnstorableCharactersOf(m_grid.GetItemText(row, kNameColumn));
    if (unstorable.IsEmpty()) return FALSE;
    CString message;
    message.Format("Името на файла съдържа знаци, които програмата не може да запише: %s\n"
                   "Въведете име без тях.",
                   unstorable.GetString());
    AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
    m_selected = row - 1;
    m_grid.SetSelectedRange(row, kNumberColumn, row, kNameColumn);
    m_grid.SetFocusCell(row, kNameColumn);
    m_grid.SetFocus();
    m_grid.OnEditCell(row, kNameColumn, CPoint(-1, -1), VK_LBUTTON);  // as F2 opens it
    ShowPreview();
    return TRUE;
}

void CDlg_ScannedImages::DeleteImage() {
    if (m_selected < 0 || m_selected >= m_images.GetSize()) return;
    m_grid.DeleteRow(m_selected + 1);
    for (int row = 1; row < m_grid.GetRowCount(); ++row) NumberPictureRow(m_grid, row);
    m_grid.Refresh();
    m_images.RemoveAt(m_selected);
    m_selected = -1;
    ShowPreview();
}

// Rows and pictures are only ever added or removed together, so row r is picture r - 1. A
// name that cannot be stored as it is shown keeps the dialog open on it.
void CDlg_ScannedImages::OnConfirm() {
    m_grid.EndEditing();  // a name still being typed counts
    m_grid.Refresh();
    for (int row = 1; row < m_grid.GetRowCount(); ++row)
        if (AskForStorableName(row)) return;
    m_names.RemoveAll();
    m_paths.RemoveAll();
    for (int row = 1; row < m_grid.GetRowCount(); ++row) {
        m_names.Add(m_grid.GetItemText(row, kNameColumn));
        m_paths.Add(m_grid.GetItemText(row, kPathColumn));
    }
    EndDialog(IDOK);
}

void CDlg_ScannedImages::OnSelChanging(NMHDR* header, LRESULT*) {
    const int row = reinterpret_cast<const NM_GRIDVIEW*>(header)->iRow;
    if (row - 1 == m_selected || m_images.IsEmpty()) return;
    m_selected = row - 1;
    ShowPreview();
}

void CDlg_ScannedImages::ShowPreview() { Invalidate(TRUE); }

// The selected picture fills the frame, 10 pixels in from its edges.
void CDlg_ScannedImages::OnPaint() {
    CPaintDC dc(this);
    CWnd* frame = GetDlgItem(IDC_PREVIEW);
    if (!frame || m_selected < 0 || m_selected >= m_images.GetSize()) return;
    CRect area;
    frame->GetWindowRect(&area);
    ScreenToClient(&area);
    area.DeflateRect(kPreviewMargin, kPreviewMargin);
    const CxImage* picture = m_images[m_selected].get();
    if (!CanShowPicture(picture)) return DrawCannotShow(&dc, area);
    DrawImageFit(picture, &dc, area.left, area.top, area.right, area.bottom);
}

void CDlg_ScannedImages::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    if (!m_initialised) return;
    const auto placeIn = [this](CWnd* control, const auto& place) {
        if (!control) return;
        CRect rect;
        control->GetWindowRect(&rect);
        ScreenToClient(&rect);
        place(rect);
        control->MoveWindow(&rect);
    };
    placeIn(GetDlgItem(IDC_PREVIEW), [&](CRect& rect) {
        rect.right = cx - 10;
        rect.bottom = cy - 70;
    });
    int gridLeft = 0;
    placeIn(&m_grid, [&](CRect& rect) {
        rect.right = cx - 10;
        gridLeft = rect.left;
    });
    const int columnWidth = ((cx - 10) - gridLeft - m_grid.GetColumnWidth(kNumberColumn)) / 2 - 5;
    m_grid.SetColumnWidth(kPathColumn, columnWidth);
    m_grid.SetColumnWidth(kNameColumn, columnWidth);
    if (CWnd* help = GetDlgItem(IDC_KEY_HELP)) help->MoveWindow(9, cy - 65, cx - 18, 60);
    ShowPreview();
}

CRect FitImageRect(long width, long height, int left, int top, int right, int bottom) {
    if (left >= right || top >= bottom || width <= 0 || height <= 0) return {};
    const int areaWidth = right - left, areaHeight = bottom - top;
    if (static_cast<double>(areaWidth) / areaHeight >= static_cast<double>(width) / height) {
        const int drawnWidth = static_cast<int>(static_cast<double>(areaHeight) / height * width);
        const int x = left + (right - drawnWidth - left) / 2;
        return {x, top, x + drawnWidth, top + areaHeight};
    }
    const int drawnHeight = static_cast<int>(static_cast<double>(areaWidth) / width * height);
    const int y = top + (bottom - drawnHeight - top) / 2;
    return {left, y, left + areaWidth, y + drawnHeight};
}

bool CanShowPicture(const CxImage* image) { return image && image->IsValid(); }

CString ListedPictureName(const CString& name, const CxImage* image) {
    return CanShowPicture(image) ? name : name + " (" + kCannotShow + ")";
}

void DrawImageFit(const CxImage* image, CDC* dc, int left, int top, int right, int bottom) {
    if (!CanShowPicture(image)) return;
    const CRect fitted = FitImageRect(static_cast<long>(image->GetWidth()), static_cast<long>(image->GetHeight()), left,
                                      top, right, bottom);
    if (!fitted.IsRectEmpty()) image->Stretch(dc, fitted);
}
