#include "engine/DirectoryRecords.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const nt::DirectoryRecordLayout& kIdBoth = nt::kListingLayouts[nt::kFirstNarrowLayout];

// Writes records of the id-both class: each name at its place, each next offset as given
// (0 for "to the following record").
std::vector<ULONGLONG> Records(const std::vector<WString>& names, const std::vector<ULONG>& next,
                               ULONG& written)
{
    std::vector<ULONGLONG> buffer(512);
    BYTE* out = reinterpret_cast<BYTE*>(buffer.data());
    size_t offset = 0;
    for (size_t i = 0; i < names.size(); ++i) {
        const ULONG bytes = static_cast<ULONG>(names[i].size() * sizeof(WCHAR));
        const size_t length = (kIdBoth.name + bytes + 7) / 8 * 8;
        const ULONG nextOffset = next[i] ? next[i] : (i + 1 < names.size() ? ULONG(length) : 0);
        std::memcpy(out + offset + nt::kRecordNextOffset, &nextOffset, 4);
        std::memcpy(out + offset + nt::kRecordNameLength, &bytes, 4);
        std::memcpy(out + offset + kIdBoth.name, names[i].data(), bytes);
        offset += length;
    }
    written = static_cast<ULONG>(offset);
    return buffer;
}

// A driver's or server's buffer is read only where it says it wrote, and a record that does
// not lie inside ends the reading with what came before it.
TEST(DirectoryRecords, ReadOnlyWhatLiesInsideTheBuffer)
{
    struct Row {
        const char* what;
        std::vector<WString> names;
        std::vector<ULONG> next;
        int shorten;  // bytes taken off what the buffer says it holds
        bool whole;
        std::vector<WString> read;
    } const rows[] = {
        {"plain", {_T("."), _T(".."), _T("a"), _T("b")}, {0, 0, 0, 0}, 0, true, {_T("a"), _T("b")}},
        {"name past the end", {_T("a"), _T("long_name")}, {0, 0}, 8, false, {_T("a")}},
        {"next offset past the end", {_T("a"), _T("b")}, {0, 4096}, 0, false, {_T("a"), _T("b")}},
        {"next offset not aligned", {_T("a"), _T("b")}, {116, 0}, 0, false, {_T("a")}},
        {"next offset inside its own record", {_T("a"), _T("b")}, {8, 0}, 0, false, {_T("a")}},
        {"nothing written", {}, {}, 0, false, {}},
    };
    for (const Row& row : rows) {
        ULONG written = 0;
        const std::vector<ULONGLONG> buffer = Records(row.names, row.next, written);
        std::vector<ListedEntry> entries;
        EXPECT_EQ(row.whole,
                  ReadDirectoryRecords(kIdBoth, buffer.data(), written - row.shorten, entries))
            << row.what;
        std::vector<WString> read;
        for (const ListedEntry& entry : entries) read.push_back(entry.name);
        EXPECT_EQ(row.read, read) << row.what;
    }
}

TEST(DirectoryRecords, OnlyNameSurrogatesAreLinks)
{
    const DWORD reparse = FILE_ATTRIBUTE_REPARSE_POINT;
    EXPECT_TRUE(IsLinkMark(reparse, nt::kTagSymlink));
    EXPECT_TRUE(IsLinkMark(reparse | FILE_ATTRIBUTE_DIRECTORY, nt::kTagMountPoint));
    EXPECT_TRUE(IsLinkMark(reparse, nt::kTagWslLink));
    EXPECT_TRUE(IsLinkMark(reparse | FILE_ATTRIBUTE_DIRECTORY, 0));  // the system does not say
    // Cloud placeholders, deduplicated files and the like are ordinary objects.
    EXPECT_FALSE(IsLinkMark(reparse | FILE_ATTRIBUTE_DIRECTORY, 0x9000601A));
    EXPECT_FALSE(IsLinkMark(reparse, nt::kTagDedup));
    EXPECT_FALSE(IsLinkMark(reparse, nt::kTagAppExecLink));
    EXPECT_FALSE(IsLinkMark(FILE_ATTRIBUTE_DIRECTORY, nt::kTagSymlink));
}

}  // namespace
