#include "texts/InterfaceLanguage.h"

#include <cwchar>

namespace {

bool Speaks(const TInterfaceLanguage& language, LANGID candidate) {
    if (PRIMARYLANGID(candidate) != PRIMARYLANGID(language.Resources)) {
        return false;
    }
    // Readers of Traditional Chinese are better served by their next preferred language.
    if (PRIMARYLANGID(candidate) == LANG_CHINESE) {
        return SUBLANGID(candidate) == SUBLANG_CHINESE_SIMPLIFIED || SUBLANGID(candidate) == SUBLANG_CHINESE_SINGAPORE;
    }
    return true;
}

// The preferred list names the languages by their identifiers in hexadecimal, each ended by a
// null, the list by a second one.
std::vector<LANGID> ReadPreferredLanguages() {
    ULONG count = 0;
    ULONG length = 0;
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_ID, &count, nullptr, &length) || length == 0) {
        return {};
    }
    std::vector<wchar_t> buffer(length);
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_ID, &count, buffer.data(), &length)) {
        return {};
    }
    std::vector<LANGID> languages;
    for (const wchar_t* entry = buffer.data(); *entry != L'\0'; entry += std::wcslen(entry) + 1) {
        languages.push_back(static_cast<LANGID>(std::wcstoul(entry, nullptr, 16)));
    }
    return languages;
}

}  // namespace

const std::vector<TInterfaceLanguage>& GetInterfaceLanguages() {
    static const std::vector<TInterfaceLanguage> languages = {
        {MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), L"", TPluralRule::OneOther},
        {MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN), L"de", TPluralRule::OneOther},
        {MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH), L"fr", TPluralRule::ZeroOneOther},
        {MAKELANGID(LANG_SPANISH, SUBLANG_SPANISH_MODERN), L"es", TPluralRule::OneOther},
        {MAKELANGID(LANG_ITALIAN, SUBLANG_ITALIAN), L"it", TPluralRule::OneOther},
        {MAKELANGID(LANG_PORTUGUESE, SUBLANG_PORTUGUESE_BRAZILIAN), L"pt-BR", TPluralRule::ZeroOneOther},
        {MAKELANGID(LANG_POLISH, SUBLANG_DEFAULT), L"pl", TPluralRule::Polish},
        {MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT), L"ru", TPluralRule::EastSlavic},
        {MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), L"ja", TPluralRule::Single},
        {MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED), L"zh-CN", TPluralRule::Single},
    };
    return languages;
}

const TInterfaceLanguage& FindInterfaceLanguage(const std::vector<LANGID>& candidates) {
    const std::vector<TInterfaceLanguage>& languages = GetInterfaceLanguages();
    for (LANGID candidate : candidates) {
        for (const TInterfaceLanguage& language : languages) {
            if (Speaks(language, candidate)) {
                return language;
            }
        }
    }
    return languages.front();
}

const TInterfaceLanguage& GetInterfaceLanguage() {
    static const TInterfaceLanguage& chosen = [] () -> const TInterfaceLanguage& {
        std::vector<LANGID> candidates{GetUserDefaultUILanguage()};
        const std::vector<LANGID> preferred = ReadPreferredLanguages();
        candidates.insert(candidates.end(), preferred.begin(), preferred.end());
        return FindInterfaceLanguage(candidates);
    }();
    return chosen;
}
