#include "engine/PathCheck.h"

#include "engine/DirectoryRecords.h"
#include "engine/OpenObject.h"

bool IsFolderToClean(FileSystem& fileSystem, const WString& longPath)
{
    const RedirectionOff redirectionOff(fileSystem);
    DWORD attributes = 0, reparseTag = 0;
    if (longPath.empty() ||
        !OpenObject::ReadAttributesAt(fileSystem, longPath, attributes, reparseTag))
        return false;
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY) || IsLinkMark(attributes, reparseTag))
        return false;
    return !(attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) ||
           OpenObject::IsVolumeRoot(longPath);
}
