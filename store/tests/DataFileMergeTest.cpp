#include "store/DataFileMerge.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>

namespace {

const char* const Anna = "2026.12.08 10:00:00||Call Anna";
const char* const AnnaSnoozed = "2026.12.08 11:00:00||Call Anna";
const char* const AnnaTomorrow = "2026.12.09 10:00:00||Call Anna";
const char* const AnnaEdited = "2026.12.08 10:00:00||Call Anna about lunch";
const char* const Pills = "2026.12.09 09:00:00 every 1 day||Pills";
const char* const PillsNext = "2026.12.10 09:00:00 every 1 day||Pills";
const char* const PillsLater = "2026.12.11 09:00:00 every 1 day||Pills";
const char* const Rent = "2027.02.28 10:00:00 every 1 month on day 31|C:\\rent.wav|Rent";
const char* const RentNext = "2027.03.31 10:00:00 every 1 month|C:\\rent.wav|Rent";
const char* const RentLater = "2027.04.30 10:00:00 every 1 month on day 31|C:\\rent.wav|Rent";
const char* const Laptop = "2026.12.20 08:00:00||Added on the laptop";
const char* const Desktop = "2026.12.21 08:00:00||Added on the desktop";
const char* const Typo = "2026.12.08 10:30 Call grandma";

std::string Text(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

}  // namespace

// Each case both ways round: which side is the data file and which the copy makes no difference.
TEST(DataFileMergeTest, MergesEachKindOfChange) {
    const struct {
        const char* Case;
        std::optional<std::string> Common;
        std::string Ours;
        std::string Theirs;
        std::string Merged;
    } cases[] = {
        {"added on either side", Text({Anna}), Text({Anna, Laptop}), "\xEF\xBB\xBF" + Text({Anna, Desktop}),
         Text({Anna, Laptop, Desktop})},
        {"added on both", Text({Anna}), Text({Anna, Laptop, Desktop}), Text({Anna, Laptop}), Text({Anna, Laptop, Desktop})},
        {"closed on one side", Text({Anna, Pills}), Text({Pills}), Text({Anna, Pills, Laptop}), Text({Pills, Laptop})},
        {"snoozed on one side", Text({Anna, Pills}), Text({AnnaSnoozed, Pills}), Text({Anna, Pills, Laptop}),
         Text({AnnaSnoozed, Pills, Laptop})},
        {"snoozed differently", Text({Anna}), Text({AnnaSnoozed}), Text({AnnaTomorrow}), Text({AnnaSnoozed, AnnaTomorrow})},
        {"edited and snoozed", Text({Anna}), Text({AnnaEdited}), Text({AnnaSnoozed}), Text({AnnaEdited, AnnaSnoozed})},
        {"closed and snoozed", Text({Anna, Pills}), Text({Pills}), Text({AnnaSnoozed}), Text({AnnaSnoozed})},
        {"series moved on at one end", Text({Pills}), Text({PillsNext}), Text({Pills, Laptop}), Text({PillsNext, Laptop})},
        {"series moved on at both ends", Text({Anna, Pills}), Text({Anna, PillsNext}), Text({Anna, PillsLater, Laptop}),
         Text({Anna, PillsLater, Laptop})},
        {"month series on both", Text({Rent}), Text({RentNext, Laptop}), Text({RentLater}), Text({Laptop, RentLater})},
        {"unreadable line stays below its reminder", Text({Anna, Typo, Pills}), Text({Anna, Typo, PillsNext}),
         Text({Anna, Typo, Pills, Laptop}), Text({Anna, Typo, PillsNext, Laptop})},
        {"unreadable line whose reminder went", Text({Typo, Anna, Pills}), Text({Pills, Typo}), Text({Typo, Anna, Pills, Laptop}),
         Text({Typo, Pills, Laptop})},
        {"no common version", std::nullopt, Text({Anna, Typo, Pills}), Text({AnnaSnoozed, PillsNext, Typo}),
         Text({Anna, Typo, AnnaSnoozed, Pills, PillsNext})},
        {"one side unchanged", Text({Pills, Anna}), Text({Pills, Anna}), Text({Pills, Laptop, Anna}), Text({Pills, Laptop, Anna})},
    };
    for (const auto& entry : cases) {
        EXPECT_EQ(MergeDataFileTexts(entry.Common, entry.Ours, entry.Theirs), entry.Merged) << entry.Case;
        EXPECT_EQ(MergeDataFileTexts(entry.Common, entry.Theirs, entry.Ours), entry.Merged) << entry.Case << ", other way round";
    }
}
