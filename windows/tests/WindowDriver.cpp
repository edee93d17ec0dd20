#include "windows/tests/WindowDriver.h"

#include "ui/AccessKeyText.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace {

struct TControlSearch {
    HWND window;
    std::wstring className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectControl(HWND control, LPARAM searchAddress) {
    auto& search = *reinterpret_cast<TControlSearch*>(searchAddress);
    wchar_t className[64] = {};
    GetClassNameW(control, className, 64);
    if (GetParent(control) == search.window && lstrcmpiW(className, search.className.c_str()) == 0) {
        search.found.push_back(control);
    }
    return TRUE;
}

void SetPicker(HWND picker, const SYSTEMTIME& value) {
    SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value));
}

POINT GetRowPoint(HWND list, int row) {
    RECT rect{};
    rect.left = LVIR_LABEL;
    SendMessageW(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
    return POINT{rect.left + 3, (rect.top + rect.bottom) / 2};
}

void SendMouse(HWND control, UINT message, WPARAM keys, POINT point) {
    SendMessageW(control, message, keys, MAKELPARAM(point.x, point.y));
}

void PumpPendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace

HWND FindProgramWindow(const std::wstring& title) { return FindWindowW(L"TWindow", title.c_str()); }

std::vector<HWND> FindControls(HWND window, const std::wstring& className) {
    TControlSearch search{window, className, {}};
    EnumChildWindows(window, &CollectControl, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindControl(HWND window, const std::wstring& className, const std::wstring& caption) {
    for (HWND control : FindControls(window, className)) {
        if (RemoveAccessKeyMarks(ReadText(control)) == caption) {
            return control;
        }
    }
    ADD_FAILURE() << "no control \"" << std::string(caption.begin(), caption.end()) << "\"";
    return nullptr;
}

HWND FindButton(HWND window, const std::wstring& caption) { return FindControl(window, L"button", caption); }

std::wstring ReadText(HWND window) {
    wchar_t text[1024] = {};
    GetWindowTextW(window, text, 1024);
    return text;
}

void Click(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }

void PressMouse(HWND control) { SendMouse(control, WM_LBUTTONDOWN, MK_LBUTTON, POINT{5, 5}); }

void ReleaseMouse(HWND control) { SendMouse(control, WM_LBUTTONUP, 0, POINT{5, 5}); }

void TypeText(HWND edit, const std::wstring& text) { SetWindowTextW(edit, text.c_str()); }

void SetPickerTime(HWND picker, WORD hour, WORD minute, WORD second) {
    SYSTEMTIME value = ReadPicker(picker);
    value.wHour = hour;
    value.wMinute = minute;
    value.wSecond = second;
    SetPicker(picker, value);
}

void SetPickerDate(HWND picker, WORD year, WORD month, WORD day) {
    SYSTEMTIME value = ReadPicker(picker);
    value.wYear = year;
    value.wMonth = month;
    value.wDay = day;
    value.wDayOfWeek = 0;
    SetPicker(picker, value);
}

SYSTEMTIME ReadPicker(HWND picker) {
    SYSTEMTIME value{};
    SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&value));
    return value;
}

void PressKey(const TDialogWindowList& dialogWindows, WPARAM key) {
    HWND target = GetFocus();
    ASSERT_NE(target, nullptr) << "nothing has the keyboard focus";
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
    PostQuitMessage(0);
    RunMessageLoop(dialogWindows);
}

int CountRows(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }

std::wstring ReadCell(HWND list, int row, int column) {
    wchar_t text[256] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 256;
    SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

int GetSelectedRow(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void ClickRow(HWND list, int row) {
    const POINT point = GetRowPoint(list, row);
    SendMouse(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMouse(list, WM_LBUTTONUP, 0, point);
    PumpPendingMessages();
}

void ClickBelowRows(HWND list) {
    RECT client{};
    GetClientRect(list, &client);
    const POINT point{client.right / 2, client.bottom - 3};
    SendMouse(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMouse(list, WM_LBUTTONUP, 0, point);
    PumpPendingMessages();
}

void DoubleClickRow(HWND list, int row) {
    ClickRow(list, row);
    const POINT point = GetRowPoint(list, row);
    SendMouse(list, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    SendMouse(list, WM_LBUTTONUP, 0, point);
    PumpPendingMessages();
}
