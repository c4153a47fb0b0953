// Drawing on windows: paint DCs inside OnPaint, client DCs outside it, and a double-buffered
// table drawn the way the grid draws itself.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QWidget>

#include <cstdlib>

#include "platform/DC.h"
#include "platform/Dialog.h"
#include "platform/Gdi.h"
#include "platform/SystemInfo.h"
#include "platform/Wnd.h"
#include "platform/qt/WidgetAccess.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(220, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 200);

COLORREF Pixel(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return RGB(c.red(), c.green(), c.blue());
}

// What the window and its children show now (their paint events run for it).
QImage Shot(CWnd& wnd) { return WidgetOf(&wnd)->grab().toImage().convertToFormat(QImage::Format_RGB32); }

// A window that paints itself a plain colour, or with a picture on a child window.
class Canvas : public CWnd {
public:
    COLORREF ground = kWhite;
    CWnd* preview = nullptr;  // painted from here on the child's client DC, as a picture frame is
    int paints = 0;

protected:
    void OnPaint() override {
        CPaintDC dc(this);
        ++paints;
        CRect client;
        GetClientRect(&client);
        dc.FillSolidRect(&client, ground);
        if (preview) {
            CClientDC frame(preview);
            CRect inside;
            preview->GetClientRect(&inside);
            frame.FillSolidRect(&inside, kBlue);
        }
    }
};

class WindowDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(top.Create(nullptr, "Проба", WS_OVERLAPPED | WS_CAPTION, CRect(0, 0, 200, 120), nullptr, 0));
        ASSERT_TRUE(canvas.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 130, 90), &top, 100));
        top.ShowWindow(SW_SHOW);
    }
    void TearDown() override { top.DestroyWindow(); }

    CWnd top;
    Canvas canvas;
};

TEST_F(WindowDrawing, ClientDrawingShowsAtOnceAndGoesWhenTheWindowPaintsItselfAgain) {
    QImage shot = Shot(canvas);
    EXPECT_EQ(Pixel(shot, 60, 40), kWhite);
    EXPECT_GE(canvas.paints, 1);
    {
        CClientDC dc(&canvas);
        dc.FillSolidRect(10, 10, 20, 20, kRed);  // one cell redrawn now, outside OnPaint
        CRect clip;
        EXPECT_EQ(dc.GetClipBox(&clip), SIMPLEREGION);
        EXPECT_EQ(clip, CRect(0, 0, 120, 80));
    }
    shot = Shot(canvas);
    EXPECT_EQ(Pixel(shot, 15, 15), kRed);
    EXPECT_EQ(Pixel(shot, 35, 15), kWhite);

    canvas.ground = RGB(240, 240, 200);
    canvas.Invalidate();
    shot = Shot(canvas);
    EXPECT_EQ(Pixel(shot, 15, 15), RGB(240, 240, 200));

    // Outside a paint event a paint DC has nothing to paint.
    CPaintDC stray(&canvas);
    CRect clip;
    EXPECT_EQ(stray.GetClipBox(&clip), NULLREGION);
    stray.FillSolidRect(0, 0, 120, 80, kRed);
    EXPECT_EQ(Pixel(Shot(canvas), 60, 40), RGB(240, 240, 200));
}

TEST_F(WindowDrawing, ExclusiveOrMarksCombineWithTheWindowAndGoWhenDrawnAgain) {
    canvas.ground = RGB(10, 100, 200);
    CPen track(PS_SOLID, 1, RGB(200, 200, 200));
    auto drawTrack = [&] {
        CClientDC dc(&canvas);
        dc.SetROP2(R2_NOTXORPEN);
        dc.SelectObject(&track);
        dc.MoveTo(50, 0);
        dc.LineTo(50, 80);
        const CRect divider(80, 0, 82, 80);
        dc.InvertRect(&divider);
    };
    drawTrack();
    QImage shot = Shot(canvas);
    EXPECT_EQ(Pixel(shot, 50, 40), RGB(~(10 ^ 200) & 0xFF, ~(100 ^ 200) & 0xFF, ~(200 ^ 200) & 0xFF));
    EXPECT_EQ(Pixel(shot, 81, 40), RGB(245, 155, 55));
    EXPECT_EQ(Pixel(shot, 51, 40), RGB(10, 100, 200));
    shot = Shot(canvas);  // the window painting itself again keeps the marks
    EXPECT_EQ(Pixel(shot, 81, 40), RGB(245, 155, 55));
    drawTrack();
    shot = Shot(canvas);
    EXPECT_EQ(Pixel(shot, 50, 40), RGB(10, 100, 200));
    EXPECT_EQ(Pixel(shot, 81, 40), RGB(10, 100, 200));
}

TEST_F(WindowDrawing, APictureDrawnOnAChildWhileThePageIsPaintedStaysAndCanBeTakenAway) {
    CWnd frame;  // a child that never paints itself: the parent paints into it
    ASSERT_TRUE(frame.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(20, 20, 60, 50), &canvas, 101));
    canvas.preview = &frame;
    QImage shot = Shot(canvas);
    EXPECT_EQ(Pixel(shot, 40, 35), kBlue);
    EXPECT_EQ(Pixel(shot, 10, 10), kWhite);
    // Painting into a child while painting asks for no further painting.
    const int paints = canvas.paints;
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    EXPECT_LE(canvas.paints - paints, 2);

    canvas.preview = nullptr;  // the picture is removed: the page's repaint takes it away
    canvas.Invalidate();
    shot = Shot(canvas);
    EXPECT_EQ(Pixel(shot, 40, 35), kWhite);
}

// A small table drawn as the grid draws it: into a bitmap over the clip box, then copied.
class Table : public CWnd {
protected:
    void OnPaint() override {
        CPaintDC paint(this);
        CRect clip;
        paint.GetClipBox(&clip);
        CDC buffer;
        buffer.CreateCompatibleDC(&paint);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&paint, clip.Width(), clip.Height());
        CBitmap* oldBitmap = buffer.SelectObject(&bitmap);
        buffer.SetWindowOrg(clip.left, clip.top);
        buffer.FillSolidRect(&clip, GetSysColor(COLOR_WINDOW));
        Draw(buffer);
        paint.BitBlt(clip.left, clip.top, clip.Width(), clip.Height(), &buffer, clip.left, clip.top, SRCCOPY);
        buffer.SelectObject(oldBitmap);
    }

private:
    // What the asserts look at: a highlighted row, grid lines, a focus frame, a sunken edge.
    void Draw(CDC& dc) {
        dc.FillSolidRect(0, 46, 300, 22, GetSysColor(COLOR_HIGHLIGHT));
        CPen line(PS_SOLID, 0, RGB(0xC0, 0xC0, 0xC0));
        CPen* oldPen = dc.SelectObject(&line);
        for (const int x : {29, 149, 209}) {
            dc.MoveTo(x, 24);
            dc.LineTo(x, 90);
        }
        dc.SelectObject(oldPen);
        CRect focus(30, 46, 150, 68);
        CBrush frame(GetSysColor(COLOR_WINDOWTEXT));
        dc.FrameRect(&focus, &frame);
        CRect sunken(0, 96, 300, 120);
        dc.DrawEdge(&sunken, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
        dc.DrawText("Модулът е в процес на разработка.", &sunken, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
};

TEST_F(WindowDrawing, ADoubleBufferedTableLandsWhereItWasDrawn) {
    Table table;
    ASSERT_TRUE(table.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 120), &top, 102));
    const QImage shot = Shot(table);
    EXPECT_EQ(Pixel(shot, 30, 57), GetSysColor(COLOR_WINDOWTEXT));  // the focus frame
    EXPECT_EQ(Pixel(shot, 100, 50), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(Pixel(shot, 2, 93), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(Pixel(shot, 29, 40), RGB(0xC0, 0xC0, 0xC0));  // a grid line
    EXPECT_EQ(Pixel(shot, 0, 96), GetSysColor(COLOR_3DSHADOW));
}

}  // namespace

namespace {

constexpr COLORREF kYellow = RGB(255, 255, 0);

const DialogTemplate kColouredTemplate{0, "Цветове", {160, 80}, {
    Label(10, "Текст", {7, 7, 60, 20}),
    GroupBox(11, "Група", {80, 7, 70, 40}),
    Edit(12, {7, 50, 60, 13}),
}};

// A dialog that paints itself, its texts and its group box on yellow, text in red.
class ColouredDialog : public CDialog {
public:
    ColouredDialog() : CDialog(kColouredTemplate) {}

    bool colour = true;

protected:
    HBRUSH OnCtlColor(CDC* dc, CWnd*, UINT) override {
        dc->SetTextColor(kRed);
        dc->SetBkMode(TRANSPARENT);
        return colour ? static_cast<HBRUSH>(m_brush) : nullptr;
    }

private:
    CBrush m_brush{kYellow};
};

// The pixels of a control's rectangle that are near the colour (text is smoothed at its edges).
int Count(CDialog& dialog, const QImage& image, int id, COLORREF colour) {
    CRect rect;
    dialog.GetDlgItem(id)->GetWindowRect(&rect);
    dialog.ScreenToClient(&rect);
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x) {
            const COLORREF pixel = Pixel(image, x, y);
            count += std::abs(GetRValue(pixel) - GetRValue(colour)) + std::abs(GetGValue(pixel) - GetGValue(colour)) +
                         std::abs(GetBValue(pixel) - GetBValue(colour)) < 90;
        }
    return count;
}

}  // namespace

TEST(ControlColours, TheDialogsHandlerPaintsItsBackgroundTextsAndGroupBoxButNotItsEdits) {
    ColouredDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(kColouredTemplate));
    dialog.ShowWindow(SW_SHOW);
    QImage shot = Shot(dialog);
    EXPECT_EQ(Pixel(shot, 2, 2), kYellow);
    EXPECT_GT(Count(dialog, shot, 10, kYellow), 300);  // the static's own background
    EXPECT_GT(Count(dialog, shot, 10, kRed), 10);      // and its text
    EXPECT_GT(Count(dialog, shot, 11, kYellow), 1000);
    EXPECT_LT(Count(dialog, shot, 12, kYellow), 10);

    // Without a brush the usual look comes back.
    dialog.colour = false;
    dialog.Invalidate();
    shot = Shot(dialog);
    EXPECT_NE(Pixel(shot, 2, 2), kYellow);
    EXPECT_EQ(Count(dialog, shot, 10, kYellow) + Count(dialog, shot, 10, kRed), 0);
    dialog.DestroyWindow();
}
