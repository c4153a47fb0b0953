#pragma once
// The pictures of one group of a form (its photos or its maps): a numbered list with path
// and file name, a preview of the selected picture scaled to fit, and the keys F5 (keep the
// changes), F6 (add a picture file), F7 (remove the selected picture) and F8 (leave without
// keeping), also offered by the dialog's menu. Only the file names can be edited in the
// list. The dialog works on its own lists: the caller takes them over after OK; the
// pictures themselves are shared with the caller, so a picture removed here stays intact
// for the caller until the caller takes the lists over.
#include "controls/grid/GridCtrl.h"
#include "platform/Arrays.h"
#include "platform/Dialog.h"
#include "store/CommonRecords.h"

class CDC;

class CDlg_ScannedImages : public CDialog {
public:
    static constexpr int IDC_IMAGES = 5020, IDC_PREVIEW = 5017, IDC_KEY_HELP = 5034;
    static constexpr int IDC_MENU_IMAGES = 5048, IDC_MENU_EXIT = 5049;
    // What the file dialog offers.
    static constexpr const char* kImageFilter =
        "Image Files |*.bmp; *.jpg; *.jpeg; *.png; *.tif; *.gif|Bitmaps (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg|TIFF (*.tif)|"
        "*.tif|GIF (*.gif)|*.gif|";

    CDlg_ScannedImages(const CArray<CImageRef>& images, const CStringArray& names, const CStringArray& paths,
                       CWnd* parent = nullptr);

    const MessageMap& GetMessageMap() const override;
    BOOL PreTranslateMessage(MSG* msg) override;

    // Runs the dialog with the picture at `position` selected (-1, or a position outside
    // the list: none).
    INT_PTR DoModalAt(int position);

    void AddImage();
    void DeleteImage();
    void OnConfirm();

    // The working lists: after OK, the pictures and their file names as the user left them.
    CArray<CImageRef> m_images;
    CStringArray m_names;
    CStringArray m_paths;
    int m_selected = -1;
    CGridCtrl m_grid;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override { OnConfirm(); }
    void OnPaint() override;
    void OnSize(UINT type, int cx, int cy) override;

private:
    void OnSelChanging(NMHDR* header, LRESULT* result);
    void OnImagesMenu() { ShowMenu(0, IDC_MENU_IMAGES); }
    void OnExitMenu() { ShowMenu(1, IDC_MENU_EXIT); }
    void ShowMenu(int popup, int buttonId);
    void OnCancelCommand() { EndDialog(IDCANCEL); }
    void ShowPreview();
    BOOL AskForStorableName(int row);

    BOOL m_initialised = FALSE;
};

// Cell 0 of a row of a picture list: the row's number, not editable.
void NumberPictureRow(CGridCtrl& grid, int row);

// Where a picture of width x height pixels is drawn to fit the rectangle whole, keeping its
// proportions: as high as the rectangle and centred across, or as wide and centred
// down. Empty for an empty rectangle or picture.
CRect FitImageRect(long width, long height, int left, int top, int right, int bottom);
// Draws the picture so (nothing for a picture without data).
void DrawImageFit(const CxImage* image, CDC* dc, int left, int top, int right, int bottom);

// A stored picture this program cannot read (written by another program, or cut short) is
// kept and stored again unchanged; the lists and the preview say that it cannot be shown.
bool CanShowPicture(const CxImage* image);
// The name as a list of pictures shows it: with a word when the picture cannot be shown.
CString ListedPictureName(const CString& name, const CxImage* image);
