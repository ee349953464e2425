// Lines on standard output or error: the console's own wide output on a console, UTF-8 when
// redirected to a file or a pipe.
#pragma once

#include "framework/WideString.h"

#include <windows.h>

// stream: STD_OUTPUT_HANDLE or STD_ERROR_HANDLE.
void WriteLine(DWORD stream, const WString& text);
