// Pictures, the profile, help topics, opening documents, the clipboard and printing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextBrowser>

#include <vector>

#include "platform/CxImage.h"
#include "platform/DataTransfer.h"
#include "platform/DC.h"
#include "platform/Desktop.h"
#include "platform/HtmlHelp.h"
#include "platform/Printing.h"
#include "platform/Profile.h"
#include "platform/Wnd.h"
#include "platform/qt/WidgetAccess.h"
#include "tests/platform/FrameworkFixture.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/TestPicture.h"
#include "tests/support/WindowFixture.h"

namespace {

// A temporary folder for one test, removed afterwards.
class TempFolder {
public:
    TempFolder() : m_path(MakeTempFolder()) {}
    ~TempFolder() { QDir(QString::fromUtf8(m_path.GetString())).removeRecursively(); }
    CString operator/(const char* name) const { return m_path + name; }
    QString Q(const char* name) const { return QString::fromUtf8((m_path + name).GetString()); }

private:
    CString m_path;
};

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Seven by five pixels (odd sizes test the row padding of BMP), every pixel its own colour.
QImage Sample() {
    QImage image(7, 5, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixelColor(x, y, QColor(30 * x, 50 * y, 255 - 20 * x - 10 * y));
    return image;
}

// The picture as a CxImage shows it.
QImage Pixels(const CxImage& picture) {
    const int width = static_cast<int>(picture.GetWidth());
    const int height = static_cast<int>(picture.GetHeight());
    const std::vector<COLORREF> pixels = DrawnPixels(picture);
    QImage result(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const COLORREF c = pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
            result.setPixelColor(x, y, QColor(GetRValue(c), GetGValue(c), GetBValue(c)));
        }
    return result;
}

// Encodes to BMP bytes, checks they are a 24-bit BMP file, and decodes them again.
CxImage ThroughBmp(const CxImage& picture) {
    BYTE* buffer = nullptr;
    long size = 0;
    CxImage decoded;
    EXPECT_TRUE(picture.Encode(buffer, size, CXIMAGE_FORMAT_BMP));
    if (!buffer) return decoded;
    EXPECT_GT(size, 54);
    EXPECT_EQ(buffer[0], 'B');
    EXPECT_EQ(buffer[1], 'M');
    EXPECT_EQ(buffer[28], 24);  // bits per pixel
    EXPECT_TRUE(decoded.Decode(buffer, static_cast<DWORD>(size), CXIMAGE_FORMAT_BMP));
    CxImage::FreeMemory(buffer);
    return decoded;
}

TEST(CxImage, EveryWritableFormatLoadsAndSurvivesTheBmpRoundTrip) {
    TempFolder folder;
    struct Case {
        const char* file;
        const char* qtFormat;
        bool exact;  // lossless for this picture
    };
    const Case cases[] = {
        {"sample.bmp", "bmp", true}, {"sample.png", "png", true}, {"sample.jpg", "jpeg", false}, {"sample.tif", "tiff", true},
        {"без-разширение", "png", true},  // found by content
    };
    const QImage sample = Sample();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        ASSERT_TRUE(QImageWriter::supportedImageFormats().contains(c.qtFormat));
        ASSERT_TRUE(sample.save(folder.Q(c.file), c.qtFormat));
        CxImage picture;
        ASSERT_TRUE(picture.Load(folder / c.file));
        EXPECT_TRUE(picture.IsValid());
        EXPECT_EQ(picture.GetWidth(), 7u);
        EXPECT_EQ(picture.GetHeight(), 5u);
        const QImage loaded = Pixels(picture);
        if (c.exact) {
            EXPECT_EQ(loaded, sample.convertToFormat(QImage::Format_RGB32));
        }
        const CxImage back = ThroughBmp(picture);
        ASSERT_TRUE(back.IsValid());
        EXPECT_EQ(Pixels(back), loaded);
    }
}

// The pictures dialog offers GIF files; Qt writes none, so the file is made byte by byte.
TEST(CxImage, GifFilesLoadToo) {
    TempFolder folder;
    // One red pixel: colour table red and blue, LZW codes clear, 0, end.
    const QByteArray gif = QByteArray::fromHex("474946383961010001008000 00ff0000 0000ff"
                                               "2c0000000001000100000202440100 3b");
    WriteBytes(folder.Q("pixel.gif"), gif);
    CxImage pixel;
    ASSERT_TRUE(pixel.Load(folder / "pixel.gif"));
    EXPECT_EQ(Pixels(ThroughBmp(pixel)).pixelColor(0, 0), QColor(Qt::red));
}

TEST(CxImage, TransparentPartsBecomeWhiteInTheStoredBmp) {
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixelColor(0, 0, QColor(0, 0, 0, 0));
    image.setPixelColor(1, 0, QColor(0, 0, 255));
    TempFolder folder;
    ASSERT_TRUE(image.save(folder.Q("clear.png")));
    CxImage picture;
    ASSERT_TRUE(picture.Load(folder / "clear.png"));
    const QImage shown = Pixels(ThroughBmp(picture));
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(shown.pixelColor(1, 0), QColor(Qt::blue));
}

TEST(CxImage, EmptyDamagedAndUnknownDataIsRefusedCleanly) {
    TempFolder folder;
    const QImage sample = Sample();
    ASSERT_TRUE(sample.save(folder.Q("good.png")));
    QFile good(folder.Q("good.png"));
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    const QByteArray png = good.readAll();
    WriteBytes(folder.Q("empty.png"), QByteArray());
    WriteBytes(folder.Q("cut.png"), png.left(24));
    WriteBytes(folder.Q("noise.jpg"), QByteArray(500, '\x5A'));
    WriteBytes(folder.Q("notes.txt"), "Това не е картина.\n");

    CxImage picture;
    ASSERT_TRUE(picture.Load(folder / "good.png"));
    for (const char* name : {"empty.png", "cut.png", "noise.jpg", "notes.txt", "missing.bmp"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(picture.Load(folder / name));
        EXPECT_FALSE(picture.IsValid());  // a failed load leaves no half picture behind
        EXPECT_EQ(picture.GetWidth(), 0u);
    }

    EXPECT_FALSE(picture.Decode(nullptr, 0, CXIMAGE_FORMAT_BMP));
    // A BMP cut after its headers, and PNG bytes handed in as BMP.
    CxImage valid;
    ASSERT_TRUE(valid.Load(folder / "good.png"));
    BYTE* buffer = nullptr;
    long size = 0;
    ASSERT_TRUE(valid.Encode(buffer, size, CXIMAGE_FORMAT_BMP));
    EXPECT_FALSE(picture.Decode(buffer, 60, CXIMAGE_FORMAT_BMP));
    CxImage::FreeMemory(buffer);
    EXPECT_FALSE(picture.Decode(reinterpret_cast<const BYTE*>(png.constData()), static_cast<DWORD>(png.size()),
                                CXIMAGE_FORMAT_BMP));

    // Nothing to encode: no buffer.
    EXPECT_FALSE(picture.Encode(buffer, size, CXIMAGE_FORMAT_BMP));
    EXPECT_EQ(buffer, nullptr);
    EXPECT_EQ(size, 0);

    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    EXPECT_EQ(picture.Stretch(&dc, 0, 0, 10, 10), 0);
}

TEST(CxImage, StretchFillsTheGivenRectangleOnly) {
    QImage quadrants(2, 2, QImage::Format_RGB32);
    quadrants.setPixelColor(0, 0, Qt::red);
    quadrants.setPixelColor(1, 0, Qt::green);
    quadrants.setPixelColor(0, 1, Qt::blue);
    quadrants.setPixelColor(1, 1, Qt::black);
    TempFolder folder;
    ASSERT_TRUE(quadrants.save(folder.Q("q.bmp")));
    CxImage picture;
    ASSERT_TRUE(picture.Load(folder / "q.bmp"));

    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dc, 40, 30);
    dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, 40, 30, RGB(255, 255, 255));
    EXPECT_EQ(picture.Stretch(&dc, CRect(10, 5, 30, 25)), 1);
    const struct {
        int x, y;
        COLORREF colour;
    } dots[] = {{10, 5, RGB(255, 0, 0)}, {29, 5, RGB(0, 255, 0)},      {10, 24, RGB(0, 0, 255)},    {29, 24, RGB(0, 0, 0)},
                {9, 5, RGB(255, 255, 255)}, {30, 24, RGB(255, 255, 255)}, {29, 25, RGB(255, 255, 255)}};
    for (const auto& dot : dots) EXPECT_EQ(dc.GetPixel(dot.x, dot.y), dot.colour) << dot.x << "," << dot.y;
}

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override { SetProfileFile(m_folder / "settings/quorin.ini"); }
    void TearDown() override { SetProfileFile(""); }
    QByteArray FileText() const {
        QFile file(m_folder.Q("settings/quorin.ini"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    TempFolder m_folder;
};

TEST_F(ProfileTest, EntriesRoundTripThroughTheIniFile) {
    EXPECT_EQ(GetProfileInt("Settings", "RIOSW_ID", -1), -1);
    ASSERT_TRUE(WriteProfileInt("Settings", "RIOSW_ID", 17));
    EXPECT_EQ(GetProfileInt("Settings", "RIOSW_ID", -1), 17);
    EXPECT_TRUE(FileText().contains("[Settings]"));
    EXPECT_TRUE(FileText().contains("RIOSW_ID=17"));
    ASSERT_TRUE(WriteProfileInt("Settings", "RIOSW_ID", -3));
    EXPECT_EQ(GetProfileInt("Settings", "RIOSW_ID", -1), -3);
    // A value that is no integer (the file edited by hand) gives the default.
    ASSERT_TRUE(WriteProfileString("Settings", "RIOSW_ID", "седем"));
    EXPECT_EQ(GetProfileInt("Settings", "RIOSW_ID", -1), -1);

    SetProfileFile("");
    EXPECT_TRUE(GetProfileFile().Right(19) == "/Quorin/quorin.ini" || GetProfileFile().Right(18) == "/Quorin/quorin.ini");
}

TEST(HtmlHelp, TopicsNameThePagesOfTheHelpFolder) {
    // As the help command and the message boxes name them: beside the program, or relative.
    EXPECT_EQ(HelpTopicFile("/opt/quorin/quorin.chm::/Content.htm"), "/opt/quorin/help/Content.htm");
    EXPECT_EQ(HelpTopicFile("/opt/quorin/quorin.chm::/Content.htm#12"), "/opt/quorin/help/Content.htm");
    EXPECT_EQ(HelpTopicFile("quorin.chm::/Content.htm"), "help/Content.htm");
}

TEST(HtmlHelp, TheHelpWindowShowsThePageAndAMissingPageIsReported) {
    MessageBoxLog boxes;
    const DWORD cookie = HtmlHelpInitialize();
    TempFolder folder;
    EXPECT_FALSE(HtmlHelpDisplayTopic(nullptr, folder / "quorin.chm::/Content.htm"));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_GE(boxes.boxes[0].text.Find("help/Content.htm"), 0);

    const CString topic = CString(QUORIN_DATA_DIR) + "/quorin.chm::/Content.htm";
    CWnd owner;
    owner.Create(nullptr, "Кворин", WS_OVERLAPPED, CRect(100, 50, 1100, 850), nullptr, 0);
    owner.ShowWindow(SW_SHOW);
    ASSERT_TRUE(HtmlHelpDisplayTopic(&owner, topic));
    ASSERT_TRUE(HtmlHelpDisplayTopic(&owner, topic + "#login"));  // the same window again
    QList<QTextBrowser*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* browser = qobject_cast<QTextBrowser*>(widget); browser && browser->objectName() == "quorin-help")
            windows << browser;
    ASSERT_EQ(windows.size(), 1);
    EXPECT_TRUE(windows[0]->isVisible());
    EXPECT_TRUE(windows[0]->toPlainText().contains(QString::fromUtf8("Вход в програмата")));
    EXPECT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(windows[0]->geometry().center(), TopWidgetOf(&owner)->window()->geometry().center());
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(windows[0], &escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* widget : QApplication::topLevelWidgets()) EXPECT_NE(widget->objectName(), "quorin-help");

    ASSERT_TRUE(HtmlHelpDisplayTopic(&owner, topic));  // opened again after Escape
    HtmlHelpUninitialize(cookie);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* widget : QApplication::topLevelWidgets()) EXPECT_NE(widget->objectName(), "quorin-help");
}

// Qt's own dialogs speak Bulgarian: their texts, the dates of the file dialog, the print
// dialog's texts that Qt's catalogue leaves out, and the default locale.
TEST(Locale, QtsOwnDialogsSpeakBulgarian) {
    EXPECT_EQ(QLocale().language(), QLocale::Bulgarian);
    EXPECT_TRUE(QLocale::system().toString(QDate(2026, 12, 7), QLocale::LongFormat).contains(QString::fromUtf8("декември")));
    QFileDialog files;
    files.setOption(QFileDialog::DontUseNativeDialog);
    QStringList texts;
    for (const QLabel* label : files.findChildren<QLabel*>()) texts << label->text();
    EXPECT_TRUE(texts.contains(QString::fromUtf8("Преглед на:"))) << texts.join('|').toStdString();
    EXPECT_EQ(QFileIconProvider().type(QFileInfo(QDir::tempPath())), QString::fromUtf8("Папка"));
    QPrinter printer;
    QPrintDialog print(&printer);
    texts.clear();
    for (const QGroupBox* box : print.findChildren<QGroupBox*>()) texts << box->title();
    EXPECT_TRUE(texts.contains(QString::fromUtf8("Двустранен печат"))) << texts.join('|').toStdString();
}

// Qt's page setup (alone, from the print preview, in the printer's properties) draws its
// sample page in a font scaled from the dialog font by point size: with the program's fonts
// it is drawn without a warning.
TEST(Printing, ThePageSetupIsDrawnWithoutAWarning) {
    QPrinter printer;
    QPageSetupDialog setup(&printer);
    const QtWarnings warnings;
    setup.grab();
    EXPECT_EQ(warnings.texts, std::vector<std::string>{});
}

TEST(Desktop, TargetsOpenAsAddressesOrExistingFiles) {
    std::vector<CString> opened;
    bool works = true;
    SetDesktopOpener([&](const CString& url) {
        opened.push_back(url);
        return works;
    });
    TempFolder folder;
    WriteBytes(folder.Q("отчет.pdf"), "%PDF-1.4");

    EXPECT_GT(ShellExecute(nullptr, "open", "www.moew.government.bg", nullptr, nullptr, SW_SHOW), HINSTANCE_ERROR);
    EXPECT_GT(ShellExecute(nullptr, "open", "mailto:info@example.org", nullptr, nullptr, SW_SHOW), HINSTANCE_ERROR);
    EXPECT_GT(ShellExecute(nullptr, "open", folder / "отчет.pdf", nullptr, nullptr, SW_SHOW), HINSTANCE_ERROR);
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_EQ(opened[0], "http://www.moew.government.bg");
    EXPECT_EQ(opened[1], "mailto:info@example.org");
    EXPECT_EQ(opened[2].Left(8), "file:///");

    EXPECT_EQ(ShellExecute(nullptr, "open", folder / "няма.pdf", nullptr, nullptr, SW_SHOW), SE_ERR_FNF);
    EXPECT_EQ(ShellExecute(nullptr, "open", folder / "няма/отчет.pdf", nullptr, nullptr, SW_SHOW), SE_ERR_PNF);
    EXPECT_EQ(ShellExecute(nullptr, "open", "", nullptr, nullptr, SW_SHOW), SE_ERR_FNF);
    works = false;
    EXPECT_EQ(ShellExecute(nullptr, "open", "http://example.org", nullptr, nullptr, SW_SHOW), SE_ERR_NOASSOC);
    EXPECT_EQ(opened.size(), 4u);
    SetDesktopOpener(nullptr);
}

TEST(Desktop, ClipboardTextRoundTrips) {
    const CString copied = "№\tВид\r\n1\tКафява мечка";
    ASSERT_TRUE(SetClipboardText(copied));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_FALSE(IsClipboardFormatAvailable(2));  // no bitmap
    EXPECT_EQ(GetClipboardText(), copied);
    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_EQ(GetClipboardText(), "");
}

TEST(Printing, TheJobGetsAPrinterDCForEachPageOfTheChosenRange) {
    PrintSeam seam;
    std::vector<UINT> pages;
    int dpi = 0;
    CSize screenText;
    CSize paperText;
    {
        CDC screen;
        screen.CreateDC("DISPLAY", nullptr, nullptr, nullptr);
        screenText = screen.GetTextExtent("Модулът е в процес на разработка.");
    }
    CPrintJob job;
    job.beginPrinting = [](CDC* dc, CPrintInfo* info) {
        EXPECT_TRUE(dc->IsPrinting());
        info->SetMaxPage(3);
    };
    job.printPage = [&](CDC* dc, CPrintInfo* info) {
        pages.push_back(info->m_nCurPage);
        dpi = dc->GetDeviceCaps(LOGPIXELSX);
        EXPECT_EQ(info->m_rectDraw, CRect(0, 0, dc->GetDeviceCaps(HORZRES), dc->GetDeviceCaps(VERTRES)));
        paperText = dc->GetTextExtent("Модулът е в процес на разработка.");
    };
    CPrintInfo info;
    ASSERT_TRUE(DoPreparePrinting(nullptr, &info));
    ASSERT_TRUE(PrintJob(job, &info));
    EXPECT_EQ(pages, (std::vector<UINT>{1, 2, 3}));
    EXPECT_EQ(seam.PdfPages(), 3);
    EXPECT_GE(dpi, 300);
    // The default font keeps its size on paper.
    EXPECT_NEAR(double(paperText.cx) / dpi, double(screenText.cx) / 96, 0.15);

    // The user's range, and a job that does not know its page count prints one page.
    pages.clear();
    info.m_nFromPage = 2;
    info.m_nToPage = 2;
    ASSERT_TRUE(PrintJob(job, &info));
    EXPECT_EQ(pages, (std::vector<UINT>{2}));
    job.beginPrinting = nullptr;
    pages.clear();
    CPrintInfo unknown;
    ASSERT_TRUE(PrintJob(job, &unknown));
    EXPECT_EQ(pages, (std::vector<UINT>{1}));
    EXPECT_EQ(seam.PdfPages(), 1);
}

// Printing and preview from a view, and the print dialog refused, are walked in the frame tests.
TEST(Printing, PageSetupAsksTheHandlerAndAJobWithNothingToDrawFails) {
    PrintSeam seam(FALSE);
    EXPECT_FALSE(DoPrintSetup(nullptr));
    EXPECT_EQ(seam.asked, std::vector<PrintDialogKind>{PrintDialogKind::PageSetup});
    CPrintInfo info;
    EXPECT_FALSE(PrintJob(CPrintJob{}, &info));
}

// A drop target answers for its window: it sees the text, the point and the keys, and what
// it refuses is not dropped.
TEST(DataTransfer, ADropTargetTakesTheDropsItAcceptsAndNoneAfterRevoke) {
    struct CopyOnlyWithCtrl : COleDropTarget {
        DROPEFFECT OnDragEnter(CWnd*, COleDataObject* data, DWORD keys, CPoint) override {
            return data->IsDataAvailable(CF_TEXT) && (keys & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
        }
        DROPEFFECT OnDragOver(CWnd* window, COleDataObject* data, DWORD keys, CPoint point) override {
            return OnDragEnter(window, data, keys, point);
        }
        BOOL OnDrop(CWnd*, COleDataObject* data, DROPEFFECT effect, CPoint point) override {
            dropped = data->GetText();
            at = point;
            taken = effect;
            return TRUE;
        }
        CString dropped;
        CPoint at;
        DROPEFFECT taken = DROPEFFECT_NONE;
    } target;
    CWnd window;
    window.Create(nullptr, "цел", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 200, 100), nullptr, 0);
    ASSERT_TRUE(target.Register(&window));
    EXPECT_FALSE(target.Register(&window));
    EXPECT_FALSE(DropText(&window, CPoint(20, 30), "без Ctrl"));
    EXPECT_TRUE(DropText(&window, CPoint(20, 30), "текст", MK_CONTROL));
    EXPECT_EQ(target.dropped, CString("текст"));
    EXPECT_EQ(target.at, CPoint(20, 30));
    EXPECT_EQ(target.taken, DROPEFFECT_COPY);
    target.Revoke();
    EXPECT_FALSE(DropText(&window, CPoint(20, 30), "след", MK_CONTROL));
    EXPECT_EQ(target.dropped, CString("текст"));

    // A drag started by the program gives the effect its target took, within those allowed.
    COleDataSource source;
    source.CacheText("влачен");
    COleDataSource::SetDragHook([](const CString& text, DROPEFFECT) { return text == "влачен" ? DROPEFFECT_MOVE : 0u; });
    EXPECT_EQ(source.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE), DROPEFFECT_MOVE);
    EXPECT_EQ(source.DoDragDrop(DROPEFFECT_COPY), DROPEFFECT_NONE);
    COleDataSource::SetDragHook(nullptr);
    window.DestroyWindow();
}

}  // namespace
