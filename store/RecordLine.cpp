#include "store/RecordLine.h"

#include "store/Utf8Text.h"

#include <string_view>
#include <utility>

namespace {

const char FieldSeparator = '|';

std::wstring ReplaceCharacters(std::wstring text, std::wstring_view unwritable) {
    for (wchar_t& element : text) {
        if (unwritable.find(element) != std::wstring_view::npos) {
            element = L' ';
        }
    }
    return text;
}

}  // namespace

std::string FormatRecordLine(const TNotification& record) {
    std::string line = record.Date;
    line += FieldSeparator;
    // No file name holds "|" or a line break, yet an over-long UTF-8 form in a data file can
    // spell one in the sound field; written as it stands it would end the field or the line.
    line += EncodeUtf8(ReplaceCharacters(record.SoundFile, L"|\r\n"));
    line += FieldSeparator;
    line += EncodeUtf8(ReplaceCharacters(record.Text, L"\r\n"));
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

bool ReadNextRecord(TLineReader& lines, TNotification& record) {
    std::string line;
    while (lines.ReadLine(line)) {
        if (auto parsed = ParseRecordLine(line)) {
            record = std::move(*parsed);
            return true;
        }
    }
    return false;
}
