#include "app/requests/CountdownText.h"

namespace {

bool IsDigit(char character) { return character >= '0' && character <= '9'; }

}  // namespace

bool ReadAscii(const std::wstring& word, std::string& narrow) {
    narrow.clear();
    for (const wchar_t element : word) {
        if (element < 1 || element > 0x7F) {
            return false;
        }
        narrow += static_cast<char>(element);
    }
    return true;
}

bool IsCountdown(const std::string& text) {
    const std::size_t hourDigits = text.find(':');
    if (hourDigits < 1 || hourDigits > 4 || text.size() != hourDigits + 6 || text[hourDigits + 3] != ':') {
        return false;
    }
    for (std::size_t index = 0; index < text.size(); ++index) {
        if (index != hourDigits && index != hourDigits + 3 && !IsDigit(text[index])) {
            return false;
        }
    }
    return text[hourDigits + 1] < '6' && text[hourDigits + 4] < '6';
}
