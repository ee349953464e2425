// The program's entry; kept apart from the framework so test binaries keep their own main.
#include <windows.h>
#include <mbctype.h>

#include "framework/CWinApp.h"

// The C runtime has run the static initialisers (the application object among them) by now.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    // Multibyte rules of the runtime (_ismbcdigit, ...) follow the system's ANSI code page.
    _setmbcp(_MB_CP_ANSI);
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
