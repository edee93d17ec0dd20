#include "store/RepeatRule.h"

#include "store/RepeatRuleLimits.h"

namespace {

using TUnit = TRepeatRule::TUnit;

const char Every[] = "every ";
const char Weekday[] = "weekday";
const char OnDay[] = " on day ";

// Singular names of the units counted in numbers, in the order of TUnit.
const char* const CountedUnitNames[] = {"minute", "hour", "day", "week", "month", "year"};
const int CountedUnitCount = 6;

bool IsDigit(char character) { return character >= '0' && character <= '9'; }

bool KeepsSeriesDay(TUnit unit) { return unit == TUnit::Month || unit == TUnit::Year; }

// Reads word at position and moves past it.
bool SkipWord(const std::string& text, std::size_t& position, const std::string& word) {
    if (text.compare(position, word.size(), word) != 0) {
        return false;
    }
    position += word.size();
    return true;
}

// A number from 1 to max without leading zeros; stops before it could overflow.
bool ReadNumber(const std::string& text, std::size_t& position, int max, int& number) {
    if (position >= text.size() || !IsDigit(text[position]) || text[position] == '0') {
        return false;
    }
    number = 0;
    for (; position < text.size() && IsDigit(text[position]); ++position) {
        number = number * 10 + (text[position] - '0');
        if (number > max) {
            return false;
        }
    }
    return true;
}

bool ReadCountedUnit(const std::string& text, std::size_t& position, TUnit& unit) {
    for (int index = 0; index < CountedUnitCount; ++index) {
        if (SkipWord(text, position, CountedUnitNames[index])) {
            SkipWord(text, position, "s");
            unit = static_cast<TUnit>(index);
            return true;
        }
    }
    return false;
}

bool ReadCountedRule(const std::string& text, std::size_t position, TRepeatRule& rule) {
    TRepeatRule read;
    if (!ReadNumber(text, position, MaxRepeatCount, read.Count) || !SkipWord(text, position, " ") ||
        !ReadCountedUnit(text, position, read.Unit)) {
        return false;
    }
    if (KeepsSeriesDay(read.Unit) && SkipWord(text, position, OnDay) &&
        !ReadNumber(text, position, MaxSeriesDay, read.SeriesDay)) {
        return false;
    }
    if (position != text.size()) {
        return false;
    }
    rule = read;
    return true;
}

}  // namespace

bool operator==(const TRepeatRule& left, const TRepeatRule& right) {
    return left.Unit == right.Unit && left.Count == right.Count && left.SeriesDay == right.SeriesDay;
}

bool ParseRepeatRule(const std::string& text, TRepeatRule& rule) {
    std::size_t position = 0;
    if (!SkipWord(text, position, Every)) {
        return false;
    }
    if (text.compare(position, std::string::npos, Weekday) == 0) {
        rule = TRepeatRule();
        rule.Unit = TUnit::Weekday;
        return true;
    }
    return ReadCountedRule(text, position, rule);
}

std::string FormatRepeatRule(const TRepeatRule& rule) {
    if (rule.Unit == TUnit::Weekday) {
        return std::string(Every) + Weekday;
    }
    std::string text = std::string(Every) + std::to_string(rule.Count) + " " +
                       CountedUnitNames[static_cast<int>(rule.Unit)] + (rule.Count == 1 ? "" : "s");
    if (KeepsSeriesDay(rule.Unit) && rule.SeriesDay != 0) {
        text += OnDay + std::to_string(rule.SeriesDay);
    }
    return text;
}
