#pragma once
// The engine's calls on the file system, as the NT native API makes and answers them. Only
// OpenObject calls them. The program uses the system's; tests also run the engine on a model
// that answers as Windows documents, so the branches that only Windows takes run too.

#include "engine/NtApi.h"
#include "framework/WideString.h"

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // NtCreateFile with FILE_OPEN: `name` inside `folder` (one name, taken exactly), or an
    // absolute NT path ("\??\C:\...") when folder is null; an empty name opens `folder`'s
    // object again with other access.
    virtual NTSTATUS Open(HANDLE folder, const WString& name, ULONG access, ULONG share,
                          ULONG options, HANDLE& opened) = 0;
    // NtQueryDirectoryFile: as many records of the class as fit; restart begins again.
    virtual NTSTATUS QueryDirectory(HANDLE folder, ULONG infoClass, bool restart, void* buffer,
                                    ULONG size, ULONG& written) = 0;
    // NtQueryInformationFile and NtSetInformationFile.
    virtual NTSTATUS QueryInformation(HANDLE object, ULONG infoClass, void* buffer, ULONG size) = 0;
    virtual NTSTATUS SetInformation(HANDLE object, ULONG infoClass, const void* buffer,
                                    ULONG size) = 0;
    // NtQueryObject: the object's own name in the system's namespace, however long.
    virtual NTSTATUS QueryName(HANDLE object, WString& name) = 0;
    // NtQueryAttributesFile on an NT path: whether anything holds the name, without opening it,
    // and its attributes (those of a link itself, not of its target).
    virtual NTSTATUS QueryAttributesAt(const WString& ntPath, ULONG& attributes) = 0;
    virtual void Close(HANDLE object) = 0;

    // A 32-bit program on 64-bit Windows sees SysWOW64 where System32 is named, for the
    // calling thread, until this turns that off (true when it did; the token turns it on again).
    virtual bool DisableRedirection(void*& token) = 0;
    virtual void RevertRedirection(void* token) = 0;
    // The path (\\?\ form) that names, with the redirection on, the object `longPath` names with
    // it off: System32's objects by Sysnative, where the redirection applies; else `longPath`.
    virtual WString PathWithRedirectionOn(const WString& longPath) = 0;

    // True where links may reach the engine unmarked and an object may be opened as another
    // (Wine): there the engine checks where each object lies.
    virtual bool LinksUnmarked() = 0;
};

#ifdef _WIN32
// The system's file system.
FileSystem& SystemFileSystem();
#endif
