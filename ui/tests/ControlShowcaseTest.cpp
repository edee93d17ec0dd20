#include "ui/tests/ControlShowcase.h"
#include "ui/tests/ControlTestSupport.h"

#include <gtest/gtest.h>

TEST(ControlShowcase, EveryControlIsShownAtItsPreferredSizeWithoutOverlap) {
    TControlShowcase showcase;
    showcase.GetWindow().Show(true);
    PumpPendingMessages();

    const auto& placements = showcase.GetPlacements();
    ASSERT_EQ(placements.size(), 13u);
    for (size_t i = 0; i < placements.size(); ++i) {
        const auto& placement = placements[i];
        EXPECT_GT(placement.size.width, 0) << i;
        EXPECT_GT(placement.size.height, 0) << i;
        if (i > 0) {
            EXPECT_GE(placement.position.y, placements[i - 1].position.y + placements[i - 1].size.height) << i;
        }
        EXPECT_TRUE(IsWindowVisible(placement.handle)) << i;
        RECT rect{};
        GetWindowRect(placement.handle, &rect);
        EXPECT_EQ(rect.right - rect.left, placement.size.width) << i;
        EXPECT_EQ(rect.bottom - rect.top, placement.size.height) << i;
    }
    const TSize client = showcase.GetWindow().GetClientSize();
    EXPECT_GE(client.height, placements.back().position.y + placements.back().size.height);
}
