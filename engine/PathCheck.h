#pragma once
// Whether the folder text names a folder that may be cleaned.

// True only when the path's attributes are exactly FILE_ATTRIBUTE_DIRECTORY: a folder with
// any further attribute (read-only, hidden, system, archive, a link, ...) is refused.
bool IsFolderPath(const char* path);
