#pragma once
// Test pictures: one with known pixels, and the pixels a picture shows when drawn.
#include <vector>

#include "platform/CxImage.h"
#include "platform/DC.h"
#include "platform/Types.h"

// A picture with known pixels, as the bytes of a 24-bit BMP file: every pixel a function of
// its position and `seed`, so that two pictures differ and a damaged copy shows.

inline std::vector<BYTE> TestBmp(int width, int height, int seed) {
    const int rowBytes = (width * 3 + 3) & ~3;
    const int imageBytes = rowBytes * height;
    std::vector<BYTE> bmp(54 + static_cast<size_t>(imageBytes));
    const auto put32 = [&bmp](int at, unsigned value) {
        for (int i = 0; i < 4; ++i) bmp[at + i] = static_cast<BYTE>(value >> (8 * i));
    };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put32(2, static_cast<unsigned>(bmp.size()));
    put32(10, 54);  // pixels after the two headers
    put32(14, 40);
    put32(18, static_cast<unsigned>(width));
    put32(22, static_cast<unsigned>(height));
    bmp[26] = 1;   // planes
    bmp[28] = 24;  // bits per pixel
    put32(34, static_cast<unsigned>(imageBytes));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            BYTE* pixel = &bmp[54 + static_cast<size_t>(y) * rowBytes + static_cast<size_t>(x) * 3];
            pixel[0] = static_cast<BYTE>(x + seed);
            pixel[1] = static_cast<BYTE>(y * 3 + seed);
            pixel[2] = static_cast<BYTE>(x ^ y);
        }
    return bmp;
}

// The colours of the picture as it is drawn, row by row from the top, read back through a
// memory DC.
inline std::vector<COLORREF> DrawnPixels(const CxImage& picture) {
    const int width = static_cast<int>(picture.GetWidth());
    const int height = static_cast<int>(picture.GetHeight());
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dc, width, height);
    CBitmap* const old = dc.SelectObject(&bitmap);
    picture.Stretch(&dc, 0, 0, width, height);
    std::vector<COLORREF> pixels;
    pixels.reserve(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.push_back(dc.GetPixel(x, y));
    dc.SelectObject(old);
    return pixels;
}
