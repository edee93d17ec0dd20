#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <set>
#include <vector>

// The IDs of the data file's records in file order: entry i belongs to the i-th record. A new ID
// is the smallest non-negative one not in use; the free ones are kept sorted so that finding it
// does not rescan the list.
class TIdList {
public:
    // IDs 0 to count - 1; IDs from limit on are never handed out.
    explicit TIdList(std::size_t count = 0, std::int32_t limit = std::numeric_limits<std::int32_t>::max());

    // -1 when every ID below the limit is in use.
    std::int32_t FindFreeId() const;
    // The ID must be free, as FindFreeId gives it.
    void Insert(std::size_t position, std::int32_t id);
    void EraseAt(std::size_t position);

    // -1 when the ID is not in the list.
    std::ptrdiff_t FindPosition(std::int32_t id) const;
    // -1 past the end of the list.
    std::int32_t GetIdAt(std::size_t position) const;
    std::size_t GetCount() const { return Ids.size(); }

private:
    std::vector<std::int32_t> Ids;
    // Every ID from Bound on is free; FreeBelowBound holds the free ones below it.
    std::set<std::int32_t> FreeBelowBound;
    std::int32_t Bound = 0;
    std::int32_t Limit;
};
