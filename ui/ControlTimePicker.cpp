#include "ui/ControlTimePicker.h"

#include "ui/PickerFields.h"
#include "ui/SizeRules.h"

#include <commctrl.h>

TControlTimePicker::TControlTimePicker(TWindow& owner, const std::wstring& format)
    : TControl(owner),
      Native(owner.GetHandle(), {L"SysDateTimePick32", L"Time", WS_CHILD | WS_VISIBLE | WS_TABSTOP | DTS_TIMEFORMAT, 0,
                                 TSize{10, 10}, ICC_DATE_CLASSES}) {
    if (!format.empty()) {
        SendMessageW(Native.GetHandle(), DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(format.c_str()));
    }
}

TSize TControlTimePicker::GetPreferredSize() const { return GetPickerSize(Native.GetHandle(), L"22:22:22 AMq"); }

void TControlTimePicker::SetTime(const std::string& text) {
    const auto fields = ReadPickerFields(text, ':');
    // The picker shows only the time; any valid date will do underneath.
    SYSTEMTIME time{};
    time.wYear = 2000;
    time.wMonth = 10;
    time.wDay = 10;
    time.wHour = fields[0];
    time.wMinute = fields[1];
    time.wSecond = fields[2];
    SendMessageW(Native.GetHandle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

std::string TControlTimePicker::GetTime() const {
    SYSTEMTIME time{};
    SendMessageW(Native.GetHandle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    return FormatPickerField(time.wHour) + ":" + FormatPickerField(time.wMinute) + ":" +
           FormatPickerField(time.wSecond);
}
