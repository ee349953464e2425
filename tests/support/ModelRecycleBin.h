#pragma once
// The shell's recycle bin as a 32-bit program on the model's Windows meets it: it takes an
// object by its path, resolved as the shell resolves it (the System32 redirection on), and
// notes any call made while the redirection is off, where the shell's library loads fail.

#include "engine/RecycleBin.h"
#include "tests/support/ModelFileSystem.h"

#include <set>
#include <vector>

class ModelRecycleBin : public RecycleBin {
public:
    explicit ModelRecycleBin(ModelFileSystem& fileSystem)
        : m_fileSystem(fileSystem)
    {
    }

    ULONGLONG capacity = ~0ull;  // 0: the volume has no bin
    // Names the shell refuses, and names it deletes for good instead (as it does with what
    // its bin cannot take once asked).
    std::set<WString> refused, deletedForGood;
    std::vector<WString> inBin;  // the model paths of what went to the bin, in order
    bool calledWithRedirectionOff = false;

    ULONGLONG Capacity(const WString& folderLongPath) override;
    Recycled Recycle(const WString& longPath) override;

private:
    ModelFileSystem& m_fileSystem;
};
