#include "store/DisplayDateTime.h"

#include "store/Calendar.h"

#include <windows.h>

namespace {

using TLocaleFormatter = int(WINAPI*)(LCID, DWORD, const SYSTEMTIME*, LPCWSTR, LPWSTR, int);

std::wstring FormatWithLocale(TLocaleFormatter format, const SYSTEMTIME& time) {
    const int length = format(LOCALE_USER_DEFAULT, 0, &time, nullptr, nullptr, 0);
    if (length <= 0) {
        return std::wstring();
    }
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    const int written = format(LOCALE_USER_DEFAULT, 0, &time, nullptr, &text[0], length);
    // The count includes the terminating NUL.
    text.resize(written > 0 ? static_cast<std::size_t>(written - 1) : 0);
    return text;
}

}  // namespace

std::wstring FormatDateTimeForDisplay(const TDateTimeText& date) {
    TCalendarFields fields;
    if (!ReadDateTimeFields(date, fields)) {
        return std::wstring();
    }
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(fields.Year);
    time.wMonth = static_cast<WORD>(fields.Month);
    time.wDay = static_cast<WORD>(fields.Day);
    time.wDayOfWeek = static_cast<WORD>(fields.DayOfWeek);
    time.wHour = static_cast<WORD>(fields.Hour);
    time.wMinute = static_cast<WORD>(fields.Minute);
    time.wSecond = static_cast<WORD>(fields.Second);
    return FormatWithLocale(GetDateFormatW, time) + L" " + FormatWithLocale(GetTimeFormatW, time);
}
