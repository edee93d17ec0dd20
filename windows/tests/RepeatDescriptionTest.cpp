#include "windows/RepeatDescription.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <vector>

namespace {

// Runs in an English interface and once more in a German, a Japanese and a Russian one: Russian
// words after a count take one of three forms, Japanese ones only one.
TEST(RepeatDescription, SaysHowASeriesRepeatsInTheWordsOfTheInterface) {
    wchar_t locale[64] = {};
    GetEnvironmentVariableW(L"LC_ALL", locale, 64);
    const std::vector<std::wstring> locales = {L"", L"de_DE.UTF-8", L"ja_JP.UTF-8", L"ru_RU.UTF-8"};
    const size_t language = std::find(locales.begin(), locales.end(), locale) - locales.begin();
    ASSERT_LT(language, locales.size());
    const std::pair<const char*, std::vector<std::wstring>> cases[] = {
        {"every 1 day", {L"every day", L"jeden Tag", L"毎日", L"каждый день"}},
        {"every 2 weeks", {L"every 2 weeks", L"alle 2 Wochen", L"2 週間ごと", L"каждые 2 недели"}},
        {"every 1 minute", {L"every minute", L"jede Minute", L"毎分", L"каждую минуту"}},
        {"every 30 minutes", {L"every 30 minutes", L"alle 30 Minuten", L"30 分ごと", L"каждые 30 минут"}},
        {"every 21 days", {L"every 21 days", L"alle 21 Tage", L"21 日ごと", L"каждый 21 день"}},
        {"every weekday", {L"every weekday", L"werktags", L"平日", L"по будням"}},
        {"every 1 month on day 31", {L"every month", L"jeden Monat", L"毎月", L"каждый месяц"}},
        {"every 3 years on day 29", {L"every 3 years", L"alle 3 Jahre", L"3 年ごと", L"каждые 3 года"}},
    };
    for (const auto& c : cases) {
        TRepeatRule rule;
        ASSERT_TRUE(ParseRepeatRule(c.first, rule)) << c.first;
        EXPECT_EQ(DescribeRepeats(rule), c.second[language]) << c.first;
    }
    const std::vector<std::wstring> days[] = {
        {L"day", L"Tag", L"日", L"день"}, {L"days", L"Tage", L"日", L"дня"}, {L"days", L"Tage", L"日", L"дней"}};
    const int counts[] = {1, 4, 5};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(NameRepeatUnit(TRepeatRule::TUnit::Day, counts[i]), days[i][language]) << counts[i];
    }
}

}  // namespace
