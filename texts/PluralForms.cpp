#include "texts/PluralForms.h"

namespace {

// The "few" of the Slavic rules: 2-4 in the last digit, outside the teens.
bool IsSlavicFew(long long count) {
    const long long lastDigit = count % 10;
    const long long lastTwoDigits = count % 100;
    return lastDigit >= 2 && lastDigit <= 4 && !(lastTwoDigits >= 12 && lastTwoDigits <= 14);
}

}  // namespace

int SelectPluralForm(TPluralRule rule, long long count) {
    // Negative counts follow the rules of their size.
    const long long size = count < 0 ? -count : count;
    switch (rule) {
    case TPluralRule::Single:
        return 0;
    case TPluralRule::OneOther:
        return size == 1 ? 0 : 1;
    case TPluralRule::ZeroOneOther:
        return size <= 1 ? 0 : 1;
    case TPluralRule::EastSlavic:
        if (size % 10 == 1 && size % 100 != 11) {
            return 0;
        }
        return IsSlavicFew(size) ? 1 : 2;
    case TPluralRule::Polish:
        if (size == 1) {
            return 0;
        }
        return IsSlavicFew(size) ? 1 : 2;
    }
    return 0;
}

std::wstring PickPluralForm(const std::wstring& forms, TPluralRule rule, long long count) {
    const int wanted = SelectPluralForm(rule, count);
    std::wstring::size_type start = 0;
    for (int form = 0; form < wanted; ++form) {
        const std::wstring::size_type separator = forms.find(L'|', start);
        if (separator == std::wstring::npos) {
            break;
        }
        start = separator + 1;
    }
    const std::wstring::size_type end = forms.find(L'|', start);
    return forms.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
}
