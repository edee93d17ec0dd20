#include "store/DueOrderLines.h"

#include "store/DataFileMemory.h"
#include "store/RecordLine.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

namespace {

struct TOrderedLine {
    std::string_view Date;
    std::string_view Line;
};

// Compared and searched inline, eight bytes at a time while they agree: a call into the C runtime
// costs more than the few bytes it passes over before two lines differ, and it comes several
// times for every line.
std::size_t CountEqualBytes(std::string_view left, std::string_view right) {
    const std::size_t size = std::min(left.size(), right.size());
    std::size_t equal = 0;
    for (std::uint64_t leftWord = 0, rightWord = 0; equal + sizeof leftWord <= size; equal += sizeof leftWord) {
        std::memcpy(&leftWord, left.data() + equal, sizeof leftWord);
        std::memcpy(&rightWord, right.data() + equal, sizeof rightWord);
        if (leftWord != rightWord) {
            break;
        }
    }
    while (equal < size && left[equal] == right[equal]) {
        ++equal;
    }
    return equal;
}

// The position of the first line feed at or after start, or the text's size.
std::size_t FindLineFeed(std::string_view text, std::size_t start) {
    const std::uint64_t ones = 0x0101010101010101;
    const std::uint64_t lineFeeds = ones * '\n';
    std::size_t position = start;
    for (std::uint64_t word = 0; position + sizeof word <= text.size(); position += sizeof word) {
        std::memcpy(&word, text.data() + position, sizeof word);
        // Nonzero when a byte of the word is a line feed.
        const std::uint64_t matches = word ^ lineFeeds;
        if (((matches - ones) & ~matches & (ones << 7)) != 0) {
            break;
        }
    }
    while (position < text.size() && text[position] != '\n') {
        ++position;
    }
    return position;
}

bool IsEarlierText(std::string_view left, std::string_view right) {
    const std::size_t equal = CountEqualBytes(left, right);
    if (equal == left.size() || equal == right.size()) {
        return left.size() < right.size();
    }
    return static_cast<unsigned char>(left[equal]) < static_cast<unsigned char>(right[equal]);
}

bool ComesEarlier(std::string_view leftDate, std::string_view leftLine, std::string_view rightDate,
                  std::string_view rightLine) {
    // A due date begins its line, so between dates of one size the lines' order is the dates'.
    return leftDate.size() == rightDate.size() ? IsEarlierText(leftLine, rightLine) : IsEarlierText(leftDate, rightDate);
}

}  // namespace

bool IsSameLine(std::string_view left, std::string_view right) {
    return left.size() == right.size() && CountEqualBytes(left, right) == left.size();
}

TDueOrderLines::TDueOrderLines(std::string_view text) : Text(text) { Advance(); }

bool TDueOrderLines::ComesBefore(const TDueOrderLines& other) const {
    return ComesEarlier(Date, Line, other.Date, other.Line);
}

void TDueOrderLines::Advance() {
    if (Next == Text.size()) {
        AtEnd = true;
        return;
    }
    const std::size_t end = std::min(FindLineFeed(Text, Next) + 1, Text.size());
    const std::string_view line = GetLineContent(Text.substr(Next, end - Next));
    const std::optional<std::string_view> date = FindRecordDate(line);
    OnlyReminders = OnlyReminders && date;
    InOrder = InOrder && OnlyReminders && (Next == 0 || !ComesEarlier(*date, line, Date, Line));
    Line = line;
    Date = date ? *date : std::string_view();
    Next = end;
}

std::string PutInDueOrder(std::string_view text) {
    std::vector<TOrderedLine> lines;
    for (TDueOrderLines reader(text); !reader.IsAtEnd(); reader.Advance()) {
        lines.push_back(TOrderedLine{reader.GetDate(), reader.GetLine()});
    }
    std::sort(lines.begin(), lines.end(), [](const TOrderedLine& left, const TOrderedLine& right) {
        return ComesEarlier(left.Date, left.Line, right.Date, right.Line);
    });
    std::string ordered;
    ordered.reserve(text.size() + 2 * lines.size());
    for (const TOrderedLine& line : lines) {
        ordered += line.Line;
        ordered += "\r\n";
    }
    return ordered;
}
