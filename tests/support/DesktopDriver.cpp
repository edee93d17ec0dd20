#include "tests/support/DesktopDriver.h"

#include "tests/support/UnixCommand.h"

#include <algorithm>
#include <string>

namespace {

struct TSearch {
    DWORD ProcessId;
    std::wstring Title;
    HWND Found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<TSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    if (owner == search->ProcessId && IsWindowVisible(window) && search->Title == title) {
        search->Found = window;
        return FALSE;
    }
    return TRUE;
}

struct TControlSearch {
    std::wstring ClassName;
    std::wstring Text;
    HWND Found;
};

BOOL CALLBACK MatchControl(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<TControlSearch*>(context);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    std::wstring shown = text;
    shown.erase(std::remove(shown.begin(), shown.end(), L'&'), shown.end());
    if (lstrcmpiW(className, search->ClassName.c_str()) == 0 && (search->Text.empty() || search->Text == shown)) {
        search->Found = window;
        return FALSE;
    }
    return TRUE;
}

std::string Xdotool(const std::string& arguments) { return "xdotool " + arguments; }

// "mousemove --sync" would wait forever when the pointer is already there.
std::string MoveMouse(int x, int y) {
    return Xdotool("mousemove " + std::to_string(x) + " " + std::to_string(y)) + " && sleep 0.1";
}

}  // namespace

HWND WaitForVisibleWindow(DWORD processId, const std::wstring& title, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        TSearch search{processId, title, nullptr};
        EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
        if (search.Found) {
            return search.Found;
        }
        Sleep(50);
    } while (GetTickCount() - start < milliseconds);
    return nullptr;
}

bool WaitUntilHidden(HWND window, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (IsWindow(window) && IsWindowVisible(window)) {
        if (GetTickCount() - start > milliseconds) {
            return false;
        }
        Sleep(50);
    }
    return true;
}

HWND FindControl(HWND parent, const std::wstring& className, const std::wstring& text) {
    TControlSearch search{className, text, nullptr};
    EnumChildWindows(parent, MatchControl, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

bool ClickAt(int x, int y, int button) {
    return RunUnixCommand(MoveMouse(x, y) + " && " + Xdotool("click " + std::to_string(button))) == 0;
}

bool ClickWindow(HWND window, int button) {
    RECT rect{};
    if (!GetWindowRect(window, &rect)) {
        return false;
    }
    return ClickAt((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2, button);
}

bool HoldMouseOn(HWND window, DWORD milliseconds) {
    RECT rect{};
    if (!GetWindowRect(window, &rect)) {
        return false;
    }
    const std::string seconds = std::to_string(milliseconds / 1000.0);
    return RunUnixCommand(MoveMouse((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2) +
                              " && xdotool mousedown 1 && sleep " + seconds + " && xdotool mouseup 1",
                          milliseconds + 10000) == 0;
}

bool TypeText(const std::string& text) { return RunUnixCommand(Xdotool("type --delay 30 '" + text + "'")) == 0; }

bool PressKeys(const std::string& keys) { return RunUnixCommand(Xdotool("key --delay 50 " + keys)) == 0; }

bool FocusWindow(HWND window) {
    // Wine keeps the X window behind each of its top-level windows in this property.
    const auto xWindow = reinterpret_cast<UINT_PTR>(GetPropW(window, L"__wine_x11_whole_window"));
    return xWindow && RunUnixCommand(Xdotool("windowfocus --sync " + std::to_string(xWindow))) == 0;
}
