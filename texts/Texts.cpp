#include "texts/Texts.h"

#include "texts/TextPattern.h"

namespace {

// String tables come in blocks of sixteen texts, each a length followed by that many UTF-16
// units, without a terminating null.
const int TextsPerBlock = 16;

}  // namespace

std::wstring FindTableText(int id, const TInterfaceLanguage& language) {
    const HMODULE module = GetModuleHandleW(nullptr);
    const WORD block = static_cast<WORD>(id / TextsPerBlock + 1);
    const HRSRC resource = FindResourceExW(module, MAKEINTRESOURCEW(6), MAKEINTRESOURCEW(block), language.Resources);
    const HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const auto* entry = static_cast<const wchar_t*>(loaded ? LockResource(loaded) : nullptr);
    if (!entry) {
        return std::wstring();
    }
    for (int skipped = 0; skipped < id % TextsPerBlock; ++skipped) {
        entry += 1 + static_cast<unsigned short>(*entry);
    }
    return std::wstring(entry + 1, static_cast<unsigned short>(*entry));
}

std::wstring LoadText(int id) {
    const std::wstring text = FindTableText(id, GetInterfaceLanguage());
    return text.empty() ? FindTableText(id, GetInterfaceLanguages().front()) : text;
}

std::wstring FormatText(int id, const std::vector<std::wstring>& values) { return FillTextPattern(LoadText(id), values); }

std::wstring FormatCountedText(int id, long long count, const std::vector<std::wstring>& furtherValues) {
    const std::wstring form = PickPluralForm(LoadText(id), GetInterfaceLanguage().Plurals, count);
    std::vector<std::wstring> values = {std::to_wstring(count)};
    values.insert(values.end(), furtherValues.begin(), furtherValues.end());
    return FillTextPattern(form, values);
}
