#pragma once
// Native stand-in: text literals in the build's UTF-16 unit.

#define _T(text) u##text
