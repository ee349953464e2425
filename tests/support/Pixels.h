#pragma once
// A memory DC drawing into a 32-bit top-down DIB section, so tests can read exact pixels.
#include <windows.h>

class PixelCanvas {
public:
    // Filled with `background` at the start.
    PixelCanvas(int width, int height, COLORREF background = RGB(0, 0, 0));
    ~PixelCanvas();
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;

    HDC dc() const { return m_hDC; }
    int width() const { return m_width; }
    int height() const { return m_height; }

    void Fill(COLORREF color);
    // The pixel's colour as RGB(r, g, b), after all drawing has reached the bits.
    COLORREF At(int x, int y) const;

private:
    int m_width;
    int m_height;
    HDC m_hDC;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOldBitmap;
    const DWORD* m_bits;
};
