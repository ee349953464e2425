#include "engine/PathCheck.h"

#include <windows.h>

bool IsFolderPath(const char* path)
{
    return GetFileAttributesA(path) == FILE_ATTRIBUTE_DIRECTORY;
}
