#include "store/RecordLine.h"

#include "store/Utf8Text.h"

namespace {

const char FieldSeparator = '|';

std::wstring ReplaceLineBreaks(std::wstring text) {
    for (wchar_t& element : text) {
        if (element == L'\r' || element == L'\n') {
            element = L' ';
        }
    }
    return text;
}

}  // namespace

std::string FormatRecordLine(const TNotification& record) {
    std::string line = record.Date;
    line += FieldSeparator;
    line += EncodeUtf8(record.SoundFile);
    line += FieldSeparator;
    line += EncodeUtf8(ReplaceLineBreaks(record.Text));
    line += "\r\n";
    return line;
}

std::optional<TNotification> ParseRecordLine(const std::string& line) {
    const std::size_t first = line.find(FieldSeparator);
    if (first == std::string::npos || first == 0) {
        return std::nullopt;
    }
    const std::size_t second = line.find(FieldSeparator, first + 1);
    if (second == std::string::npos) {
        return std::nullopt;
    }
    TNotification record(line.substr(0, first), DecodeUtf8(line.substr(second + 1)));
    record.SoundFile = DecodeUtf8(line.substr(first + 1, second - first - 1));
    return record;
}
