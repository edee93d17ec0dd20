#include "store/RecordLine.h"

#include "store/Utf8Text.h"

#include <algorithm>
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
    line.reserve(record.Date.size() + record.Repeat.size() + record.SoundFile.size() + record.Text.size() + 5);
    line += record.Date;
    if (!record.Repeat.empty()) {
        line += RepeatSeparator;
        line += record.Repeat;
    }
    line += FieldSeparator;
    AppendField(line, record.SoundFile, false);
    line += FieldSeparator;
    AppendField(line, record.Text, true);
    line += "\r\n";
    return line;
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

std::optional<std::string_view> FindRecordDate(std::string_view line) {
    std::size_t first = 0;
    std::size_t second = 0;
    if (!FindSeparators(line, first, second)) {
        return std::nullopt;
    }
    const std::string_view dueField = line.substr(0, first);
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
