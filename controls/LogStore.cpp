#include "controls/LogStore.h"

#include "controls/RowCompare.h"

#include <algorithm>
#include <cstring>

namespace {

// Texts go into blocks of this many characters; a longer text gets a block of its own.
const size_t kBlockCharacters = 32768;

const TCHAR kEmpty[] = _T("");

}  // namespace

LPCTSTR LogStore::Keep(LPCTSTR text)
{
    const size_t length = static_cast<size_t>(lstrlenW(text));
    if (length == 0) return kEmpty;
    const size_t needed = length + 1;
    if (m_blocks.empty() || m_blocks.back()->capacity() - m_blocks.back()->size() < needed) {
        m_blocks.push_back(std::make_shared<std::vector<TCHAR>>());
        m_blocks.back()->reserve(std::max(kBlockCharacters, needed));
    }
    std::vector<TCHAR>& block = *m_blocks.back();
    // Within its capacity the block never moves, so a kept text stays where it is.
    const size_t at = block.size();
    block.insert(block.end(), text, text + needed);
    return block.data() + at;
}

size_t LogStore::AddRow(const LPCTSTR* texts, size_t count)
{
    Row row = {static_cast<uint32_t>(m_cells.size()), static_cast<uint16_t>(count), -1};
    for (size_t i = 0; i < count; ++i) m_cells.push_back({Keep(texts[i]), 0, false});
    m_order.push_back(static_cast<uint32_t>(m_rows.size()));
    m_rows.push_back(row);
    return m_rows.size() - 1;
}

LPCTSTR LogStore::GetText(size_t row, int column) const
{
    if (row >= m_rows.size() || column < 0 || column >= m_rows[row].cellCount) return kEmpty;
    return m_cells[m_rows[row].firstCell + static_cast<size_t>(column)].text;
}

void LogStore::SetText(size_t row, int column, LPCTSTR text)
{
    if (row >= m_rows.size() || column < 0 || column >= m_rows[row].cellCount) return;
    m_cells[m_rows[row].firstCell + static_cast<size_t>(column)].text = Keep(text);
}

void LogStore::SetSortValue(size_t row, int column, ULONGLONG value)
{
    if (row >= m_rows.size() || column < 0 || column >= m_rows[row].cellCount) return;
    Cell& cell = m_cells[m_rows[row].firstCell + static_cast<size_t>(column)];
    cell.value = value;
    cell.valued = true;
}

bool LogStore::GetSortValue(size_t row, int column, ULONGLONG& value) const
{
    if (row >= m_rows.size() || column < 0 || column >= m_rows[row].cellCount) return false;
    const Cell& cell = m_cells[m_rows[row].firstCell + static_cast<size_t>(column)];
    value = cell.value;
    return cell.valued;
}

void LogStore::RemoveChecks()
{
    for (Row& row : m_rows) row.check = -1;
}

size_t LogStore::PositionOf(size_t row) const
{
    return static_cast<size_t>(std::find(m_order.begin(), m_order.end(), row) - m_order.begin());
}

void LogStore::Sort(int column, bool ascending)
{
    std::vector<SortKey> keys;
    keys.reserve(m_rows.size());
    for (size_t row = 0; row < m_rows.size(); ++row) {
        ULONGLONG value = 0;
        const bool valued = GetSortValue(row, column, value);
        keys.push_back(MakeSortKey(GetText(row, column), valued ? &value : nullptr));
    }
    const BOOL bAscending = ascending ? TRUE : FALSE;
    std::stable_sort(m_order.begin(), m_order.end(), [&](uint32_t a, uint32_t b) {
        return CompareSortKeys(keys[a], keys[b], bAscending) < 0;
    });
}

LogStore::Snapshot LogStore::Take(const std::vector<size_t>& positions, size_t columns) const
{
    Snapshot snapshot;
    snapshot.blocks.assign(m_blocks.begin(), m_blocks.end());
    snapshot.columns = columns;
    snapshot.cells.reserve(positions.size() * columns);
    for (size_t position : positions)
        for (size_t column = 0; column < columns; ++column)
            snapshot.cells.push_back(GetText(RowAt(position), static_cast<int>(column)));
    return snapshot;
}
