#include "app/requests/AddRequest.h"

#include "store/RecordLine.h"
#include "store/RepeatRule.h"
#include "store/Utf8Text.h"

namespace {

// The number of bytes of the UTF-8 sequence that starts with lead; 0 for a byte that starts none.
std::size_t GetSequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    return lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
}

// The data file codes every UTF-16 unit on its own; other programs write a character beyond
// U+FFFF in four bytes, which the file's reader would not give back.
bool ConvertToDataFileCoding(std::string_view bytes, std::string& converted) {
    for (std::size_t position = 0; position < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[position]);
        const std::size_t length = GetSequenceLength(lead);
        if (length == 0 || position + length > bytes.size()) {
            return false;
        }
        std::uint32_t code = length == 1 ? lead : lead & (0x7Fu >> length);
        for (std::size_t next = 1; next < length; ++next) {
            const auto continuation = static_cast<unsigned char>(bytes[position + next]);
            if ((continuation & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (continuation & 0x3Fu);
        }
        if ((length == 3 && code < 0x800) || (length == 4 && (code < 0x10000 || code > 0x10FFFF))) {
            return false;
        }
        if (length == 4) {
            AppendUtf8(converted, static_cast<wchar_t>(0xD800 + ((code - 0x10000) >> 10)));
            AppendUtf8(converted, static_cast<wchar_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
        } else {
            converted.append(bytes.substr(position, length));
        }
        position += length;
    }
    return true;
}

}  // namespace

std::string FormatAddRequest(const TNotification& reminder) {
    TNotification sent(reminder.Date, reminder.Text);
    sent.Repeat = reminder.Repeat;
    std::string line = FormatRecordLine(sent);
    line.resize(line.size() - 2);
    return line;
}

bool ReadAddRequest(std::string_view bytes, TNotification& reminder) {
    std::string line;
    TNotification read;
    TRepeatRule rule;
    if (!ConvertToDataFileCoding(bytes, line) || line.find_first_of("\r\n") != std::string::npos ||
        !ParseRecordLine(line, read) || !read.SoundFile.empty() || !IsDateTimeText(read.Date) ||
        (!read.Repeat.empty() && !ParseRepeatRule(read.Repeat, rule))) {
        return false;
    }
    if (!read.Repeat.empty()) {
        read.Repeat = FormatRepeatRule(rule);
    }
    reminder = read;
    return true;
}
