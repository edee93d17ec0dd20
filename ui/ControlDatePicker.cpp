#include "ui/ControlDatePicker.h"

#include "ui/DeviceContext.h"
#include "ui/PickerFields.h"
#include "ui/SizeRules.h"

#include <commctrl.h>

TControlDatePicker::TControlDatePicker(TWindow& owner)
    : TControl(owner),
      Native(owner.GetHandle(),
             {L"SysDateTimePick32", L"Date", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, TSize{10, 10}, ICC_DATE_CLASSES}) {
    // The drop-down calendar is a window of its own and does not follow the picker's font.
    SendMessageW(Native.GetHandle(), DTM_SETMCFONT, reinterpret_cast<WPARAM>(ReadWindowFont(owner.GetHandle())), FALSE);
}

TSize TControlDatePicker::GetPreferredSize() const { return GetPickerSize(Native.GetHandle(), L"21 November 2011"); }

void TControlDatePicker::SetDate(const std::string& date) {
    const auto fields = ReadPickerFields(date, '.');
    SYSTEMTIME time{};
    time.wYear = fields[0];
    time.wMonth = fields[1];
    time.wDay = fields[2];
    SendMessageW(Native.GetHandle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

bool TControlDatePicker::ProcessMessage(TMessage& message) {
    if (message.message == WM_SETFONT) {
        SendMessageW(Native.GetHandle(), DTM_SETMCFONT, message.wParam, FALSE);
    }
    return false;
}

std::string TControlDatePicker::GetDate() const {
    SYSTEMTIME time{};
    SendMessageW(Native.GetHandle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    return std::to_string(time.wYear) + "." + FormatPickerField(time.wMonth) + "." + FormatPickerField(time.wDay);
}
