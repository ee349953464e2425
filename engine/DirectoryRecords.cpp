#include "engine/DirectoryRecords.h"

#include <cstring>

namespace {

template <typename T>
T ReadAt(const BYTE* record, size_t offset)
{
    T value;
    std::memcpy(&value, record + offset, sizeof value);
    return value;
}

bool IsDotOrDotDot(const WString& name)
{
    return (name.size() == 1 && name[0] == _T('.')) ||
           (name.size() == 2 && name[0] == _T('.') && name[1] == _T('.'));
}

}  // namespace

bool IsLinkMark(DWORD attributes, DWORD reparseTag)
{
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return false;
    return reparseTag == 0 || (reparseTag & nt::kTagNameSurrogateBit) != 0;
}

bool ReadDirectoryRecords(const nt::DirectoryRecordLayout& layout, const void* buffer,
                          ULONG written, std::vector<ListedEntry>& entries, bool keepIds)
{
    const BYTE* const start = static_cast<const BYTE*>(buffer);
    size_t offset = 0;
    for (;;) {
        if (offset % 8 != 0 || offset + layout.name > written) return false;
        const BYTE* record = start + offset;
        const ULONG nameBytes = ReadAt<ULONG>(record, nt::kRecordNameLength);
        if (nameBytes % sizeof(WCHAR) != 0 || nameBytes > written - offset - layout.name)
            return false;
        WString name(nameBytes / sizeof(WCHAR), _T('\0'));
        std::memcpy(&name[0], record + layout.name, nameBytes);
        if (name.empty()) return false;
        if (!IsDotOrDotDot(name)) {
            const DWORD attributes = ReadAt<ULONG>(record, nt::kRecordAttributes);
            const bool tagged =
                layout.tag != nt::kNone && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
            FileId id;
            if (keepIds && layout.fileId != nt::kNone) {
                id.low = ReadAt<ULONGLONG>(record, layout.fileId);
                if (layout.idBytes == 16) id.high = ReadAt<ULONGLONG>(record, layout.fileId + 8);
            }
            entries.push_back({std::move(name), attributes,
                               tagged ? ReadAt<ULONG>(record, layout.tag) : 0, id,
                               ReadAt<ULONGLONG>(record, nt::kRecordEndOfFile),
                               ReadAt<ULONGLONG>(record, nt::kRecordLastWriteTime)});
        }
        const ULONG next = ReadAt<ULONG>(record, nt::kRecordNextOffset);
        if (next == 0) return true;
        // Each record must move forward past its own name.
        if (next < layout.name + nameBytes) return false;
        offset += next;
    }
}
