#include "store/SoundFileName.h"

#include <algorithm>
#include <chrono>
#include <random>

namespace {

const std::wstring SoundInfix = L".sound.";

std::wstring GetFolderPrefix(const std::wstring& path) {
    const std::size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator + 1);
}

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

std::uint32_t PickSoundFileNumber() {
    static std::mt19937 generator(std::random_device{}() ^
                                  static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
                                  static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    return static_cast<std::uint32_t>(generator());
}

std::wstring PlaceBesideStore(const std::wstring& storePath, const std::wstring& soundPath) {
    const std::size_t separator = soundPath.find_last_of(L"\\/");
    const std::wstring name = separator == std::wstring::npos ? soundPath : soundPath.substr(separator + 1);
    return name.empty() ? std::wstring() : GetFolderPrefix(storePath) + name;
}
