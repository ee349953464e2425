#pragma once
// Texts of the portable core as values that gtest compares and prints in both builds.

#include "framework/WideString.h"

#include <gtest/gtest.h>

#include <string>

inline WString Text(LPCTSTR text)
{
    return WString(text ? text : _T(""));
}

// For failure messages: the text quoted, with anything gtest cannot show escaped.
inline std::string Shown(LPCTSTR text)
{
    return ::testing::PrintToString(Text(text));
}
