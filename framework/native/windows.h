#pragma once
// Native stand-in for the few Windows types and text functions the portable core uses, so
// that it builds on the host under the sanitizers. Text is UTF-16 as on Windows; the unit is
// char16_t, since wchar_t has 32 bits here.

#include <cstdint>
#include <cstring>
#include <cwctype>
#include <locale.h>

typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef uint32_t DWORD;
typedef unsigned int UINT;
typedef int32_t LONG;
typedef int INT;
typedef char CHAR;
typedef char16_t WCHAR;
typedef WCHAR TCHAR;
typedef WCHAR* LPWSTR;
typedef const WCHAR* LPCWSTR;
typedef TCHAR* LPTSTR;
typedef const TCHAR* LPCTSTR;
typedef DWORD COLORREF;
typedef DWORD LCID;
typedef uint32_t ULONG;
typedef int64_t LONGLONG;
typedef uint64_t ULONGLONG;
typedef void* HANDLE;

#define INVALID_HANDLE_VALUE ((HANDLE)(intptr_t)-1)

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

#define RGB(r, g, b)                                                                               \
    ((COLORREF)(((BYTE)(r) | ((WORD)((BYTE)(g)) << 8)) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(rgb) ((BYTE)(rgb))
#define GetGValue(rgb) ((BYTE)(((WORD)(rgb)) >> 8))
#define GetBValue(rgb) ((BYTE)((rgb) >> 16))

typedef struct tagRECT {
    LONG left, top, right, bottom;
} RECT, *LPRECT;
typedef const RECT* LPCRECT;
typedef struct tagPOINT {
    LONG x, y;
} POINT;
typedef struct tagSIZE {
    LONG cx, cy;
} SIZE;

#define DT_LEFT 0x0000
#define DT_CENTER 0x0001
#define DT_RIGHT 0x0002

#define ODS_SELECTED 0x0001
#define ODS_GRAYED 0x0002
#define ODS_DISABLED 0x0004
#define ODS_CHECKED 0x0008
#define ODS_FOCUS 0x0010
#define ODS_DEFAULT 0x0020

#define FILE_ATTRIBUTE_READONLY 0x00000001
#define FILE_ATTRIBUTE_HIDDEN 0x00000002
#define FILE_ATTRIBUTE_SYSTEM 0x00000004
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010
#define FILE_ATTRIBUTE_ARCHIVE 0x00000020
#define FILE_ATTRIBUTE_NORMAL 0x00000080
#define FILE_ATTRIBUTE_REPARSE_POINT 0x00000400

#define LOCALE_INVARIANT 0x007f
#define LCMAP_UPPERCASE 0x00000200

inline int lstrlenW(LPCWSTR text)
{
    if (!text) return 0;
    int length = 0;
    while (text[length]) ++length;
    return length;
}

inline LPWSTR lstrcpyW(LPWSTR to, LPCWSTR from)
{
    std::memcpy(to, from, (static_cast<size_t>(lstrlenW(from)) + 1) * sizeof(WCHAR));
    return to;
}

namespace native_standin {
// Simple case mapping of one code unit, as the host's Unicode tables give it; surrogates
// stay as they are.
inline WCHAR Upper(WCHAR c)
{
    static const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
    if (c >= 0xD800 && c <= 0xDFFF) return c;
    return static_cast<WCHAR>(towupper_l(static_cast<wint_t>(c), utf8));
}
inline WCHAR Lower(WCHAR c)
{
    return (c >= u'A' && c <= u'Z') ? WCHAR(c - u'A' + u'a') : c;
}
}  // namespace native_standin

// Only the upper-case mapping the core asks for; the result has the source's length.
inline int LCMapStringW(LCID, DWORD flags, LPCWSTR source, int length, LPWSTR target, int size)
{
    if (flags != LCMAP_UPPERCASE || length < 0 || size < length) return 0;
    for (int i = 0; i < length; ++i) target[i] = native_standin::Upper(source[i]);
    return length;
}

// Like the platform's word sort for plain ASCII: letters compare without regard to case first,
// and only texts that differ in case alone put the lower-case one first.
inline int lstrcmpW(LPCWSTR a, LPCWSTR b)
{
    using native_standin::Lower;
    int caseOrder = 0;
    for (;; ++a, ++b) {
        const WCHAR ca = Lower(*a);
        const WCHAR cb = Lower(*b);
        if (ca != cb) return ca < cb ? -1 : 1;
        if (ca == 0) return caseOrder;
        if (caseOrder == 0 && *a != *b) caseOrder = (*a >= u'a' && *a <= u'z') ? -1 : 1;
    }
}
