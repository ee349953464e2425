#include "engine/PathCheck.h"

bool IsFolderPath(LPCWSTR path)
{
    return GetFileAttributesW(path) == FILE_ATTRIBUTE_DIRECTORY;
}
