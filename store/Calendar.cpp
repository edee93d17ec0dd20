#include "store/Calendar.h"

#include <algorithm>
#include <sstream>

namespace {

const int FirstYear = 1601;
const int LastYear = 9999;
const std::int64_t SecondsPerDay = 86400;

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// Days from 0000-03-01 in the proleptic Gregorian calendar; counting years from March puts the
// leap day last, so every 400-year era has the same shape.
std::int64_t CountDaysFromEpoch(int year, int month, int day) {
    const std::int64_t shiftedYear = month <= 2 ? year - 1 : year;
    const std::int64_t era = shiftedYear / 400;
    const std::int64_t yearOfEra = shiftedYear - era * 400;
    const std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra;
}

void SetDateFromEpochDays(std::int64_t days, TCalendarFields& fields) {
    const std::int64_t era = days / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    fields.Day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    fields.Month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    fields.Year = static_cast<int>(yearOfEra + era * 400 + (fields.Month <= 2 ? 1 : 0));
}

const std::int64_t EpochDaysOf1601 = CountDaysFromEpoch(FirstYear, 1, 1);

void AppendTwoDigits(std::string& text, int value) {
    text += static_cast<char>('0' + value / 10);
    text += static_cast<char>('0' + value % 10);
}

}  // namespace

int CountDaysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool ReadDateTimeFields(const TDateTimeText& text, TCalendarFields& fields) {
    std::string spaced = text;
    std::replace(spaced.begin(), spaced.end(), '.', ' ');
    std::replace(spaced.begin(), spaced.end(), ':', ' ');
    std::istringstream input(spaced);
    long values[6];
    for (long& value : values) {
        if (!(input >> value)) {
            return false;
        }
    }
    const long year = values[0];
    const long month = values[1];
    if (year < FirstYear || year > LastYear || month < 1 || month > 12) {
        return false;
    }
    const long day = values[2];
    const long hour = values[3];
    const long minute = values[4];
    const long second = values[5];
    if (day < 1 || day > CountDaysInMonth(static_cast<int>(year), static_cast<int>(month)) || hour < 0 || hour > 23 ||
        minute < 0 || minute > 59 || second < 0 || second > 59) {
        return false;
    }
    TCalendarFields read;
    read.Year = static_cast<int>(year);
    read.Month = static_cast<int>(month);
    read.Day = static_cast<int>(day);
    read.Hour = static_cast<int>(hour);
    read.Minute = static_cast<int>(minute);
    read.Second = static_cast<int>(second);
    // The count fills in the day of the week.
    return MakeCalendarFields(CountSecondsSince1601(read), fields);
}

std::int64_t CountSecondsSince1601(const TCalendarFields& fields) {
    const std::int64_t days = CountDaysFromEpoch(fields.Year, fields.Month, fields.Day) - EpochDaysOf1601;
    return days * SecondsPerDay + fields.Hour * 3600 + fields.Minute * 60 + fields.Second;
}

bool MakeCalendarFields(std::int64_t secondsSince1601, TCalendarFields& fields) {
    const std::int64_t lastSecond = (CountDaysFromEpoch(LastYear + 1, 1, 1) - EpochDaysOf1601) * SecondsPerDay - 1;
    if (secondsSince1601 < 0 || secondsSince1601 > lastSecond) {
        return false;
    }
    const std::int64_t days = secondsSince1601 / SecondsPerDay;
    const std::int64_t secondOfDay = secondsSince1601 % SecondsPerDay;
    SetDateFromEpochDays(days + EpochDaysOf1601, fields);
    fields.Hour = static_cast<int>(secondOfDay / 3600);
    fields.Minute = static_cast<int>(secondOfDay / 60 % 60);
    fields.Second = static_cast<int>(secondOfDay % 60);
    fields.DayOfWeek = static_cast<int>((days + 1) % 7);
    return true;
}

TDateTimeText WriteDateTimeText(const TCalendarFields& fields) {
    TDateTimeText text = std::to_string(fields.Year);
    text += '.';
    AppendTwoDigits(text, fields.Month);
    text += '.';
    AppendTwoDigits(text, fields.Day);
    text += ' ';
    AppendTwoDigits(text, fields.Hour);
    text += ':';
    AppendTwoDigits(text, fields.Minute);
    text += ':';
    AppendTwoDigits(text, fields.Second);
    return text;
}
