#pragma once
// A size as Explorer shows it.

#include "framework/WideString.h"

// "532 " + bytesWord below 1 KB; else three significant digits of KB, MB, GB, TB, PB or EB
// (base 1024, truncated, never rounded up): 1340 -> "1.30 KB", 1,024,000 -> "0.97 MB".
WString ByteSizeText(ULONGLONG bytes, const WString& bytesWord);
