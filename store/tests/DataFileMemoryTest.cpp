#include "store/DataFileMemory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::vector<std::int32_t> ListIds(const TDataFileMemory& memory) {
    std::vector<std::int32_t> ids;
    for (std::size_t position = 0; position < memory.GetLineCount(); ++position) {
        ids.push_back(memory.GetId(position));
    }
    return ids;
}

const std::string A = "2011.05.01 10:00:00||a\r\n";
const std::string B = "2011.05.02 10:00:00||b\r\n";
const std::string C = "2011.05.03 10:00:00||c\r\n";

}  // namespace

TEST(DataFileMemoryTest, GivesNoIdPastItsLimit) {
    TDataFileMemory memory(2);
    EXPECT_THROW(memory.Follow(A + B + C), std::logic_error);
    EXPECT_EQ(memory.GetLineCount(), 0u);
    memory.Follow(A + B);
    EXPECT_FALSE(memory.HasFreeId());
}

// Lines that hold no reminder go with the reminder line above them, or stay on top; a last line
// without a line end keeps it so while it stays last.
TEST(DataFileMemoryTest, PutsTheLinesInDueOrderKeepingEveryOtherLineWithTheOneAboveIt) {
    TDataFileMemory memory;
    memory.Follow("# mine\r\n" + C + "call grandma\r\n" + A + "\r\n" + B + "2011.05.04 10:00:00||no line end");
    EXPECT_EQ(ListIds(memory), (std::vector<std::int32_t>{-1, 0, -1, 1, 2, -1, 3}));
    EXPECT_EQ(memory.Prepare({}), "# mine\r\n" + A + "\r\n" + B + C + "call grandma\r\n2011.05.04 10:00:00||no line end");

    TDataFileMemory::TChange change;
    change.Removed = memory.FindId(2);
    change.Inserted = "2011.05.05 10:00:00||e\r\n";
    change.InsertedAt = memory.FindDuePlace("2011.05.05 10:00:00", change.Removed);
    EXPECT_EQ(memory.Prepare(change), "# mine\r\n" + A + "\r\n" + B + "call grandma\r\n" +
                                            "2011.05.04 10:00:00||no line end\r\n2011.05.05 10:00:00||e\r\n");
}

// A file whose last line has no line end, with a reminder put before that line: a second change
// removes the last line cleanly.
TEST(DataFileMemoryTest, ALastLineWithoutItsEndTakesChangesAfterOthersWentBeforeIt) {
    TDataFileMemory memory;
    memory.Follow(A + "2011.05.03 10:00:00||c");
    TDataFileMemory::TChange add;
    add.Inserted = B;
    add.InsertedAt = memory.FindDuePlace("2011.05.02 10:00:00");
    memory.Prepare(add);
    memory.Commit(add);
    TDataFileMemory::TChange remove;
    remove.Removed = memory.FindId(1);
    EXPECT_EQ(memory.Prepare(remove), A + B);
}

// Read while another program had written only part of it, or while it was missing, the file
// loses lines for one read; those that come back unchanged get their IDs back, and no other line
// ever gets them.
TEST(DataFileMemoryTest, ALineThatComesBackWithALaterReadGetsItsIdBack) {
    TDataFileMemory memory;
    memory.Follow(A + B + C);
    memory.Follow(A + "2011.05.02 10:00:00||");
    memory.Follow("");
    memory.Follow(C + "2011.05.02 10:00:00||b, edited\r\n" + A);
    EXPECT_EQ(ListIds(memory), (std::vector<std::int32_t>{0, 4, 2}));
}
