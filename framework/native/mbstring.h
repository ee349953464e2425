#pragma once
// Native stand-in: a decimal digit of the multibyte code page, tested one byte at a time.

inline int _ismbcdigit(unsigned int c)
{
    return c >= '0' && c <= '9';
}
