#include "store/CurrentDateTime.h"

#include "store/Calendar.h"

#include <windows.h>

// The C runtime reads the time zone once per process; the system's local time follows it.
TDateTimeText GetCurrentDateTime() {
    SYSTEMTIME local{};
    GetLocalTime(&local);
    TCalendarFields fields;
    fields.Year = local.wYear;
    fields.Month = local.wMonth;
    fields.Day = local.wDay;
    fields.Hour = local.wHour;
    fields.Minute = local.wMinute;
    fields.Second = local.wSecond;
    return WriteDateTimeText(fields);
}
