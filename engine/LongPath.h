#pragma once
// The one absolute folder a clean run checks and walks, and the form in which its paths go
// to the system.

#include "framework/WideString.h"

// The folder text made absolute as the system resolves it ("Z:" is the current folder of
// drive Z, a relative text lies below the current folder); empty when it cannot be.
WString GetAbsolutePath(const WString& text);

// The \\?\ form of an absolute path (\\?\UNC\server\share\... for a share): no length limit,
// and every name taken exactly, trailing dots and spaces and device names included. A path
// already in that form is returned as it is.
WString ToLongPath(const WString& absolute);
