#include "store/IdList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>

namespace {

// The plain definition: the smallest non-negative ID not in the list, searched from 0 upwards.
std::int32_t ScanForFreeId(const std::vector<std::int32_t>& ids, std::int32_t limit) {
    for (std::int32_t candidate = 0; candidate < limit; ++candidate) {
        if (std::find(ids.begin(), ids.end(), candidate) == ids.end()) {
            return candidate;
        }
    }
    return -1;
}

}  // namespace

TEST(IdListTest, StartsWithTheRecordPositions) {
    const TIdList ids(3);
    EXPECT_EQ(ids.GetCount(), 3u);
    EXPECT_EQ(ids.GetIdAt(0), 0);
    EXPECT_EQ(ids.GetIdAt(2), 2);
    EXPECT_EQ(ids.GetIdAt(3), -1);
    EXPECT_EQ(ids.FindPosition(1), 1);
    EXPECT_EQ(ids.FindPosition(3), -1);
    EXPECT_EQ(ids.FindPosition(-1), -1);
    EXPECT_EQ(ids.FindFreeId(), 3);
}

TEST(IdListTest, ReusesTheSmallestFreedId) {
    TIdList ids(4);
    ids.EraseAt(2);
    ids.EraseAt(0);
    EXPECT_EQ(ids.FindFreeId(), 0);
    ids.Insert(1, 0);
    EXPECT_EQ(ids.FindFreeId(), 2);
    ids.Insert(0, 2);
    EXPECT_EQ(ids.FindFreeId(), 4);
    EXPECT_EQ(ids.GetIdAt(0), 2);
    EXPECT_EQ(ids.GetIdAt(1), 1);
    EXPECT_EQ(ids.GetIdAt(2), 0);
    EXPECT_EQ(ids.GetIdAt(3), 3);
}

TEST(IdListTest, HasNoFreeIdOnceEveryIdBelowTheLimitIsTaken) {
    TIdList ids(0, 3);
    for (std::int32_t expected = 0; expected < 3; ++expected) {
        ASSERT_EQ(ids.FindFreeId(), expected);
        ids.Insert(0, expected);
    }
    EXPECT_EQ(ids.FindFreeId(), -1);
    ids.EraseAt(1);
    EXPECT_EQ(ids.FindFreeId(), 1);
}

TEST(IdListTest, AgreesWithTheScanOverRandomChanges) {
    const std::int32_t limit = 40;
    std::mt19937 random(17);
    TIdList ids(5, limit);
    std::vector<std::int32_t> model = {0, 1, 2, 3, 4};
    for (int step = 0; step < 20000; ++step) {
        const std::int32_t expected = ScanForFreeId(model, limit);
        ASSERT_EQ(ids.FindFreeId(), expected) << step;
        const bool add = expected != -1 && (model.empty() || random() % 100 < 55);
        const std::size_t position = random() % (model.size() + (add ? 1 : 0));
        if (add) {
            ids.Insert(position, expected);
            model.insert(model.begin() + static_cast<std::ptrdiff_t>(position), expected);
        } else {
            ids.EraseAt(position);
            model.erase(model.begin() + static_cast<std::ptrdiff_t>(position));
        }
        ASSERT_EQ(ids.GetCount(), model.size());
        for (std::size_t i = 0; i < model.size(); ++i) {
            ASSERT_EQ(ids.GetIdAt(i), model[i]);
            ASSERT_EQ(ids.FindPosition(model[i]), static_cast<std::ptrdiff_t>(i));
        }
    }
}

// Another program changed the file: the lines it left alone keep their IDs, equal lines keep
// their order, and no ID comes to name another reminder than before.
TEST(IdListTest, FollowsTheLinesOfAChangedFileByTheirFingerprints) {
    using TNumbers = std::vector<std::int32_t>;
    const std::tuple<TNumbers, TNumbers, TNumbers> cases[] = {{{1, 2, 3}, {9, 1, 2, 3}, {3, 0, 1, 2}},
                                                              {{1, 2, 3}, {1, 3}, {0, 2}},
                                                              {{1, 1, 2}, {1, 2, 1}, {0, 2, 1}},
                                                              {{1, 2, 3}, {3, 4, 4}, {2, 3, 4}}};
    for (const auto& [before, after, expected] : cases) {
        TIdList ids;
        for (std::size_t i = 0; i < before.size(); ++i) {
            ids.Insert(i, static_cast<std::int32_t>(i), before[i]);
        }
        ids.Follow(std::vector<std::uint64_t>(after.begin(), after.end()));
        TNumbers followed;
        for (std::size_t i = 0; i < ids.GetCount(); ++i) {
            followed.push_back(ids.GetIdAt(i));
        }
        EXPECT_EQ(followed, expected);
        EXPECT_EQ(ids.FindFreeId(), ScanForFreeId(expected, 100));
    }
}
