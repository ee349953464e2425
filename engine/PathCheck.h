#pragma once
// Whether the folder text names a folder that may be cleaned.

#include "engine/FileSystem.h"

// True for a folder at the \\?\ path, as the run sees it (the System32 redirection off),
// whatever its data attributes: Windows sets read-only on Documents and every customised
// folder without meaning it, and folders may be not indexed, compressed, encrypted or in a
// cloud provider's states. A file, a missing path, a link, and a hidden or system folder
// are refused, except a drive's or a share's root, which NTFS marks hidden and system.
bool IsFolderToClean(FileSystem& fileSystem, const WString& longPath);
