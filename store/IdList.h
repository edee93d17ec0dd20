#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <set>
#include <vector>

// The IDs of the data file's records in file order: entry i belongs to the i-th record, and
// holds beside its ID the fingerprint of that record's line, by which the IDs follow the file
// when another program changed it. A new ID is the smallest non-negative one not in use; the
// free ones are kept sorted so that finding it does not rescan the list.
class TIdList {
public:
    // How an entry's line is found again in the file read anew: it is the line that has the
    // entry's fingerprint after rank others with it.
    struct TLineKey {
        std::uint64_t Fingerprint;
        std::size_t Rank;
    };

    // IDs 0 to count - 1; IDs from limit on are never handed out.
    explicit TIdList(std::size_t count = 0, std::int32_t limit = std::numeric_limits<std::int32_t>::max());

    // -1 when every ID below the limit is in use.
    std::int32_t FindFreeId() const;
    // The ID must be free, as FindFreeId gives it.
    void Insert(std::size_t position, std::int32_t id, std::uint64_t fingerprint = 0);
    void EraseAt(std::size_t position);
    void SetFingerprintAt(std::size_t position, std::uint64_t fingerprint);
    // The file was read anew; these are its lines' fingerprints in order. A line keeps the ID of
    // the first entry of its fingerprint that no line before it took; every other line gets an
    // ID that no entry held, so that no ID comes to name another reminder (-1 past the limit).
    // False when the lines are the ones the list knew.
    bool Follow(const std::vector<std::uint64_t>& fingerprints);

    // -1 when the ID is not in the list.
    std::ptrdiff_t FindPosition(std::int32_t id) const;
    // -1 past the end of the list.
    std::int32_t GetIdAt(std::size_t position) const;
    // The position must be in the list.
    TLineKey GetLineKey(std::size_t position) const;
    std::size_t GetCount() const { return Ids.size(); }

private:
    void Take(std::vector<std::int32_t> ids, std::vector<std::uint64_t> fingerprints);

    std::vector<std::int32_t> Ids;
    std::vector<std::uint64_t> Fingerprints;
    // Every ID from Bound on is free; FreeBelowBound holds the free ones below it.
    std::set<std::int32_t> FreeBelowBound;
    std::int32_t Bound = 0;
    std::int32_t Limit;
};
