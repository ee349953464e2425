#pragma once
// Native stand-in: the list view column formats.

#include <windows.h>

#define LVCFMT_LEFT 0x0000
#define LVCFMT_RIGHT 0x0001
#define LVCFMT_CENTER 0x0002
