// Drawing through device contexts, checked pixel by pixel on memory bitmaps.
#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>


#include "platform/DC.h"
#include "platform/Gdi.h"
#include "platform/SystemInfo.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(220, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 200);
constexpr COLORREF kGreen = RGB(0, 160, 0);

class MemoryDC : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dc, 160, 80));
        ASSERT_NE(dc.SelectObject(&bitmap), nullptr);
        dc.FillSolidRect(0, 0, 160, 80, kWhite);
        LOGFONT logFont;
        logFont.lfHeight = -13;
        std::strcpy(logFont.lfFaceName, "DejaVu Sans");
        ASSERT_TRUE(font.CreateFontIndirect(&logFont));
        dc.SelectObject(&font);
    }

    COLORREF At(int x, int y) const { return dc.GetPixel(x, y); }

    struct Dot {
        int x, y;
        COLORREF colour;
    };
    // Every listed pixel has its colour.
    void ExpectDots(std::initializer_list<Dot> dots) const {
        for (const Dot& dot : dots) EXPECT_EQ(At(dot.x, dot.y), dot.colour) << "at " << dot.x << "," << dot.y;
    }

    // The smallest rectangle around every pixel that is not white.
    CRect Ink() const {
        CRect box;
        bool any = false;
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 160; ++x)
                if (At(x, y) != kWhite) {
                    box = any ? CRect(std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                                      std::max(box.bottom, y + 1))
                              : CRect(x, y, x + 1, y + 1);
                    any = true;
                }
        return box;
    }

    // The rectangle DrawText measures for the text from a rectangle `width` wide.
    CRect Measured(const CString& text, int width, UINT format) {
        CRect rect(0, 0, width, 0);
        dc.DrawText(text, &rect, DT_CALCRECT | format);
        return rect;
    }

    int LineHeight() const {
        TEXTMETRIC tm;
        dc.GetTextMetrics(&tm);
        return tm.tmHeight;
    }

    CDC dc;
    CBitmap bitmap;
    CFont font;
};

TEST_F(MemoryDC, FillsAndFramesCoverExactlyTheirRectangle) {
    dc.FillSolidRect(10, 10, 20, 15, kRed);
    // Right and bottom are outside.
    ExpectDots({{10, 10, kRed}, {29, 24, kRed}, {30, 24, kWhite}, {29, 25, kWhite}, {9, 10, kWhite}});
    EXPECT_EQ(dc.GetBkColor(), kRed);  // a solid fill leaves its colour as background colour

    CBrush blue(kBlue);
    const CRect frame(40, 10, 50, 20);
    dc.FrameRect(&frame, &blue);
    ExpectDots({{40, 10, kBlue}, {49, 19, kBlue}, {45, 15, kWhite}, {50, 15, kWhite}});
}

TEST_F(MemoryDC, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
    CPen red(PS_SOLID, 1, kRed);
    CBrush green(kGreen);
    dc.SelectObject(&red);
    dc.SelectObject(&green);
    dc.Rectangle(10, 10, 20, 16);
    ExpectDots({{10, 10, kRed}, {19, 15, kRed}, {15, 13, kGreen}, {20, 15, kWhite}, {19, 16, kWhite}});
}

TEST_F(MemoryDC, LinesStopBeforeTheirEndPointWhichBecomesTheCurrentPosition) {
    EXPECT_EQ(dc.MoveTo(5, 5), CPoint(0, 0));
    dc.LineTo(15, 5);
    ExpectDots({{5, 5, kBlack}, {14, 5, kBlack}, {15, 5, kWhite}});
    dc.LineTo(15, 12);  // from where the last line ended
    ExpectDots({{15, 5, kBlack}, {15, 11, kBlack}, {15, 12, kWhite}});
}

TEST_F(MemoryDC, ThreeDimensionalFramesAndEdgesColourTheirSides) {
    const CRect box(10, 10, 20, 20);
    dc.Draw3dRect(&box, kRed, kBlue);
    // The far corners belong to the bottom-right colour.
    ExpectDots({{10, 10, kRed}, {18, 10, kRed}, {19, 10, kBlue}, {10, 19, kBlue}, {19, 19, kBlue}, {15, 15, kWhite}});

    CRect cell(30, 10, 40, 20);
    dc.DrawEdge(&cell, BDR_SUNKENINNER, BF_RECT);
    const COLORREF dark = GetSysColor(COLOR_3DDKSHADOW), light = GetSysColor(COLOR_3DLIGHT);
    ExpectDots({{30, 10, dark}, {30, 18, dark}, {39, 19, light}, {39, 10, light}, {35, 15, kWhite}});
    EXPECT_EQ(cell, CRect(30, 10, 40, 20));
}

// What a grid cell changes while it draws itself between a save and a restore.
TEST_F(MemoryDC, RestoringBringsBackColoursModesAndObjects) {
    CFont other;
    other.CreatePointFont(120, "Liberation Serif");
    dc.SetTextColor(kRed);
    dc.SetBkMode(TRANSPARENT);
    const int first = dc.SaveDC();
    dc.SetTextColor(kBlue);
    dc.SetBkMode(OPAQUE);
    dc.SelectObject(&other);
    dc.SaveDC();
    dc.SetTextColor(kGreen);
    dc.FillSolidRect(0, 0, 1, 1, kGreen);  // a fill leaves its colour as background colour

    ASSERT_TRUE(dc.RestoreDC(-1));
    EXPECT_EQ(dc.GetTextColor(), kBlue);
    EXPECT_EQ(dc.GetBkColor(), kWhite);
    EXPECT_EQ(dc.GetCurrentFont(), &other);

    dc.SaveDC();
    ASSERT_TRUE(dc.RestoreDC(first));  // also drops the saves made after it
    EXPECT_EQ(dc.GetTextColor(), kRed);
    EXPECT_EQ(dc.GetBkMode(), TRANSPARENT);
    EXPECT_EQ(dc.GetCurrentFont(), &font);
    for (const int level : {-1, 0, 7}) EXPECT_FALSE(dc.RestoreDC(level)) << level;  // nothing saved, or never saved
}

TEST_F(MemoryDC, SelectObjectHandsBackWhatWasSelectedBefore) {
    CFont a;
    CFont b;
    a.CreatePointFont(90, "DejaVu Sans");
    b.CreatePointFont(100, "DejaVu Sans");
    EXPECT_EQ(dc.SelectObject(&a), &font);
    EXPECT_EQ(dc.SelectObject(&b), &a);
    CFont empty;
    EXPECT_EQ(dc.SelectObject(&empty), nullptr);  // nothing to select: the font stays
    EXPECT_EQ(dc.GetCurrentFont(), &b);

    // A font destroyed while selected is not handed back; the stock font is, and drawing goes on.
    {
        CFont temporary;
        temporary.CreatePointFont(140, "DejaVu Sans");
        dc.SelectObject(&temporary);
    }
    CFont* previous = dc.SelectObject(&a);
    EXPECT_EQ(previous, CFont::FromHandle(static_cast<HFONT>(GetStockObject(SYSTEM_FONT))));
    EXPECT_NE(previous, nullptr);
    CRect area(0, 0, 160, 80);
    dc.DrawText("Текст", &area, DT_SINGLELINE);
    EXPECT_FALSE(Ink().IsRectNull());
}

TEST_F(MemoryDC, BlockTransfersCopyFromAnotherMemoryDC) {
    CDC source;
    source.CreateCompatibleDC(&dc);
    CBitmap picture;
    picture.CreateCompatibleBitmap(&dc, 10, 10);
    CBitmap* old = source.SelectObject(&picture);
    source.SetWindowOrg(100, 100);
    source.FillSolidRect(100, 100, 5, 10, kRed);
    source.FillSolidRect(105, 100, 5, 10, kBlue);

    EXPECT_TRUE(dc.BitBlt(20, 20, 10, 10, &source, 100, 100, SRCCOPY));
    ExpectDots({{20, 20, kRed}, {29, 29, kBlue}, {30, 30, kWhite}});

    source.SelectObject(old);  // back to no picture: nothing to copy from
    EXPECT_FALSE(dc.BitBlt(0, 0, 10, 10, &source, 0, 0, SRCCOPY));
    CDC nothing;
    EXPECT_FALSE(dc.BitBlt(0, 0, 10, 10, &nothing, 0, 0, SRCCOPY));
}

TEST_F(MemoryDC, TextExtentsGrowWithTheTextAndAgreeWithDrawTextMeasuring) {
    const CSize two = dc.GetTextExtent("Бр");
    const CSize four = dc.GetTextExtent("Брой");
    const CSize many = dc.GetTextExtent("Брой на животните");
    EXPECT_LT(two.cx, four.cx);
    EXPECT_LT(four.cx, many.cx);
    EXPECT_EQ(two.cy, LineHeight());
    EXPECT_EQ(dc.GetTextExtent("").cx, 0);
    EXPECT_EQ(dc.GetTextExtent("", 0).cy, LineHeight());

    CRect measured(10, 10, 11, 11);
    const int height = dc.DrawText("Брой на животните", &measured, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(measured, CRect(10, 10, 10 + many.cx, 10 + LineHeight()));
    EXPECT_EQ(height, LineHeight());
    EXPECT_TRUE(Ink().IsRectNull());  // measuring draws nothing
}

TEST_F(MemoryDC, WordBreakWrapsAtBlanksSoNarrowerRectanglesNeedMoreLines) {
    const CString text = "Дата и час на отчитането на наблюдението";
    auto linesFor = [&](int width) {
        const CRect rect = Measured(text, width, DT_WORDBREAK);
        EXPECT_LE(rect.Width(), std::max(width, dc.GetTextExtent("наблюдението").cx));  // the longest word
        return rect.Height() / LineHeight();
    };
    EXPECT_EQ(linesFor(1000), 1);
    const int medium = linesFor(150);
    const int narrow = linesFor(70);
    EXPECT_GT(medium, 1);
    EXPECT_GT(narrow, medium);

    // Line feeds break lines unless the text is one line; a word longer than the line stays whole.
    EXPECT_EQ(Measured("Брой\nживотни", 200, DT_CENTER).Height(), 2 * LineHeight());
    EXPECT_EQ(Measured("Брой\nживотни", 200, DT_SINGLELINE).Height(), LineHeight());
    const CRect word = Measured("Наблюдение", 20, DT_WORDBREAK);
    EXPECT_EQ(word.Height(), LineHeight());
    EXPECT_GT(word.Width(), 20);
}

TEST_F(MemoryDC, EndEllipsisKeepsALongTextInsideItsCell) {
    const CString text = "Много дълъг текст на клетка от таблицата";
    CRect cell(10, 10, 70, 30);
    dc.SetBkMode(TRANSPARENT);
    dc.DrawText(text, &cell, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    const CRect ink = Ink();
    EXPECT_LE(ink.right, 70);
    EXPECT_GT(ink.right, 55);  // the dots reach the end of the cell
    EXPECT_GE(ink.left, 10);

    // Without the dots the text is cut at the cell's edge.
    dc.FillSolidRect(0, 0, 160, 80, kWhite);
    dc.DrawText(text, &cell, DT_SINGLELINE);
    EXPECT_LE(Ink().right, 70);
}

TEST_F(MemoryDC, PrefixCharactersUnderlineTheNextOneAndDoubledShowOne) {
    EXPECT_EQ(Measured("&Файл", 0, DT_SINGLELINE).Width(), dc.GetTextExtent("Файл").cx);
    EXPECT_EQ(Measured("&Файл", 0, DT_SINGLELINE | DT_NOPREFIX).Width(), dc.GetTextExtent("&Файл").cx);
    EXPECT_EQ(Measured("А && Б", 0, DT_SINGLELINE).Width(), dc.GetTextExtent("А & Б").cx);

    CRect area(10, 10, 150, 40);
    dc.DrawText("Ш", &area, DT_SINGLELINE);
    const CRect plain = Ink();
    dc.FillSolidRect(0, 0, 160, 80, kWhite);
    dc.DrawText("&Ш", &area, DT_SINGLELINE);
    const CRect underlined = Ink();
    EXPECT_GT(underlined.bottom, plain.bottom);
}

TEST_F(MemoryDC, AlignedTextSitsWhereItsFormatSays) {
    CRect whole(0, 0, 160, 80);
    const int bottom = dc.DrawText("Модул", &whole, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EXPECT_EQ(bottom, (80 - LineHeight()) / 2 + LineHeight());
    const CRect centred = Ink();
    EXPECT_NEAR((centred.left + centred.right) / 2, 80, 3);
    EXPECT_NEAR((centred.top + centred.bottom) / 2, 40, 4);

    dc.FillSolidRect(0, 0, 160, 80, kWhite);
    dc.DrawText("Модул", &whole, DT_RIGHT | DT_SINGLELINE);
    EXPECT_GE(Ink().right, 156);
}

TEST_F(MemoryDC, OpaqueTextFillsItsLineBoxWithTheBackgroundColour) {
    dc.SetBkColor(RGB(255, 255, 0));
    CRect area(10, 10, 150, 50);
    dc.DrawText("x", &area, DT_LEFT | DT_SINGLELINE);
    EXPECT_EQ(At(10, 10), RGB(255, 255, 0));
    EXPECT_EQ(At(140, 45), kWhite);

    dc.FillSolidRect(0, 0, 160, 80, kWhite);
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(10, 10, "x");
    EXPECT_EQ(At(10, 10), kWhite);
    EXPECT_FALSE(Ink().IsRectNull());
}

TEST_F(MemoryDC, FontsFollowTheirLogicalDescription) {
    LOGFONT title;
    title.lfHeight = -18;
    title.lfWeight = 551;
    std::strcpy(title.lfFaceName, "Times New Roman");
    CFont titleFont;
    ASSERT_TRUE(titleFont.CreateFontIndirect(&title));
    dc.SelectObject(&titleFont);
    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);
    EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 18);  // negative: the character height
    EXPECT_GT(tm.tmAveCharWidth, 0);  // columns are sized by it

    CFont cell;
    title.lfHeight = 18;  // positive: the whole cell
    cell.CreateFontIndirect(&title);
    dc.SelectObject(&cell);
    dc.GetTextMetrics(&tm);
    EXPECT_NEAR(tm.tmHeight, 18, 1);

    CFont points;
    points.CreatePointFont(90, "DejaVu Sans", &dc);
    LOGFONT back;
    points.GetLogFont(&back);
    EXPECT_EQ(back.lfHeight, -(90 * dc.GetDeviceCaps(LOGPIXELSY) + 360) / 720);

    // Escapement 900 writes upwards.
    LOGFONT vertical;
    vertical.lfHeight = -13;
    vertical.lfEscapement = 900;
    std::strcpy(vertical.lfFaceName, "DejaVu Sans");
    CFont upwards;
    upwards.CreateFontIndirect(&vertical);
    dc.SelectObject(&upwards);
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(20, 70, "Вертикален");
    const CRect ink = Ink();
    EXPECT_GT(ink.Height(), 2 * ink.Width());
    EXPECT_LE(ink.bottom, 72);
}

// The grid holds the cursor inside its area while a divider is dragged.
TEST(Desktop, TheCursorClipHoldsTheCursorUntilItIsLifted) {
    const CRect clip(5000, 5000, 5100, 5050);
    ClipCursor(&clip);
    CPoint where;
    GetCursorPos(&where);
    EXPECT_TRUE(clip.PtInRect(where));
    CRect back;
    GetClipCursor(&back);
    EXPECT_EQ(back, clip);
    ClipCursor(nullptr);
    GetClipCursor(&back);
    EXPECT_EQ(back, CRect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
}

}  // namespace
