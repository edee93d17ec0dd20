#include "store/IdList.h"

#include <algorithm>

TIdList::TIdList(std::size_t count, std::int32_t limit) : Limit(limit) {
    Ids.reserve(count);
    for (std::size_t id = 0; id < count; ++id) {
        Ids.push_back(static_cast<std::int32_t>(id));
    }
    Bound = static_cast<std::int32_t>(count);
}

std::int32_t TIdList::FindFreeId() const {
    if (!FreeBelowBound.empty()) {
        return *FreeBelowBound.begin();
    }
    return Bound < Limit ? Bound : -1;
}

void TIdList::Insert(std::size_t position, std::int32_t id) {
    if (id < Bound) {
        FreeBelowBound.erase(id);
    } else {
        for (std::int32_t skipped = Bound; skipped < id; ++skipped) {
            FreeBelowBound.insert(skipped);
        }
        Bound = id + 1;
    }
    Ids.insert(Ids.begin() + static_cast<std::ptrdiff_t>(std::min(position, Ids.size())), id);
}

void TIdList::EraseAt(std::size_t position) {
    if (position >= Ids.size()) {
        return;
    }
    const std::int32_t id = Ids[position];
    Ids.erase(Ids.begin() + static_cast<std::ptrdiff_t>(position));
    FreeBelowBound.insert(id);
    // Keeping the bound low keeps the free set as small as the holes in the IDs.
    while (Bound > 0 && FreeBelowBound.count(Bound - 1) != 0) {
        FreeBelowBound.erase(Bound - 1);
        --Bound;
    }
}

std::ptrdiff_t TIdList::FindPosition(std::int32_t id) const {
    const auto found = std::find(Ids.begin(), Ids.end(), id);
    return found == Ids.end() ? -1 : found - Ids.begin();
}

std::int32_t TIdList::GetIdAt(std::size_t position) const { return position < Ids.size() ? Ids[position] : -1; }
