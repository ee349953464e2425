#pragma once
// The shell's folder picker.

#include <string>

// The chosen folder's full path; empty when the user cancels or the choice has no
// file-system path.
std::string BrowseForFolder();
