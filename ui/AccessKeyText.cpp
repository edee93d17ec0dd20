#include "ui/AccessKeyText.h"

std::wstring RemoveAccessKeyMarks(const std::wstring& caption) {
    std::wstring visible;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == L'&' && ++i == caption.size()) {
            break;
        }
        visible += caption[i];
    }
    return visible;
}

std::wstring NameCaption(const std::wstring& caption) {
    const size_t bracket = caption.size() >= 4 ? caption.size() - 4 : std::wstring::npos;
    const bool keyInBrackets = bracket != std::wstring::npos && caption.compare(bracket, 2, L"(&") == 0 &&
                               caption.back() == L')';
    return RemoveAccessKeyMarks(keyInBrackets ? caption.substr(0, bracket) : caption);
}
