#include "store/IdList.h"

#include <algorithm>
#include <numeric>
#include <utility>

TIdList::TIdList(std::size_t count, std::int32_t limit) : Limit(limit) {
    std::vector<std::int32_t> ids(count);
    std::iota(ids.begin(), ids.end(), 0);
    Take(std::move(ids), std::vector<std::uint64_t>(count));
}

std::int32_t TIdList::FindFreeId() const {
    if (!FreeBelowBound.empty()) {
        return *FreeBelowBound.begin();
    }
    return Bound < Limit ? Bound : -1;
}

void TIdList::Insert(std::size_t position, std::int32_t id, std::uint64_t fingerprint) {
    if (id < Bound) {
        FreeBelowBound.erase(id);
    } else {
        for (std::int32_t skipped = Bound; skipped < id; ++skipped) {
            FreeBelowBound.insert(skipped);
        }
        Bound = id + 1;
    }
    const std::ptrdiff_t at = static_cast<std::ptrdiff_t>(std::min(position, Ids.size()));
    Ids.insert(Ids.begin() + at, id);
    Fingerprints.insert(Fingerprints.begin() + at, fingerprint);
}

void TIdList::EraseAt(std::size_t position) {
    if (position >= Ids.size()) {
        return;
    }
    const std::int32_t id = Ids[position];
    Ids.erase(Ids.begin() + static_cast<std::ptrdiff_t>(position));
    Fingerprints.erase(Fingerprints.begin() + static_cast<std::ptrdiff_t>(position));
    FreeBelowBound.insert(id);
    // Keeping the bound low keeps the free set as small as the holes in the IDs.
    while (Bound > 0 && FreeBelowBound.count(Bound - 1) != 0) {
        FreeBelowBound.erase(Bound - 1);
        --Bound;
    }
}

void TIdList::SetFingerprintAt(std::size_t position, std::uint64_t fingerprint) {
    if (position < Fingerprints.size()) {
        Fingerprints[position] = fingerprint;
    }
}

// Sorted by fingerprint, the entries of one fingerprint stand together in file order; each
// group's first slot counts how many of them lines have taken.
bool TIdList::Follow(const std::vector<std::uint64_t>& fingerprints) {
    if (fingerprints == Fingerprints) {
        return false;
    }
    std::vector<std::pair<std::uint64_t, std::int32_t>> entries;
    entries.reserve(Ids.size());
    for (std::size_t i = 0; i < Ids.size(); ++i) {
        entries.emplace_back(Fingerprints[i], Ids[i]);
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const auto& left, const auto& right) { return left.first < right.first; });
    std::vector<std::size_t> takenInGroup(entries.size(), 0);
    auto freeBelowBound = FreeBelowBound.begin();
    std::int32_t nextFree = Bound;
    std::vector<std::int32_t> ids;
    ids.reserve(fingerprints.size());
    for (const std::uint64_t fingerprint : fingerprints) {
        const std::size_t group = static_cast<std::size_t>(
            std::lower_bound(entries.begin(), entries.end(), fingerprint,
                             [](const auto& entry, std::uint64_t wanted) { return entry.first < wanted; }) -
            entries.begin());
        const std::size_t next = group + (group < entries.size() ? takenInGroup[group] : 0);
        if (next < entries.size() && entries[next].first == fingerprint) {
            ids.push_back(entries[next].second);
            ++takenInGroup[group];
        } else if (freeBelowBound != FreeBelowBound.end()) {
            ids.push_back(*freeBelowBound++);
        } else {
            ids.push_back(nextFree < Limit ? nextFree++ : -1);
        }
    }
    Take(std::move(ids), fingerprints);
    return true;
}

std::ptrdiff_t TIdList::FindPosition(std::int32_t id) const {
    const auto found = std::find(Ids.begin(), Ids.end(), id);
    return found == Ids.end() ? -1 : found - Ids.begin();
}

std::int32_t TIdList::GetIdAt(std::size_t position) const { return position < Ids.size() ? Ids[position] : -1; }

TIdList::TLineKey TIdList::GetLineKey(std::size_t position) const {
    const std::uint64_t fingerprint = Fingerprints[position];
    const auto before = Fingerprints.begin() + static_cast<std::ptrdiff_t>(position);
    return TLineKey{fingerprint, static_cast<std::size_t>(std::count(Fingerprints.begin(), before, fingerprint))};
}

void TIdList::Take(std::vector<std::int32_t> ids, std::vector<std::uint64_t> fingerprints) {
    Ids = std::move(ids);
    Fingerprints = std::move(fingerprints);
    Bound = 0;
    for (const std::int32_t id : Ids) {
        Bound = std::max(Bound, id + 1);
    }
    std::vector<bool> used(static_cast<std::size_t>(Bound), false);
    for (const std::int32_t id : Ids) {
        if (id >= 0) {
            used[static_cast<std::size_t>(id)] = true;
        }
    }
    FreeBelowBound.clear();
    for (std::int32_t id = 0; id < Bound; ++id) {
        if (!used[static_cast<std::size_t>(id)]) {
            FreeBelowBound.insert(FreeBelowBound.end(), id);
        }
    }
}
