#pragma once
// Native stand-in for the few Windows types and text functions the portable core uses, so
// that it builds on the host under the sanitizers. Text rules follow code page 936 (GBK):
// bytes 0x81-0xFE lead a double-byte character, and only ASCII letters change case.

#include <cstdint>
#include <cstring>

typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef uint32_t DWORD;
typedef unsigned int UINT;
typedef int32_t LONG;
typedef int INT;
typedef char CHAR;
typedef char TCHAR;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef char* LPTSTR;
typedef const char* LPCTSTR;
typedef DWORD COLORREF;

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

inline BOOL IsDBCSLeadByte(BYTE b)
{
    return b >= 0x81 && b <= 0xFE;
}

inline LPSTR CharNextA(LPCSTR p)
{
    if (*p == '\0') return const_cast<LPSTR>(p);
    if (IsDBCSLeadByte(static_cast<BYTE>(*p)) && p[1] != '\0') return const_cast<LPSTR>(p + 2);
    return const_cast<LPSTR>(p + 1);
}

namespace native_standin {
template <typename Fold>
inline LPSTR FoldInPlace(LPSTR text, Fold fold)
{
    for (char* p = text; *p; p = CharNextA(p))
        if (!IsDBCSLeadByte(static_cast<BYTE>(*p))) *p = fold(*p);
    return text;
}
inline char Upper(char c)
{
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}
inline char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}
}  // namespace native_standin

inline LPSTR CharUpperA(LPSTR text)
{
    return native_standin::FoldInPlace(text, native_standin::Upper);
}
inline LPSTR CharLowerA(LPSTR text)
{
    return native_standin::FoldInPlace(text, native_standin::Lower);
}

inline int lstrlenA(LPCSTR text)
{
    return text ? static_cast<int>(std::strlen(text)) : 0;
}
inline LPSTR lstrcpyA(LPSTR to, LPCSTR from)
{
    return std::strcpy(to, from);
}

// Like the platform's word sort for plain ASCII: letters compare without regard to case first,
// and only texts that differ in case alone put the lower-case one first.
inline int lstrcmpA(LPCSTR a, LPCSTR b)
{
    using native_standin::Lower;
    int caseOrder = 0;
    for (;; ++a, ++b) {
        const unsigned char ca = static_cast<unsigned char>(Lower(*a));
        const unsigned char cb = static_cast<unsigned char>(Lower(*b));
        if (ca != cb) return ca < cb ? -1 : 1;
        if (ca == 0) return caseOrder;
        if (caseOrder == 0 && *a != *b) caseOrder = (*a >= 'a' && *a <= 'z') ? -1 : 1;
    }
}
