// Date-time and duration texts through AddDuration: any pair of texts gives either no date or
// a well-formed one, and a duration read from its text moves a date there and back.

#include "fuzz/FuzzCheck.h"
#include "store/DateTimeText.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

namespace {

bool IsDigit(char character) { return character >= '0' && character <= '9'; }

bool IsWellFormed(const TDateTimeText& text) {
    static const char picture[] = "dddd.dd.dd dd:dd:dd";
    if (text.size() != sizeof(picture) - 1) {
        return false;
    }
    for (std::size_t index = 0; index < text.size(); ++index) {
        if (picture[index] == 'd' ? !IsDigit(text[index]) : text[index] != picture[index]) {
            return false;
        }
    }
    return true;
}

void CheckTexts(const std::string& date, const std::string& duration) {
    const TDateTimeText moved = AddDuration(date, duration);
    FUZZ_CHECK(moved.empty() || IsWellFormed(moved));
}

std::int64_t ReadNumber(const std::uint8_t* data, std::size_t bytes) {
    std::int64_t number = 0;
    std::memcpy(&number, data, bytes);
    return number;
}

// Hours and minutes kept where their negation still fits in 32 bits.
std::int32_t ReadClockField(const std::uint8_t* data) {
    const std::int32_t field = static_cast<std::int32_t>(ReadNumber(data, 4));
    return field == std::numeric_limits<std::int32_t>::min() ? 0 : field;
}

void CheckThereAndBack(const std::string& date, const std::uint8_t* data) {
    const std::int32_t hours = ReadClockField(data);
    const std::int32_t minutes = ReadClockField(data + 4);
    std::int64_t seconds = ReadNumber(data + 8, 8);
    if (seconds == std::numeric_limits<std::int64_t>::min()) {
        seconds = 0;
    }
    const std::string forward = std::to_string(hours) + ":" + std::to_string(minutes) + ":" + std::to_string(seconds);
    const std::string backward =
        std::to_string(-hours) + ":" + std::to_string(-minutes) + ":" + std::to_string(-seconds);
    const TDateTimeText start = AddDuration(date, "00:00:00");
    const TDateTimeText moved = AddDuration(date, forward);
    if (start.empty() || moved.empty()) {
        return;
    }
    FUZZ_CHECK(AddDuration(moved, backward) == start);
    const std::int64_t total = (static_cast<std::int64_t>(hours) * 60 + minutes) * 60 + seconds;
    FUZZ_CHECK(total >= 0 ? !(moved < start) : moved < start);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::size_t split = text.find('\0');
    if (split == std::string::npos) {
        CheckTexts(text, text);
        return 0;
    }
    const std::string date = text.substr(0, split);
    CheckTexts(date, text.substr(split + 1));
    if (size - split - 1 >= 16) {
        CheckThereAndBack(date, data + split + 1);
    }
    return 0;
}
