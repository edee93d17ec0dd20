#include "texts/TextPattern.h"

std::wstring FillTextPattern(const std::wstring& pattern, const std::vector<std::wstring>& values) {
    std::wstring filled;
    filled.reserve(pattern.size());
    for (std::wstring::size_type i = 0; i < pattern.size(); ++i) {
        const wchar_t next = i + 1 < pattern.size() ? pattern[i + 1] : L'\0';
        if (pattern[i] != L'%' || !(next == L'%' || (next >= L'1' && next <= L'9'))) {
            filled += pattern[i];
            continue;
        }
        ++i;
        if (next == L'%') {
            filled += L'%';
            continue;
        }
        const std::vector<std::wstring>::size_type index = static_cast<std::vector<std::wstring>::size_type>(next - L'1');
        if (index < values.size()) {
            filled += values[index];
        }
    }
    return filled;
}
