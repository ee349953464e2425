#pragma once
// Deletes everything inside a folder, leaving the folder itself.

#include "framework/WideString.h"

// Depth first; every entry's attributes are reset to normal before it is deleted. A link
// inside is removed as a link, its target untouched; a folder that is itself a link, or is
// missing, is left as it is. Failures leave the entry (and so its folders) in place.
void EmptyFolder(const WString& folder);
