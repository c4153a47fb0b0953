// The photos and maps page with its pictures dialog: pictures added from files of every
// common format, named, removed and previewed; a damaged file refused.
#include <filesystem>
#include <fstream>

#include "pages/common/CommonFormInsertImages.h"
#include "pages/common/DlgScannedImages.h"
#include "platform/CxImage.h"
#include "platform/Desktop.h"
#include "store/ImageBlob.h"
#include "store/SqlText.h"
#include "tests/pages/PageFixture.h"
#include "tests/support/TestPicture.h"

namespace {

namespace fs = std::filesystem;

// Picture files made from known pixels in a temporary folder.
class PictureFiles {
public:
    PictureFiles() : m_folder(MakeTempFolder()) {}
    ~PictureFiles() {
        std::error_code ignored;
        fs::remove_all(m_folder.str(), ignored);
    }

    // A file of the format with a width x height picture; its full path.
    CString Make(const char* name, DWORD format, int width = 40, int height = 30, int seed = 1) const {
        const std::vector<BYTE> bmp = TestBmp(width, height, seed);
        CxImage picture;
        EXPECT_TRUE(picture.Decode(bmp.data(), static_cast<DWORD>(bmp.size()), CXIMAGE_FORMAT_BMP));
        BYTE* bytes = nullptr;
        long size = 0;
        EXPECT_TRUE(picture.Encode(bytes, size, format)) << name;
        const CString path = m_folder + name;
        Write(path, bytes, static_cast<size_t>(size));
        CxImage::FreeMemory(bytes);
        return path;
    }
    CString MakeDamaged(const char* name) const {
        const CString path = m_folder + name;
        const std::vector<BYTE> bmp = TestBmp(40, 30, 3);
        Write(path, bmp.data(), 60);  // the headers and a few pixels
        return path;
    }

private:
    static void Write(const CString& path, const void* bytes, size_t size) {
        std::ofstream(path.GetString(), std::ios::binary).write(static_cast<const char*>(bytes), static_cast<std::streamsize>(size));
    }

    CString m_folder;
};

class ImagesPageTest : public PageTest {
protected:
    CCommonForm_InsertImages* Page() { return dynamic_cast<CCommonForm_InsertImages*>(page); }
    // Pictures the form holds already, under these names.
    void AddPhotos(std::initializer_list<const char*> names) {
        const std::vector<BYTE> bmp = TestBmp(20, 20, 5);
        for (const char* name : names) {
            doc.CommonData_InsertImages.PhotoImages.Add(DecodeImageBmp(bmp.data(), static_cast<int>(bmp.size())));
            doc.CommonData_InsertImages.PhotoNames.Add(name);
        }
    }

    PictureFiles files;
};

using ListedRows = std::vector<CString>;

TEST_F(ImagesPageTest, PicturesOfEveryFormatAreAddedNamedAndHandedBack) {
    const std::vector<CString> paths = {files.Make("поле.png", CXIMAGE_FORMAT_PNG), files.Make("гора.jpg", CXIMAGE_FORMAT_JPG),
                                        files.Make("карта.bmp", CXIMAGE_FORMAT_BMP, 300, 100),
                                        files.Make("скица.tif", CXIMAGE_FORMAT_TIF, 30, 120)};
    ShowPage(RUNTIME_CLASS(CCommonForm_InsertImages));
    FileDialogAnswers chosen(paths);
    std::vector<CString> shownRows;  // number, path, name
    int emptyRowsAtStart = -1;
    ModalRun script([&](CDialog& shown) {
        auto& dialog = dynamic_cast<CDlg_ScannedImages&>(shown);
        emptyRowsAtStart = dialog.m_grid.GetRowCount();
        for (size_t i = 0; i < paths.size(); ++i) PressKey(&dialog, VK_F6);
        PressKey(&dialog, VK_F6);  // the file dialog cancelled: nothing more
        EXPECT_EQ(dialog.m_selected, 3);
        EXPECT_FALSE(dialog.m_grid.IsCellEditable(1, 0));
        EXPECT_FALSE(dialog.m_grid.IsCellEditable(1, 1));
        EXPECT_TRUE(dialog.m_grid.IsCellEditable(1, 2));
        dialog.m_grid.SetItemText(2, 2, "гора при връх Мусала.jpg");  // the name typed over
        shownRows = GridRows(dialog.m_grid);
        dialog.m_selected = 2;
        dialog.Invalidate();
        PressKey(&dialog, VK_F5);
    });
    Click(*page, CCommonForm_InsertImages::IDC_ADD_PHOTO);
    EXPECT_EQ(emptyRowsAtStart, 1);  // the heading row only
    ASSERT_EQ(shownRows.size(), 4u);
    EXPECT_EQ(shownRows[0], "1|" + paths[0] + "|поле.png");
    EXPECT_EQ(shownRows[3], "4|" + paths[3] + "|скица.tif");
    EXPECT_TRUE(boxes.Texts().empty());

    EXPECT_EQ(GridRows(Page()->PhotoGrid()),
              (ListedRows{"1|поле.png", "2|гора при връх Мусала.jpg", "3|карта.bmp", "4|скица.tif"}));
    EXPECT_EQ(Page()->MapGrid().GetRowCount(), 1);
    Leave();
    const CCommonData_InsertImages& kept = doc.CommonData_InsertImages;
    ASSERT_EQ(kept.PhotoImages.GetSize(), 4);
    EXPECT_EQ(kept.PhotoImages[2]->GetWidth(), 300u);
    EXPECT_EQ(kept.PhotoNames[1], "гора при връх Мусала.jpg");
    EXPECT_TRUE(kept.PhotoPaths.IsEmpty());  // where the files were is not kept
}

TEST_F(ImagesPageTest, ADamagedFileIsRefusedAndAddsNothing) {
    FileDialogAnswers chosen({files.MakeDamaged("счупена.bmp"), files.Make("цяла.png", CXIMAGE_FORMAT_PNG)});
    ShowPage(RUNTIME_CLASS(CCommonForm_InsertImages));
    int rowsAfterDamaged = -1;
    ModalRun script([&](CDialog& shown) {
        auto& dialog = dynamic_cast<CDlg_ScannedImages&>(shown);
        PressKey(&dialog, VK_F6);
        rowsAfterDamaged = dialog.m_grid.GetRowCount();
        PressKey(&dialog, VK_F6);
        PressKey(&dialog, VK_F5);
    });
    Click(*page, CCommonForm_InsertImages::IDC_ADD_MAP);
    EXPECT_EQ(rowsAfterDamaged, 1);
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_NE(boxes.Texts()[0].Find("счупена.bmp"), -1);
    EXPECT_EQ(GridRows(Page()->MapGrid()), (ListedRows{"1|цяла.png"}));
}

TEST_F(ImagesPageTest, TheDialogOpensOnTheRowLastSelectedAndCancelKeepsEverything) {
    AddPhotos({"а.bmp", "б.bmp", "в.bmp"});
    const CImageRef second = doc.CommonData_InsertImages.PhotoImages[1];
    ShowPage(RUNTIME_CLASS(CCommonForm_InsertImages));
    NM_GRIDVIEW changing{{&Page()->PhotoGrid(), CCommonForm_InsertImages::IDC_PHOTOS, GVN_SELCHANGING}, 2, 1};
    page->SendMessage(WM_NOTIFY, CCommonForm_InsertImages::IDC_PHOTOS, reinterpret_cast<LPARAM>(&changing));
    EXPECT_EQ(Page()->RecordedPhotoRow(), 2);

    int selectedWhenOpened = -2;
    std::vector<CString> rowsAfterDelete;
    ModalRun script([&](CDialog& shown) {
        auto& dialog = dynamic_cast<CDlg_ScannedImages&>(shown);
        selectedWhenOpened = dialog.m_selected;
        EXPECT_EQ(dialog.m_grid.GetItemText(2, 1), "");  // pictures handed in have no path
        PressKey(&dialog, VK_F7);
        rowsAfterDelete = GridRows(dialog.m_grid);
        EXPECT_EQ(dialog.m_selected, -1);
        PressKey(&dialog, VK_F8);
    });
    Click(*page, CCommonForm_InsertImages::IDC_ADD_PHOTO);
    EXPECT_EQ(selectedWhenOpened, 1);
    EXPECT_EQ(rowsAfterDelete, (std::vector<CString>{"1||а.bmp", "2||в.bmp"}));
    // Cancelled: the page keeps its three pictures, the removed one intact.
    EXPECT_EQ(GridRows(Page()->PhotoGrid()), (ListedRows{"1|а.bmp", "2|б.bmp", "3|в.bmp"}));
    EXPECT_EQ(Page()->Images().PhotoImages[1], second);
    EXPECT_TRUE(second->IsValid());

    // Deleted on the page: the rows below move up and the next dialog opens on nothing.
    Page()->PhotoGrid().SetSelectedRange(1, 0, 1, 1);
    Click(*page, CCommonForm_InsertImages::IDC_DELETE_PHOTO);
    EXPECT_EQ(GridRows(Page()->PhotoGrid()), (ListedRows{"1|б.bmp", "2|в.bmp"}));
    EXPECT_EQ(Page()->RecordedPhotoRow(), -1);
}

TEST_F(ImagesPageTest, CtrlXCopiesTheSelectedRowAndEmptiesOnlyItsNameCtrlVChangesNothing) {
    AddPhotos({"а.bmp", "б.bmp"});
    ShowPage(RUNTIME_CLASS(CCommonForm_InsertImages));
    std::vector<CString> afterCut, afterPaste;
    CString copied;
    ModalRun script([&](CDialog& shown) {
        auto& dialog = dynamic_cast<CDlg_ScannedImages&>(shown);
        CRect cell;
        dialog.m_grid.GetCellRect(2, 2, &cell);
        ClickAt(&dialog.m_grid, cell.CenterPoint());
        PressKey(&dialog.m_grid, 'X', MK_CONTROL);
        copied = GetClipboardText();
        afterCut = GridRows(dialog.m_grid);
        PasteText(&dialog.m_grid, "нов.bmp");
        afterPaste = GridRows(dialog.m_grid);
        PressKey(&dialog, VK_F8);
    });
    Click(*page, CCommonForm_InsertImages::IDC_ADD_PHOTO);
    EXPECT_EQ(copied, CString("2\t\tб.bmp"));
    EXPECT_EQ(afterCut, (std::vector<CString>{"1||а.bmp", "2||"}));
    EXPECT_EQ(afterPaste, afterCut);
}

TEST_F(ImagesPageTest, APictureThatCannotBeShownIsListedSoAndKeepsItsName) {
    AddPhotos({"а.bmp"});
    const BYTE png[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    doc.CommonData_InsertImages.PhotoImages.Add(DecodeImageBmp(png, sizeof png));
    doc.CommonData_InsertImages.PhotoNames.Add("б.png");
    ShowPage(RUNTIME_CLASS(CCommonForm_InsertImages));
    EXPECT_EQ(GridRows(Page()->PhotoGrid()), (ListedRows{"1|а.bmp", "2|б.png (не може да бъде показано)"}));
    std::vector<CString> inDialog;
    ModalRun script([&](CDialog& shown) {
        auto& dialog = dynamic_cast<CDlg_ScannedImages&>(shown);
        inDialog = GridRows(dialog.m_grid);
        PressKey(&dialog, VK_F5);
    });
    Page()->EditPhoto(1);
    EXPECT_EQ(inDialog, (std::vector<CString>{"1||а.bmp", "2||б.png"}));  // the name alone is edited
    Leave();
    EXPECT_EQ(doc.CommonData_InsertImages.PhotoNames[1], "б.png");
}

// A BMP whose headers are whole and whose pixels are cut away: run-length data has no size
// that the headers promise, so it passes for a picture until its pixels are read.
std::vector<BYTE> RleBmpCutBeforeItsPixels() {
    std::vector<BYTE> bmp = TestBmp(16, 16, 2);
    bmp.resize(54 + 256 * 4);  // the headers, then a palette where the pixels began
    const auto put32 = [&bmp](int at, size_t value) {
        for (int i = 0; i < 4; ++i) bmp[at + i] = static_cast<BYTE>(value >> (8 * i));
    };
    put32(2, bmp.size());
    put32(10, bmp.size());  // the pixels would begin where the file ends
    bmp[28] = 8;
    put32(30, 1);  // 8-bit run-length coding
    put32(34, 0);
    put32(46, 256);
    return bmp;
}

CString Hex(const std::vector<BYTE>& bytes) {
    CString text;
    for (const BYTE b : bytes) text.AppendFormat("%02X", b);
    return text;
}

TEST_F(ImagesPageTest, ABmpFoundUnreadableWhenListedIsStoredAgainByteForByte) {
    const std::vector<BYTE> cut = RleBmpCutBeforeItsPixels();
    doc.CommonData_InsertImages.PhotoImages.Add(DecodeImageBmp(cut.data(), static_cast<int>(cut.size())));
    doc.CommonData_InsertImages.PhotoNames.Add("скица.bmp");
    ASSERT_TRUE(doc.SaveNewForm());
    const int formId = Number("select max(ID) from Forms");
    const CString stored = FormatSql("select ID, hex(Image) from DlgData_Images where FormID = %d", formId);
    ASSERT_EQ(Rows(stored), (Entries{{Number("select max(ID) from DlgData_Images"), Hex(cut)}}));

    // Opened for editing: listing the picture reads its pixels, which fail; then "Редактирай".
    doc.ClearAll();
    ASSERT_TRUE(doc.LoadForm(formId));
    ShowPage(RUNTIME_CLASS(CCommonForm_InsertImages));
    EXPECT_EQ(GridRows(Page()->PhotoGrid()), (ListedRows{"1|скица.bmp (не може да бъде показано)"}));
    Leave();
    ASSERT_TRUE(doc.UpdateForm());
    const Entries rewritten = Rows(stored);
    ASSERT_EQ(rewritten.size(), 1u);
    EXPECT_EQ(rewritten[0].second, Hex(cut));
}

TEST_F(ImagesPageTest, ANameWithCharactersThatCannotBeStoredIsTypedAnewBeforeItIsKept) {
    FileDialogAnswers chosen({files.Make("München.bmp", CXIMAGE_FORMAT_BMP), files.Make("österreich_日本.png", CXIMAGE_FORMAT_PNG)});
    ShowPage(RUNTIME_CLASS(CCommonForm_InsertImages));
    const auto typeName = [](const char* name) {  // into the name's cell, open for typing
        CWnd* const editor = CWnd::GetFocus();
        ASSERT_TRUE(editor && editor->GetDlgCtrlID() == IDC_INPLACE_CONTROL) << "the name's cell is not open for typing";
        PressKey(editor, 'A', MK_CONTROL);
        TypeText(editor, name);
        PressKey(editor, VK_RETURN);
    };
    BOOL endedWithUnstorableName = TRUE;
    ModalRun script([&](CDialog& shown) {
        PressKey(&shown, VK_F6);
        typeName("Munchen.bmp");
        PressKey(&shown, VK_F6);
        PressKey(CWnd::GetFocus(), VK_F5);  // the name not typed anew: the dialog stays
        endedWithUnstorableName = shown.IsEnded();
        typeName("osterreich_Japan.png");
        PressKey(CWnd::GetFocus(), VK_F5);
    });
    Click(*page, CCommonForm_InsertImages::IDC_ADD_PHOTO);
    EXPECT_FALSE(endedWithUnstorableName);
    ASSERT_EQ(boxes.Texts().size(), 3u);
    EXPECT_NE(boxes.Texts()[0].Find(": ü\n"), -1) << boxes.Texts()[0];
    EXPECT_NE(boxes.Texts()[2].Find(": ö 日 本\n"), -1) << boxes.Texts()[2];
    EXPECT_EQ(GridRows(Page()->PhotoGrid()), (ListedRows{"1|Munchen.bmp", "2|osterreich_Japan.png"}));
}

// The editor of a file name keeps its edit while its own context menu is used, and while a
// paste it refuses is said in a box: the text and the table stay as they were. Window systems
// tell a field of a menu in their own ways: offscreen and under X11.
class NameEditor : public ImagesPageTest {
protected:
    void StaysOpenThroughItsContextMenuAndARefusedPaste();
};

TEST_F(NameEditor, StaysOpenThroughItsContextMenuAndARefusedPaste) { StaysOpenThroughItsContextMenuAndARefusedPaste(); }

TEST_F(NameEditor, StaysOpenThroughItsContextMenuAndARefusedPasteUnderX11) {
    SKIP_UNLESS_X11();
    StaysOpenThroughItsContextMenuAndARefusedPaste();
}

void NameEditor::StaysOpenThroughItsContextMenuAndARefusedPaste() {
    AddPhotos({"а.bmp", "една много дълга снимка на мечка в планината.bmp"});
    ShowPage(RUNTIME_CLASS(CCommonForm_InsertImages));
    const CString name = "една много дълга снимка на мечка в планината.bmp2";
    std::vector<CString> rows;
    ModalRun script([&](CDialog& shown) {
        auto& dialog = dynamic_cast<CDlg_ScannedImages&>(shown);
        const auto editor = [&] { return dialog.m_grid.GetCell(2, 2)->GetEditWnd(); };
        const auto edited = [&] {
            CString text;
            if (editor()) editor()->GetWindowText(text);
            return text;
        };
        CRect cell;
        dialog.m_grid.GetCellRect(2, 2, &cell);
        ClickAt(&dialog.m_grid, cell.CenterPoint());
        PressKey(&dialog.m_grid, VK_F2);
        ASSERT_NE(editor(), nullptr);
        CopyToClipboard("2");
        EXPECT_TRUE(ChooseFromContextMenu(editor(), CPoint(4, 4), "Поставяне"));
        EXPECT_EQ(edited(), name);
        // The window system gives the dialog back its focus once the menu is gone.
        ActivateTopLevel(&dialog);
        ASSERT_TRUE(PumpUntil([&] { return CWnd::GetFocus() == editor(); }));

        const int scrolled = dialog.m_grid.GetScrollPos32(SB_HORZ);
        boxes.shown = true;
        PasteText(editor(), "日.bmp");
        EXPECT_EQ(edited(), name);
        EXPECT_EQ(dialog.m_grid.GetScrollPos32(SB_HORZ), scrolled);
        ActivateTopLevel(&dialog);  // and once the box is gone
        ASSERT_TRUE(PumpUntil([&] { return CWnd::GetFocus() == editor(); }));
        PressKey(editor(), VK_RETURN);
        rows = GridRows(dialog.m_grid);
        PressKey(&dialog, VK_F8);
    });
    Click(*page, CCommonForm_InsertImages::IDC_ADD_PHOTO);
    EXPECT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(rows, (std::vector<CString>{"1||а.bmp", "2||" + name}));
}

TEST(DrawImageFitTest, APictureFillsTheAreaOneWayAndIsCentredTheOther) {
    // A wide picture in a tall area: the area's width, centred down.
    EXPECT_EQ(FitImageRect(200, 100, 10, 10, 110, 310), CRect(10, 135, 110, 185));
    // A tall picture in a wide area: the area's height, centred across.
    EXPECT_EQ(FitImageRect(100, 200, 0, 0, 400, 100), CRect(175, 0, 225, 100));
    // The same proportions: the whole area.
    EXPECT_EQ(FitImageRect(40, 30, 0, 0, 80, 60), CRect(0, 0, 80, 60));
    EXPECT_TRUE(FitImageRect(40, 30, 10, 10, 10, 60).IsRectEmpty());
    EXPECT_TRUE(FitImageRect(0, 30, 0, 0, 80, 60).IsRectEmpty());
}

}  // namespace
