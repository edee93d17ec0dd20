#include "store/SoundFileName.h"

#include <algorithm>

namespace {

const std::wstring SoundInfix = L".sound.";

}  // namespace

std::wstring MakeSoundFileName(const std::wstring& storePath, std::uint32_t number) {
    return storePath + SoundInfix + std::to_wstring(number);
}

bool IsStoreSoundFileName(const std::wstring& storePath, const std::wstring& path) {
    const std::wstring prefix = storePath + SoundInfix;
    if (storePath.empty() || path.size() <= prefix.size() || path.compare(0, prefix.size(), prefix) != 0) {
        return false;
    }
    return std::all_of(path.begin() + static_cast<std::ptrdiff_t>(prefix.size()), path.end(),
                       [](wchar_t element) { return element >= L'0' && element <= L'9'; });
}
