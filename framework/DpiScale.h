#pragma once
// Lengths drawn at 96 DPI (100 %), taken to another scale. Portable: no window code.

// 96 DPI is the scale every length in the program is written for.
const unsigned kDefaultDpi = 96;

// A length of `value` pixels at 96 DPI, at `dpi`, rounded to the nearest pixel.
inline int ScaleToDpi(int value, unsigned dpi)
{
    return (value * static_cast<int>(dpi) + static_cast<int>(kDefaultDpi) / 2) /
           static_cast<int>(kDefaultDpi);
}

// The 96 DPI pixel that pixel `value` at `dpi` stands for (a pixel row of a stretched strip).
inline int UnscaleFromDpi(int value, unsigned dpi)
{
    return value * static_cast<int>(kDefaultDpi) / static_cast<int>(dpi);
}
