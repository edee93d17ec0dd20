#include "app/datafolder/DataFolderText.h"

#include <algorithm>
#include <cwctype>

namespace {

// Room under the system's 260 characters for "\notifications.sound." and ten digits.
const std::size_t LongestFolder = 259 - 31;

bool IsSeparator(wchar_t element) { return element == L'\\' || element == L'/'; }

bool IsDriveLetter(wchar_t element) { return (element >= L'A' && element <= L'Z') || (element >= L'a' && element <= L'z'); }

// "D:\..." or "\\server\share\...".
bool IsFullPath(const std::wstring& path) {
    const bool drive = path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == L':' && IsSeparator(path[2]);
    const bool network = path.size() >= 5 && IsSeparator(path[0]) && IsSeparator(path[1]) && !IsSeparator(path[2]);
    return drive || network;
}

// Characters no name of a folder may hold, and a colon anywhere but after the drive letter.
bool HoldsForbiddenCharacter(const std::wstring& path) {
    for (std::size_t index = 0; index < path.size(); ++index) {
        const wchar_t element = path[index];
        if (element < 32 || std::wstring(L"<>\"|?*").find(element) != std::wstring::npos || (element == L':' && index != 1)) {
            return true;
        }
    }
    return false;
}

// Windows makes no name that ends in a space or a dot, and trims them away unasked.
bool HoldsUnmakeableName(const std::wstring& path) {
    for (std::size_t index = 0; index < path.size(); ++index) {
        const bool nameEnds = index + 1 == path.size() || IsSeparator(path[index + 1]);
        const bool dots = path[index] == L'.' && (index == 0 || path[index - 1] == L'.' || IsSeparator(path[index - 1]));
        if (nameEnds && (path[index] == L' ' || (path[index] == L'.' && !dots))) {
            return true;
        }
    }
    return false;
}

std::wstring TrimSeparators(std::wstring path) {
    const std::size_t kept = path.size() >= 3 && path[1] == L':' ? 3 : 1;
    while (path.size() > kept && IsSeparator(path.back())) {
        path.pop_back();
    }
    return path;
}

std::wstring Normalize(const std::wstring& path) {
    std::wstring normal = TrimSeparators(path);
    for (wchar_t& element : normal) {
        element = element == L'/' ? L'\\' : static_cast<wchar_t>(std::towlower(static_cast<wint_t>(element)));
    }
    return normal;
}

}  // namespace

TDataFolderProblem CheckDataFolderText(const std::wstring& value, std::wstring& folder) {
    folder = TrimSeparators(value);
    if (std::all_of(value.begin(), value.end(), [](wchar_t element) { return element == L' ' || element == L'\t'; })) {
        return TDataFolderProblem::Empty;
    }
    if (!IsFullPath(folder)) {
        return TDataFolderProblem::Relative;
    }
    if (folder.size() > LongestFolder) {
        return TDataFolderProblem::TooLong;
    }
    if (HoldsForbiddenCharacter(folder) || HoldsUnmakeableName(folder)) {
        return TDataFolderProblem::CannotBeMade;
    }
    return TDataFolderProblem::None;
}

bool IsSameFolderPath(const std::wstring& left, const std::wstring& right) { return Normalize(left) == Normalize(right); }
