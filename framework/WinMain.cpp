// The program's entry; kept apart from the framework so test binaries keep their own main.
#include <windows.h>

#include "framework/CWinApp.h"

// The C runtime has run the static initialisers (the application object among them) by now.
int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
