#include "store/DisplayDateTime.h"

#include "store/Calendar.h"

#include <windows.h>

namespace {

using TLocaleFormatter = int(WINAPI*)(LCID, DWORD, const SYSTEMTIME*, LPCWSTR, LPWSTR, int);

const std::int64_t SecondsPerDay = 24 * 60 * 60;
// Within a week each day name stands for one day.
const std::int64_t DaysNamedByWeekday = 7;

std::wstring FormatWithLocale(TLocaleFormatter format, const SYSTEMTIME& time, DWORD flags = 0,
                              const wchar_t* picture = nullptr) {
    const int length = format(LOCALE_USER_DEFAULT, flags, &time, picture, nullptr, 0);
    if (length <= 0) {
        return std::wstring();
    }
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    const int written = format(LOCALE_USER_DEFAULT, flags, &time, picture, &text[0], length);
    // The count includes the terminating NUL.
    text.resize(written > 0 ? static_cast<std::size_t>(written - 1) : 0);
    return text;
}

SYSTEMTIME MakeSystemTime(const TCalendarFields& fields) {
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(fields.Year);
    time.wMonth = static_cast<WORD>(fields.Month);
    time.wDay = static_cast<WORD>(fields.Day);
    time.wDayOfWeek = static_cast<WORD>(fields.DayOfWeek);
    time.wHour = static_cast<WORD>(fields.Hour);
    time.wMinute = static_cast<WORD>(fields.Minute);
    time.wSecond = static_cast<WORD>(fields.Second);
    return time;
}

std::int64_t CountDaysSince1601(const TCalendarFields& fields) { return CountSecondsSince1601(fields) / SecondsPerDay; }

}  // namespace

std::wstring FormatDateTimeForDisplay(const TDateTimeText& date) {
    TCalendarFields fields;
    if (!ReadDateTimeFields(date, fields)) {
        return std::wstring();
    }
    const SYSTEMTIME time = MakeSystemTime(fields);
    return FormatWithLocale(GetDateFormatW, time) + L" " + FormatWithLocale(GetTimeFormatW, time);
}

// A day name alone would say "Wed" for last Wednesday as for the next one: overdue reminders of
// earlier days get their date.
std::wstring FormatDueTimeForDisplay(const TDateTimeText& due, const TDateTimeText& now) {
    TCalendarFields dueFields;
    if (!ReadDateTimeFields(due, dueFields)) {
        return std::wstring();
    }
    TCalendarFields nowFields;
    const std::int64_t daysAhead =
        ReadDateTimeFields(now, nowFields) ? CountDaysSince1601(dueFields) - CountDaysSince1601(nowFields) : -1;
    const SYSTEMTIME time = MakeSystemTime(dueFields);
    const std::wstring day = daysAhead >= 0 && daysAhead < DaysNamedByWeekday
                                 ? FormatWithLocale(GetDateFormatW, time, 0, L"ddd")
                                 : FormatWithLocale(GetDateFormatW, time, DATE_SHORTDATE);
    return day + L" " + FormatWithLocale(GetTimeFormatW, time, TIME_NOSECONDS);
}

std::wstring FormatTimeForDisplay(const TDateTimeText& date) {
    TCalendarFields fields;
    return ReadDateTimeFields(date, fields) ? FormatWithLocale(GetTimeFormatW, MakeSystemTime(fields), TIME_NOSECONDS)
                                            : std::wstring();
}
