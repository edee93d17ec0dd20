#include "app/requests/AddArguments.h"
#include "app/requests/AddRequest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using TProblem = TAddArgumentsProblem;

// A Saturday.
const char Now[] = "2026.12.12 10:00:00";
// A tea cup beyond U+FFFF, as the data file holds it: two UTF-16 surrogates.
const std::wstring Cup{wchar_t(0xD83C), wchar_t(0xDF75)};

// What is accepted reaches the running instance unchanged.
TEST(AddArguments, AreReadStrictlyAndWhatIsAcceptedCrossesToTheInstanceUnchanged) {
    struct TCase {
        std::vector<std::wstring> Words;
        TProblem Problem;
        const char* Date;
        const char* Repeat;
    };
    const TCase cases[] = {
        {{L"00:10:00", L"Tea"}, TProblem::None, "2026.12.12 10:10:00", ""},
        {{L"0:00:05", L""}, TProblem::None, "2026.12.12 10:00:05", ""},
        {{L"9999:59:59", L"x"}, TProblem::None, "2028.02.02 01:59:59", ""},
        {{L"2025.01.01 00:00:00", L"past"}, TProblem::None, "2025.01.01 00:00:00", ""},
        {{L"2026.12.09 09:00:00", L"Stand-up", L"every weekday"}, TProblem::None, "2026.12.14 09:00:00", "every weekday"},
        {{L"2026.12.13 08:00:00", L"x", L"every weekday"}, TProblem::None, "2026.12.14 08:00:00", "every weekday"},
        {{L"2026.12.12 10:00:00", L"x", L"every 2 day"}, TProblem::None, "2026.12.12 10:00:00", "every 2 days"},
        {{L"00:10:00", L"say \"hi\" | \u8336 \u0427\u0430\u0439 " + Cup}, TProblem::None, "2026.12.12 10:10:00", ""},
        {{L"00:60:00", L"x"}, TProblem::When, "", ""},
        {{L"10000:00:00", L"x"}, TProblem::When, "", ""},
        {{L"00:10", L"x"}, TProblem::When, "", ""},
        {{L"00:\uFF110:00", L"x"}, TProblem::When, "", ""},
        {{L"2026.02.29 09:00:00", L"x"}, TProblem::When, "", ""},
        {{L"2026.12.9 09:00:00", L"x"}, TProblem::When, "", ""},
        {{L"00:10:00", L"two\nlines"}, TProblem::Text, "", ""},
        {{L"00:10:00", L"x", L"every day"}, TProblem::Rule, "", ""},
        {{L"00:10:00"}, TProblem::Usage, "", ""},
        {{L"00:10:00", L"x", L"every 1 day", L"more"}, TProblem::Usage, "", ""},
    };
    for (const TCase& test : cases) {
        const auto where = "case " + std::to_string(&test - cases);
        TNotification reminder;
        ASSERT_EQ(ReadAddArguments(test.Words, Now, reminder), test.Problem) << where;
        if (test.Problem != TProblem::None) {
            EXPECT_EQ(reminder, TNotification()) << where;
            continue;
        }
        EXPECT_EQ(reminder.Date, test.Date) << where;
        EXPECT_EQ(reminder.Repeat, test.Repeat) << where;
        EXPECT_EQ(reminder.Text, test.Words[1]) << where;
        TNotification received;
        ASSERT_TRUE(ReadAddRequest(FormatAddRequest(reminder), received)) << where;
        EXPECT_EQ(received, reminder) << where;
    }
}

// Another process must not have the instance copy a file, store what never falls due or break a
// line of the data file.
TEST(AddRequest, TakesOneLineOfTheDataFilesFormInEitherUtf8FormOfFarCharactersAndNothingElse) {
    TNotification repeating("2026.12.09 09:00:00", L"a|b \"q\"");
    repeating.Repeat = "every 1 day";
    const std::pair<std::string, TNotification> taken[] = {
        {"2026.12.09 09:00:00 every 1 days||a|b \"q\"", repeating},
        {"2026.12.09 09:00:00||\xF0\x9F\x8D\xB5", TNotification("2026.12.09 09:00:00", Cup)},
        {"2026.12.09 09:00:00||\xED\xA0\xBC\xED\xBD\xB5", TNotification("2026.12.09 09:00:00", Cup)},
    };
    for (const auto& request : taken) {
        TNotification reminder;
        EXPECT_TRUE(ReadAddRequest(request.first, reminder) && reminder == request.second) << request.first;
    }

    for (const std::string refused :
         {"2026.12.09 09:00:00|C:\\note.pcm|Tea", "2026.12.09 09:00:00||Tea\r\n2026.12.09 09:00:00||More",
          "2026.12.09 9:00:00||Tea", "9999.99.99 99:99:99||Tea", "2026.12.09 09:00:00 every day||Tea",
          "2026.12.09 09:00:00|Tea", "", "2026.12.09 09:00:00||\xC0\xBC", "2026.12.09 09:00:00||\xF0\x9F\x8D",
          "2026.12.09 09:00:00||\xF4\x90\x80\x80", "2026.12.09 09:00:00||\xFF"}) {
        TNotification reminder;
        EXPECT_FALSE(ReadAddRequest(refused, reminder)) << refused;
    }
}

}  // namespace
