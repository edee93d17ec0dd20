#include "store/RecordLine.h"

#include "store/ByteWords.h"
#include "store/Utf8Text.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace {

const char FieldSeparator = '|';
const std::size_t DueDateSize = 19;
const char RepeatSeparator = ' ';

// A repeating reminder's due field is its due date, a space and its rule. Only a field with
// something after that space holds a rule, so that every due field reads back as itself.
bool HoldsRepeatRule(std::string_view dueField) {
    return dueField.size() > DueDateSize + 1 && dueField[DueDateSize] == RepeatSeparator;
}

// No file name holds "|" or a line break, yet an over-long UTF-8 form in a data file can spell
// one in the sound field; written as it stands it would end the field or the line. Line breaks
// in the text would add a line.
void AppendField(std::string& line, const std::wstring& field, bool mayHoldSeparator) {
    for (const wchar_t element : field) {
        const bool unwritable = element == L'\r' || element == L'\n' || (!mayHoldSeparator && element == L'|');
        AppendUtf8(line, unwritable ? L' ' : element);
    }
}

std::uint8_t ByteAt(std::string_view bytes, std::size_t index) { return static_cast<std::uint8_t>(bytes[index]); }

bool IsContinuation(std::string_view bytes, std::size_t index) {
    return index < bytes.size() && (ByteAt(bytes, index) & 0xC0) == 0x80;
}

// Where the run of ASCII other than CR that starts at position ends: nearly every byte of a data
// file is in such a run.
std::size_t SkipPlainAscii(std::string_view field, std::size_t position) {
    for (; position + 8 <= field.size(); position += 8) {
        const std::uint64_t word = LoadByteWord(field.data() + position);
        if (HoldsNonAscii(word) || HoldsByte(word, '\r')) {
            break;
        }
    }
    return position;
}

// The shortest form of every element, as AppendUtf8 makes it, and no CR, which is written as a
// space.
bool IsWrittenField(std::string_view field) {
    std::size_t position = 0;
    while ((position = SkipPlainAscii(field, position)) < field.size()) {
        const std::uint8_t lead = ByteAt(field, position);
        if (lead < 0x80) {
            if (lead == '\r') {
                return false;
            }
            position += 1;
        } else if (lead >= 0xC2 && lead <= 0xDF && IsContinuation(field, position + 1)) {
            position += 2;
        } else if (lead >= 0xE0 && lead <= 0xEF && IsContinuation(field, position + 1) &&
                   IsContinuation(field, position + 2) && (lead != 0xE0 || ByteAt(field, position + 1) >= 0xA0)) {
            position += 3;
        } else {
            return false;
        }
    }
    return true;
}

// The position of the first separator at or after start, or the line's size. Searched inline:
// the library's search is a call into the C runtime, which costs more than the few bytes it
// passes over here, once for every line of every change.
std::size_t FindSeparator(std::string_view line, std::size_t start) {
    const auto found = std::find(line.begin() + static_cast<std::ptrdiff_t>(start), line.end(), FieldSeparator);
    return static_cast<std::size_t>(found - line.begin());
}

// The positions of the two separators of a line that holds a record.
bool FindSeparators(std::string_view line, std::size_t& first, std::size_t& second) {
    first = FindSeparator(line, 0);
    if (first == line.size() || first == 0) {
        return false;
    }
    second = FindSeparator(line, first + 1);
    return second != line.size();
}

}  // namespace

std::string FormatRecordLine(const TNotification& record) {
    std::string line;
    AppendRecordLine(line, record);
    return line;
}

void AppendRecordLine(std::string& bytes, const TNotification& record) {
    bytes.reserve(bytes.size() + record.Date.size() + record.Repeat.size() + record.SoundFile.size() +
                  record.Text.size() + 5);
    bytes += record.Date;
    if (!record.Repeat.empty()) {
        bytes += RepeatSeparator;
        bytes += record.Repeat;
    }
    bytes += FieldSeparator;
    AppendField(bytes, record.SoundFile, false);
    bytes += FieldSeparator;
    AppendField(bytes, record.Text, true);
    bytes += "\r\n";
}

std::optional<TNotification> ParseRecordLine(std::string_view line) {
    TNotification record;
    if (!ParseRecordLine(line, record)) {
        return std::nullopt;
    }
    return record;
}

bool HoldsRecord(std::string_view line) {
    std::size_t first = 0;
    std::size_t second = 0;
    return FindSeparators(line, first, second);
}

std::string_view GetRecordDate(std::string_view line) {
    const std::string_view dueField = line.substr(0, FindSeparator(line, 0));
    return HoldsRepeatRule(dueField) ? dueField.substr(0, DueDateSize) : dueField;
}

bool ParseRecordLine(std::string_view line, TNotification& record) {
    std::size_t first = 0;
    std::size_t second = 0;
    if (!FindSeparators(line, first, second)) {
        return false;
    }
    const std::string_view dueField = line.substr(0, first);
    if (HoldsRepeatRule(dueField)) {
        record.Date.assign(dueField.data(), DueDateSize);
        record.Repeat.assign(dueField.data() + DueDateSize + 1, dueField.size() - DueDateSize - 1);
    } else {
        record.Date.assign(dueField.data(), dueField.size());
        record.Repeat.clear();
    }
    record.SoundFile.clear();
    AppendDecodedUtf8(record.SoundFile, line.substr(first + 1, second - first - 1));
    record.Text.clear();
    AppendDecodedUtf8(record.Text, line.substr(second + 1));
    record.Id = -1;
    return true;
}

bool IsWrittenForm(std::string_view line) {
    std::size_t first = 0;
    std::size_t second = 0;
    return FindSeparators(line, first, second) && IsWrittenField(line.substr(first + 1, second - first - 1)) &&
           IsWrittenField(line.substr(second + 1));
}

bool ReadNextRecordLine(TLineReader& lines, std::string_view& line) {
    while (lines.ReadLine(line)) {
        if (HoldsRecord(line)) {
            return true;
        }
    }
    return false;
}

bool ReadNextRecord(TLineReader& lines, std::string_view& line, TNotification& record) {
    return ReadNextRecordLine(lines, line) && ParseRecordLine(line, record);
}
