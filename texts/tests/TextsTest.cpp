#include "texts/Texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>

namespace {

// Every identifier the code may ask for, as TextIds.h defines them.
std::map<std::string, int> ReadTextIds() {
    std::ifstream header(NUDGELY_TEXT_IDS_PATH);
    const std::regex definition(R"(#define (IDS_\w+) (\d+))");
    std::map<std::string, int> ids;
    std::smatch match;
    for (std::string line; std::getline(header, line);) {
        if (std::regex_search(line, match, definition)) {
            ids[match[1]] = std::stoi(match[2]);
        }
    }
    return ids;
}

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// The letter after a lone "&"; none for a text without one.
wchar_t FindAccessKey(const std::wstring& text) {
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == L'&') {
            if (text[i + 1] != L'&') {
                return static_cast<wchar_t>(std::towupper(text[i + 1]));
            }
            ++i;
        }
    }
    return 0;
}

int CountForms(const std::wstring& text) { return 1 + static_cast<int>(std::count(text.begin(), text.end(), L'|')); }

int CountRuleForms(TPluralRule rule) {
    switch (rule) {
    case TPluralRule::Single:
        return 1;
    case TPluralRule::OneOther:
    case TPluralRule::ZeroOneOther:
        return 2;
    default:
        return 3;
    }
}

TEST(InterfaceLanguage, IsTheFirstCandidateSpokenWhateverItsCountryOrElseEnglish) {
    const std::pair<std::vector<LANGID>, std::wstring> cases[] = {
        {{0x0407}, L"de"},         {{0x0c07}, L"de"},         {{0x0416}, L"pt-BR"},  {{0x0816}, L"pt-BR"},
        {{0x0419}, L"ru"},         {{0x0411}, L"ja"},         {{0x0804}, L"zh-CN"},  {{0x1004}, L"zh-CN"},
        {{0x0404, 0x0407}, L"de"}, {{0x041f, 0x0415}, L"pl"}, {{0x0404}, L""},       {{0x041f}, L""},
        {{}, L""},                 {{0x0809, 0x040c}, L""},   {{0x080a}, L"es"},     {{0x0810}, L"it"},
        // The user's order decides, not the program's: Russian first, then English.
        {{0x0419, 0x0409}, L"ru"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindInterfaceLanguage(c.first).Tag, c.second) << (c.first.empty() ? 0 : c.first[0]);
    }
}

// Each language has every text; a caption with an access key has one in every language, unique in
// its window (the hundreds of the identifiers); a counted text has the forms of its language.
TEST(Texts, EveryLanguageHasEveryTextAccessKeysUniquePerWindowAndItsPluralForms) {
    const std::map<std::string, int> ids = ReadTextIds();
    ASSERT_GT(ids.size(), 50u);
    const TInterfaceLanguage& english = GetInterfaceLanguages().front();
    for (const TInterfaceLanguage& language : GetInterfaceLanguages()) {
        std::map<int, std::set<wchar_t>> keysOfWindow;
        for (const auto& id : ids) {
            const std::wstring text = FindTableText(id.second, language);
            const std::wstring original = FindTableText(id.second, english);
            const std::string where = Narrow(language.Tag) + " " + id.first;
            ASSERT_FALSE(text.empty()) << where << " is missing";
            if (FindAccessKey(original) != 0) {
                const wchar_t translatedKey = FindAccessKey(text);
                EXPECT_NE(translatedKey, 0) << where << " has no access key: " << Narrow(text);
                EXPECT_TRUE(keysOfWindow[id.second / 100].insert(translatedKey).second)
                    << where << " repeats its window's access key " << Narrow(std::wstring(1, translatedKey));
            }
            if (CountForms(original) > 1) {
                EXPECT_EQ(CountForms(text), CountRuleForms(language.Plurals)) << where;
            }
        }
    }
}

// Runs again in a German, a Japanese and a Turkish interface (Wine takes the language from LC_ALL).
TEST(InterfaceLanguageOfThisRun, IsTheLocalesLanguageOrElseEnglish) {
    wchar_t locale[64] = {};
    GetEnvironmentVariableW(L"LC_ALL", locale, 64);
    const std::map<std::wstring, std::wstring> expected = {
        {L"", L""}, {L"de_DE.UTF-8", L"de"}, {L"ja_JP.UTF-8", L"ja"}, {L"tr_TR.UTF-8", L""}};
    ASSERT_EQ(expected.count(locale), 1u) << Narrow(locale);
    EXPECT_EQ(GetInterfaceLanguage().Tag, expected.at(locale));
    EXPECT_EQ(LoadText(IDS_NO_TEXT), FindTableText(IDS_NO_TEXT, GetInterfaceLanguage()));
}

}  // namespace
