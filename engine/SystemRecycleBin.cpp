// The build names IE 6's shell; IFileOperation is declared from Vista's (IE 7) on, which
// is the program's least system.
#undef _WIN32_IE
#define _WIN32_IE 0x0700

#include "engine/RecycleBin.h"

#include <windows.h>
#include <shellapi.h>
#include <shobjidl.h>

#include <cwchar>
#include <cwctype>
#include <string>

namespace {

bool IsDeviceName(const WString& name)
{
    // The system reads "aux.tmp" and "con  " as devices: the part before the first dot,
    // without trailing spaces, is what counts.
    WString base = name.substr(0, name.find(L'.'));
    while (!base.empty() && base.back() == L' ') base.pop_back();
    for (WCHAR& c : base) c = static_cast<WCHAR>(std::towupper(c));
    static const WCHAR* const kDevices[] = {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"};
    for (const WCHAR* device : kDevices)
        if (base == device) return true;
    if (base.size() == 4 && (base.compare(0, 3, L"COM") == 0 || base.compare(0, 3, L"LPT") == 0)) {
        const WCHAR digit = base[3];
        // COM¹..COM³ and LPT¹..LPT³ are devices too.
        return (digit >= L'1' && digit <= L'9') || digit == 0x00B9 || digit == 0x00B2 ||
               digit == 0x00B3;
    }
    return false;
}

// Every name below the root must mean to the shell what it means to the file system.
bool NamesAreTakenExactly(const WString& path, size_t namesStart)
{
    size_t start = namesStart;
    while (start <= path.size()) {
        size_t end = path.find(L'\\', start);
        if (end == WString::npos) end = path.size();
        const WString name = path.substr(start, end - start);
        if (name.empty() || name == L"." || name == L"..") return false;
        if (name.back() == L'.' || name.back() == L' ') return false;
        // Wildcards would make the shell's path list name other objects.
        for (WCHAR c : name)
            if (c < 0x20 || wcschr(L"<>:\"/|?*", c)) return false;
        if (IsDeviceName(name)) return false;
        start = end + 1;
    }
    return true;
}

// The ordinary absolute path the shell parses, or empty when the shell would not take the
// object the \\?\ form names exactly (and might take another one instead).
WString ShellPath(const WString& longPath)
{
    WString path;
    if (longPath.compare(0, 8, L"\\\\?\\UNC\\") == 0)
        path = L"\\\\" + longPath.substr(8);
    else if (longPath.compare(0, 4, L"\\\\?\\") == 0)
        path = longPath.substr(4);
    else
        path = longPath;
    // The recycle bin and SHFileOperation keep MAX_PATH-sized paths.
    if (path.size() > MAX_PATH - 1) return WString();

    size_t namesStart = 0;
    if (path.size() > 3 && std::iswalpha(path[0]) && path[1] == L':' && path[2] == L'\\') {
        namesStart = 3;
    } else if (path.compare(0, 2, L"\\\\") == 0) {
        // \\server\share\ is the root; the names below it are the object's.
        const size_t share = path.find(L'\\', 2);
        const size_t names = share == WString::npos ? share : path.find(L'\\', share + 1);
        if (share == 2 || names == WString::npos || names == share + 1) return WString();
        namesStart = names + 1;
    } else {
        return WString();
    }
    if (namesStart >= path.size() || !NamesAreTakenExactly(path, namesStart)) return WString();
    return path;
}

bool IsGone(const WString& longPath)
{
    if (GetFileAttributesW(longPath.c_str()) != INVALID_FILE_ATTRIBUTES) return false;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// Joins the shell's delete operation: refuses an item the shell was not asked to recycle,
// which cancels the operation, and hears what became of each item. The shell decides whether
// an item fits its bin only after PreDeleteItem, so what went for good is known only after.
class RecycleOnlySink : public IFileOperationProgressSink {
public:
    bool AllInBin() const { return m_recycled > 0 && !m_failed && !m_deletedForGood; }
    bool AnyDeletedForGood() const { return m_deletedForGood; }

    IFACEMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        if (iid == IID_IUnknown || iid == IID_IFileOperationProgressSink) {
            *object = static_cast<IFileOperationProgressSink*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // Lives on the caller's stack and outlives the operation that holds it.
    IFACEMETHODIMP_(ULONG) AddRef() override { return 2; }
    IFACEMETHODIMP_(ULONG) Release() override { return 1; }

    IFACEMETHODIMP PreDeleteItem(DWORD flags, IShellItem*) override
    {
        if (flags & TSF_DELETE_RECYCLE_IF_POSSIBLE) return S_OK;
        m_failed = true;
        return HRESULT_FROM_WIN32(ERROR_CANCELLED);
    }
    IFACEMETHODIMP PostDeleteItem(DWORD, IShellItem*, HRESULT result, IShellItem* inBin) override
    {
        // The item newly made in the bin; documented as null when it was deleted for good.
        if (FAILED(result))
            m_failed = true;
        else if (inBin)
            ++m_recycled;
        else
            m_deletedForGood = true;
        return S_OK;
    }

    IFACEMETHODIMP StartOperations() override { return S_OK; }
    IFACEMETHODIMP FinishOperations(HRESULT) override { return S_OK; }
    IFACEMETHODIMP PreRenameItem(DWORD, IShellItem*, LPCWSTR) override { return S_OK; }
    IFACEMETHODIMP PostRenameItem(DWORD, IShellItem*, LPCWSTR, HRESULT, IShellItem*) override
    {
        return S_OK;
    }
    IFACEMETHODIMP PreMoveItem(DWORD, IShellItem*, IShellItem*, LPCWSTR) override { return S_OK; }
    IFACEMETHODIMP PostMoveItem(DWORD, IShellItem*, IShellItem*, LPCWSTR, HRESULT,
                                IShellItem*) override
    {
        return S_OK;
    }
    IFACEMETHODIMP PreCopyItem(DWORD, IShellItem*, IShellItem*, LPCWSTR) override { return S_OK; }
    IFACEMETHODIMP PostCopyItem(DWORD, IShellItem*, IShellItem*, LPCWSTR, HRESULT,
                                IShellItem*) override
    {
        return S_OK;
    }
    IFACEMETHODIMP PreNewItem(DWORD, IShellItem*, LPCWSTR) override { return S_OK; }
    IFACEMETHODIMP PostNewItem(DWORD, IShellItem*, LPCWSTR, LPCWSTR, DWORD, HRESULT,
                               IShellItem*) override
    {
        return S_OK;
    }
    IFACEMETHODIMP UpdateProgress(UINT, UINT) override { return S_OK; }
    IFACEMETHODIMP ResetTimer() override { return S_OK; }
    IFACEMETHODIMP PauseTimer() override { return S_OK; }
    IFACEMETHODIMP ResumeTimer() override { return S_OK; }

private:
    int m_recycled = 0;
    bool m_failed = false;
    bool m_deletedForGood = false;
};

template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr()
    {
        if (m_p) m_p->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    T* operator->() const { return m_p; }
    T* get() const { return m_p; }
    T** out() { return &m_p; }

private:
    T* m_p = nullptr;
};

// No question, no progress, no error box: the run has no window. Without
// FOF_NO_CONNECTED_ELEMENTS the shell would take "page_files" along with "page.htm".
const DWORD kShellFlags =
    FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI | FOF_NO_CONNECTED_ELEMENTS;

// The shell's answer for one object; kUnavailable where its file operation is not there
// at all (Wine answers E_NOTIMPL for every call of it).
enum class ShellAnswer { kRecycled, kRefused, kDeletedForGood, kUnavailable };

ShellAnswer RecycleWithFileOperation(const WString& path)
{
    ComPtr<IFileOperation> operation;
    if (FAILED(CoCreateInstance(CLSID_FileOperation, nullptr, CLSCTX_ALL, IID_IFileOperation,
                                reinterpret_cast<void**>(operation.out()))))
        return ShellAnswer::kRefused;
    // FOFX_RECYCLEONDELETE asks for the bin from Windows 8 on; earlier systems may refuse
    // the flag, and take FOF_ALLOWUNDO as the same request. Any error ends the operation.
    const DWORD flags = kShellFlags | FOFX_EARLYFAILURE;
    HRESULT hr = operation->SetOperationFlags(flags | FOFX_RECYCLEONDELETE);
    if (hr == E_NOTIMPL) return ShellAnswer::kUnavailable;
    if (FAILED(hr)) hr = operation->SetOperationFlags(flags);
    if (hr == E_NOTIMPL) return ShellAnswer::kUnavailable;
    if (FAILED(hr)) return ShellAnswer::kRefused;

    ComPtr<IShellItem> item;
    if (FAILED(SHCreateItemFromParsingName(path.c_str(), nullptr, IID_IShellItem,
                                           reinterpret_cast<void**>(item.out()))))
        return ShellAnswer::kRefused;
    RecycleOnlySink sink;
    DWORD cookie = 0;
    hr = operation->Advise(&sink, &cookie);
    if (hr == E_NOTIMPL) return ShellAnswer::kUnavailable;
    if (FAILED(hr)) return ShellAnswer::kRefused;
    hr = operation->DeleteItem(item.get(), nullptr);
    if (SUCCEEDED(hr)) hr = operation->PerformOperations();
    BOOL aborted = FALSE;
    const bool abortKnown = SUCCEEDED(operation->GetAnyOperationsAborted(&aborted));
    operation->Unadvise(cookie);
    if (hr == E_NOTIMPL) return ShellAnswer::kUnavailable;
    if (sink.AnyDeletedForGood()) return ShellAnswer::kDeletedForGood;
    if (FAILED(hr) || !abortKnown || aborted != FALSE || !sink.AllInBin())
        return ShellAnswer::kRefused;
    return ShellAnswer::kRecycled;
}

// Whether the shell here has its file operation (Wine's answers E_NOTIMPL).
bool FileOperationAvailable()
{
    ComPtr<IFileOperation> operation;
    return SUCCEEDED(CoCreateInstance(CLSID_FileOperation, nullptr, CLSCTX_ALL,
                                      IID_IFileOperation,
                                      reinterpret_cast<void**>(operation.out()))) &&
           operation->SetOperationFlags(kShellFlags) != E_NOTIMPL;
}

bool ReadDword(HKEY root, const WString& key, LPCWSTR name, DWORD& value)
{
    DWORD size = sizeof value;
    return RegGetValueW(root, key.c_str(), name, RRF_RT_REG_DWORD, nullptr, &value, &size) ==
           ERROR_SUCCESS;
}

// What Windows' bin of the volume holding the folder keeps of one object, from the settings
// Explorer keeps per volume; 0 wherever a bin cannot be shown to be there and to keep what
// it is given (a network share, a removable drive, "remove files immediately", no settings).
ULONGLONG WindowsBinCapacity(const WString& folderLongPath)
{
    DWORD noBin = 0;
    if (ReadDword(HKEY_CURRENT_USER,
                  L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer",
                  L"NoRecycleFiles", noBin) &&
        noBin != 0)
        return 0;
    WCHAR root[MAX_PATH + 1];
    if (!GetVolumePathNameW(folderLongPath.c_str(), root, ARRAYSIZE(root))) return 0;
    // Only a fixed volume keeps a bin of its own.
    if (GetDriveTypeW(root) != DRIVE_FIXED) return 0;
    WCHAR volume[64];
    if (!GetVolumeNameForVolumeMountPointW(root, volume, ARRAYSIZE(volume))) return 0;
    const WString name = volume;  // \\?\Volume{GUID}\ : the settings are kept by the GUID
    const size_t open = name.find(L'{'), close = name.find(L'}');
    if (open == WString::npos || close == WString::npos || close < open) return 0;
    const WString key =
        L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\BitBucket\\Volume\\" +
        name.substr(open, close - open + 1);
    DWORD removeAtOnce = 0, megabytes = 0;
    if (ReadDword(HKEY_CURRENT_USER, key, L"NukeOnDelete", removeAtOnce) && removeAtOnce != 0)
        return 0;
    if (!ReadDword(HKEY_CURRENT_USER, key, L"MaxCapacity", megabytes)) return 0;
    return ULONGLONG(megabytes) << 20;
}

// Wine's desktop trash folder in the \\?\ form, found as Wine's shell finds it:
// $XDG_DATA_HOME/Trash, else ~/.local/share/Trash.
WString WineTrash()
{
    WCHAR value[MAX_PATH * 2];
    DWORD length = GetEnvironmentVariableW(L"XDG_DATA_HOME", value, ARRAYSIZE(value));
    WString trash;
    if (length > 0 && length < ARRAYSIZE(value) && value[0] == L'/') {
        trash = L"\\\\?\\unix" + WString(value, length) + L"/Trash";
    } else {
        // \??\ and the home folder, in Windows' or in the Unix form
        length = GetEnvironmentVariableW(L"WINEHOMEDIR", value, ARRAYSIZE(value));
        if (length < 4 || length >= ARRAYSIZE(value)) return WString();
        trash = L"\\\\?\\" + WString(value + 4, length - 4) + L"/.local/share/Trash";
    }
    for (WCHAR& c : trash)
        if (c == L'/') c = L'\\';
    return trash;
}

bool IsFolder(const WString& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Makes the trash's files/ and info/ folders where they are missing, as a desktop does on
// first use: Wine's shell makes only the last two levels.
bool MakeTrash(const WString& trash)
{
    for (size_t end = trash.find(L'\\', 4); end != WString::npos; end = trash.find(L'\\', end + 1))
        CreateDirectoryW(trash.substr(0, end).c_str(), nullptr);
    for (const WCHAR* part : {L"", L"\\files", L"\\info"})
        CreateDirectoryW((trash + part).c_str(), nullptr);
    return IsFolder(trash + L"\\files") && IsFolder(trash + L"\\info");
}

// Whether the object and the trash lie on one Unix mount, so that Wine's shell moves the
// object by a rename. Across mounts it copies a file (which may fail half-way, and whose
// copy cannot be recognised) and cannot move a folder: then it deletes either for good.
// A file is tried with a hard link, which crosses no mount either and leaves the file as
// it is; a folder by moving an empty file of the trash's into it, without copying.
bool TrashCanTake(const WString& trash, const WString& longPath)
{
    const WString probeName = L".varnel-probe-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                              std::to_wstring(GetCurrentThreadId());
    const WString probe = trash + L"\\files\\" + probeName;
    if (!IsFolder(longPath)) {
        if (!CreateHardLinkW(probe.c_str(), longPath.c_str(), nullptr)) return false;
        DeleteFileW(probe.c_str());
        return true;
    }
    const HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    const WString inside = longPath + L"\\" + probeName;
    const bool moved = MoveFileExW(probe.c_str(), inside.c_str(), 0) != FALSE;
    DeleteFileW((moved ? inside : probe).c_str());
    return moved;
}

bool GetFileId(const WString& path, ULONGLONG& id)
{
    const HANDLE handle = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT,
                                      nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    BY_HANDLE_FILE_INFORMATION info = {};
    const bool known = GetFileInformationByHandle(handle, &info) != FALSE;
    CloseHandle(handle);
    id = (ULONGLONG(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    return known;
}

// Whether the trash holds the object of that file id under its name (Wine adds "-" and
// eight hex digits to a name the trash already holds): a move keeps the id.
bool TrashHolds(const WString& trash, const WString& name, ULONGLONG id)
{
    const WString files = trash + L"\\files\\";
    WIN32_FIND_DATAW data;
    const HANDLE find = FindFirstFileW((files + name + L"*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return false;
    bool found = false;
    do {
        ULONGLONG entry = 0;
        found = GetFileId(files + data.cFileName, entry) && entry == id;
    } while (!found && FindNextFileW(find, &data));
    FindClose(find);
    return found;
}

// Under Wine only, where the shell has no IFileOperation. Its SHFileOperation deletes for
// good, silently under FOF_NOCONFIRMATION, whatever its trash does not take (no trash
// folder, another mount), so that is ruled out first; and the object is looked for in the
// trash afterwards, so that nothing the trash lacks is reported as recycled.
Recycled RecycleWithWineShell(const WString& longPath, const WString& path)
{
    const WString trash = WineTrash();
    ULONGLONG id = 0;
    if (trash.empty() || !MakeTrash(trash) || !TrashCanTake(trash, longPath) ||
        !GetFileId(longPath, id))
        return Recycled::Stays;

    WString list = path;
    list.append(2, L'\0');  // a list of paths, each NUL-terminated, ended by an empty one
    SHFILEOPSTRUCTW operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = list.c_str();
    operation.fFlags = static_cast<FILEOP_FLAGS>(kShellFlags);
    const int result = SHFileOperationW(&operation);
    if (!IsGone(longPath)) return Recycled::Stays;
    if (result != 0 || operation.fAnyOperationsAborted != FALSE) return Recycled::Gone;
    return TrashHolds(trash, path.substr(path.rfind(L'\\') + 1), id) ? Recycled::InBin
                                                                        : Recycled::Gone;
}

// COM for the calling thread, for the time of one call.
class ComApartment {
public:
    ComApartment() : m_result(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED |
                                                           COINIT_DISABLE_OLE1DDE)) {}
    ~ComApartment()
    {
        if (SUCCEEDED(m_result)) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    // A thread already in the multithreaded apartment can use COM as it is.
    bool Usable() const { return SUCCEEDED(m_result) || m_result == RPC_E_CHANGED_MODE; }

private:
    HRESULT m_result;
};

class ShellRecycleBin : public RecycleBin {
public:
    ULONGLONG Capacity(const WString& folderLongPath) override
    {
        ComApartment com;
        if (!com.Usable()) return 0;
        if (FileOperationAvailable()) return WindowsBinCapacity(folderLongPath);
        // Wine's trash takes any size; whether it can take an object is tried per object.
        const WString trash = WineTrash();
        return !trash.empty() && MakeTrash(trash) ? ~0ull : 0;
    }

    Recycled Recycle(const WString& longPath) override
    {
        const WString path = ShellPath(longPath);
        if (path.empty() || GetFileAttributesW(longPath.c_str()) == INVALID_FILE_ATTRIBUTES)
            return Recycled::Stays;
        ComApartment com;
        if (!com.Usable()) return Recycled::Stays;
        switch (RecycleWithFileOperation(path)) {
        case ShellAnswer::kRecycled:
            return IsGone(longPath) ? Recycled::InBin : Recycled::Stays;
        case ShellAnswer::kDeletedForGood:
        case ShellAnswer::kRefused:
            // Whatever the shell said, an object no longer there did not stay.
            return IsGone(longPath) ? Recycled::Gone : Recycled::Stays;
        case ShellAnswer::kUnavailable:
            break;
        }
        return RecycleWithWineShell(longPath, path);
    }
};

}  // namespace

RecycleBin& SystemRecycleBin()
{
    static ShellRecycleBin bin;
    return bin;
}
