#pragma once

#include "store/DateTimeText.h"

#include <cstdint>

// Broken-down proleptic Gregorian date and time, limited to the years 1601 to 9999: the range
// that both the platform's calendar conversions and the four-digit year of the text cover.
struct TCalendarFields {
    int Year = 1601;
    int Month = 1;
    int Day = 1;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int DayOfWeek = 1;  // 0 is Sunday; 1601-01-01 was a Monday.
};

// Month 1 to 12.
int CountDaysInMonth(int year, int month);

// False when the text does not spell a real date and time in the covered years.
bool ReadDateTimeFields(const TDateTimeText& text, TCalendarFields& fields);

std::int64_t CountSecondsSince1601(const TCalendarFields& fields);

// False when the count lies outside the covered years.
bool MakeCalendarFields(std::int64_t secondsSince1601, TCalendarFields& fields);

TDateTimeText WriteDateTimeText(const TCalendarFields& fields);
