#include "tests/support/ModelRecycleBin.h"

ULONGLONG ModelRecycleBin::Capacity(const WString&)
{
    if (m_fileSystem.RedirectionIsOff()) calledWithRedirectionOff = true;
    return capacity;
}

Recycled ModelRecycleBin::Recycle(const WString& longPath)
{
    if (m_fileSystem.RedirectionIsOff()) calledWithRedirectionOff = true;
    const WString path = m_fileSystem.Reached(longPath.substr(4));
    const WString name = path.substr(path.rfind(_T('\\')) + 1);
    if (!m_fileSystem.Exists(path) || refused.count(name)) return Recycled::Stays;
    m_fileSystem.Remove(path);
    if (deletedForGood.count(name)) return Recycled::Gone;
    inBin.push_back(path);
    return Recycled::InBin;
}
