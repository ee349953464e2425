#pragma once
// The shell's folder picker.

#include "framework/WideString.h"

// The chosen folder's full path, however long; empty when the user cancels or the choice
// has no file-system path.
WString BrowseForFolder();
