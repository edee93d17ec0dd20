#include "app/instance/CommandSwitch.h"

bool IsSwitch(const std::wstring& word, const std::wstring& name) {
    if (word.size() != name.size() + 1 || (word[0] != L'/' && word[0] != L'-')) {
        return false;
    }
    for (std::size_t index = 0; index < name.size(); ++index) {
        const wchar_t element = word[index + 1];
        // Only ASCII letters fold, whatever the user's locale.
        const wchar_t folded = element >= L'A' && element <= L'Z' ? static_cast<wchar_t>(element - L'A' + L'a') : element;
        if (folded != name[index]) {
            return false;
        }
    }
    return true;
}
