#include "tests/support/Pixels.h"

#include <stdexcept>

PixelCanvas::PixelCanvas(int width, int height, COLORREF background)
    : m_width(width),
      m_height(height),
      m_hDC(CreateCompatibleDC(nullptr)),
      m_bits(nullptr)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down: row 0 first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_hBitmap = CreateDIBSection(m_hDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (m_hBitmap == nullptr) throw std::runtime_error("CreateDIBSection failed");
    m_bits = static_cast<const DWORD*>(bits);
    m_hOldBitmap = SelectObject(m_hDC, m_hBitmap);
    Fill(background);
}

PixelCanvas::~PixelCanvas()
{
    SelectObject(m_hDC, m_hOldBitmap);
    DeleteObject(m_hBitmap);
    DeleteDC(m_hDC);
}

void PixelCanvas::Fill(COLORREF color)
{
    HBRUSH brush = CreateSolidBrush(color);
    RECT all = {0, 0, m_width, m_height};
    FillRect(m_hDC, &all, brush);
    DeleteObject(brush);
}

COLORREF PixelCanvas::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        throw std::out_of_range("pixel outside the canvas");
    GdiFlush();
    DWORD pixel = m_bits[y * m_width + x];  // 0x00RRGGBB
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}
