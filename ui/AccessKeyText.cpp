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
