#pragma once
// Whether the folder text names a folder that may be cleaned.

#include "framework/WideString.h"

// True only when the path's attributes are exactly FILE_ATTRIBUTE_DIRECTORY: a folder with
// any further attribute (read-only, hidden, system, archive, a link, ...) is refused.
bool IsFolderPath(LPCWSTR path);
