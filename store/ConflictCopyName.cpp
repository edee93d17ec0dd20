#include "store/ConflictCopyName.h"

#include "store/SyncSkippedName.h"

#include <cstddef>

namespace {

wchar_t ToLower(wchar_t letter) { return letter >= L'A' && letter <= L'Z' ? static_cast<wchar_t>(letter + (L'a' - L'A')) : letter; }

bool EqualIgnoringCase(std::wstring_view left, std::wstring_view right) {
    if (left.size() != right.size()) {
        return false;
    }
    for (std::size_t index = 0; index < left.size(); ++index) {
        if (ToLower(left[index]) != ToLower(right[index])) {
            return false;
        }
    }
    return true;
}

// Reads what the pattern asks for from the front of text: '9' a digit, 'A' a capital letter or
// digit, anything else itself.
bool TakePattern(std::wstring_view& text, std::wstring_view pattern) {
    if (text.size() < pattern.size()) {
        return false;
    }
    for (std::size_t index = 0; index < pattern.size(); ++index) {
        const wchar_t letter = text[index];
        const bool digit = letter >= L'0' && letter <= L'9';
        const bool capital = letter >= L'A' && letter <= L'Z';
        const bool matches = pattern[index] == L'9' ? digit : pattern[index] == L'A' ? digit || capital : letter == pattern[index];
        if (!matches) {
            return false;
        }
    }
    text.remove_prefix(pattern.size());
    return true;
}

bool TakeText(std::wstring_view& text, std::wstring_view start) {
    if (text.substr(0, start.size()) != start) {
        return false;
    }
    text.remove_prefix(start.size());
    return true;
}

// One or more digits, the first not 0.
bool TakeCounter(std::wstring_view& text) {
    std::size_t size = 0;
    while (size < text.size() && text[size] >= L'0' && text[size] <= L'9') {
        ++size;
    }
    if (size == 0 || text[0] == L'0') {
        return false;
    }
    text.remove_prefix(size);
    return true;
}

bool IsSyncthingMark(std::wstring_view mark) {
    return TakeText(mark, L".sync-conflict-") && TakePattern(mark, L"99999999-999999-AAAAAAA") && mark.empty();
}

// " (NAME's conflicted copy YYYY-MM-DD)" or with " (N)" after the date; the name may be anything
// but the end of the mark.
bool IsDropboxMark(std::wstring_view mark) {
    const std::wstring_view copy = L"'s conflicted copy ";
    if (!TakeText(mark, L" (")) {
        return false;
    }
    const std::size_t found = mark.rfind(copy);
    if (found == std::wstring_view::npos || found == 0) {
        return false;
    }
    mark.remove_prefix(found + copy.size());
    if (!TakePattern(mark, L"9999-99-99")) {
        return false;
    }
    if (TakeText(mark, L" (") && !(TakeCounter(mark) && TakeText(mark, L")"))) {
        return false;
    }
    return mark == L")";
}

// " (conflicted copy [USER ]YYYY-MM-DD HHMMSS)"; the user's name holds no parenthesis.
bool IsNextcloudMark(std::wstring_view mark) {
    if (!TakeText(mark, L" (conflicted copy ") || mark.size() < 18 || mark.back() != L')') {
        return false;
    }
    std::wstring_view date = mark.substr(mark.size() - 18);
    const std::wstring_view user = mark.substr(0, mark.size() - 18);
    if (user.find_first_of(L"()") != std::wstring_view::npos || (!user.empty() && user.back() != L' ')) {
        return false;
    }
    return TakePattern(date, L"9999-99-99 999999)") && date.empty();
}

// "_conflict-YYYYMMDD-HHMMSS", or "_conflict_USER-YYYYMMDD-HHMMSS" where the client was told a
// user name.
bool IsOldNextcloudMark(std::wstring_view mark) {
    if (mark.size() < 16) {
        return false;
    }
    std::wstring_view time = mark.substr(mark.size() - 16);
    if (!TakePattern(time, L"-99999999-999999")) {
        return false;
    }
    const std::wstring_view start = mark.substr(0, mark.size() - 16);
    return start == L"_conflict" || (start.size() > 10 && start.substr(0, 10) == L"_conflict_");
}

bool IsOneDriveMark(std::wstring_view mark, std::wstring_view computerName) {
    if (computerName.empty() || !TakeText(mark, L"-") || mark.size() < computerName.size() ||
        !EqualIgnoringCase(mark.substr(0, computerName.size()), computerName)) {
        return false;
    }
    mark.remove_prefix(computerName.size());
    return mark.empty() || (TakeText(mark, L"-") && TakeCounter(mark) && mark.empty());
}

}  // namespace

bool IsConflictCopyName(std::wstring_view name, std::wstring_view dataFileName, std::wstring_view computerName) {
    if (dataFileName.empty() || name.size() <= dataFileName.size() || IsTransientSideFileName(name) ||
        !EqualIgnoringCase(name.substr(0, dataFileName.size()), dataFileName)) {
        return false;
    }
    const std::wstring_view mark = name.substr(dataFileName.size());
    return IsSyncthingMark(mark) || IsDropboxMark(mark) || IsNextcloudMark(mark) || IsOldNextcloudMark(mark) ||
           IsOneDriveMark(mark, computerName);
}
