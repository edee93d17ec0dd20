#include "texts/TextPattern.h"

#include <gtest/gtest.h>

TEST(TextPattern, PutsEachValueAtItsPlaceInTheLanguagesOrder) {
    const std::vector<std::wstring> values{L"Tea", L"5"};
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"%1 in %2 min", L"Tea in 5 min"}, {L"%2 min: %1", L"5 min: Tea"}, {L"100%% %1", L"100% Tea"},
        {L"%3 %1", L" Tea"},                {L"50% off, %", L"50% off, %"}, {L"%1%1", L"TeaTea"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FillTextPattern(c.first, values), c.second) << std::string(c.first.begin(), c.first.end());
    }
    EXPECT_EQ(FillTextPattern(L"a %1 b", {L"%2"}), L"a %2 b") << "a value is not read as a pattern";
}
