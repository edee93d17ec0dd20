#include "NotifyHotKeysTestSupport.h"

#include "ui/AccessKeyText.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

HWND FindTopLevelWindow(const std::wstring& title) { return FindWindowW(L"TWindow", title.c_str()); }

HWND FindButton(HWND window, const std::wstring& caption) {
    for (HWND button : FindChildrenByClass(window, L"button")) {
        wchar_t text[128] = {};
        GetWindowTextW(button, text, 128);
        if (RemoveAccessKeyMarks(text) == caption) {
            return button;
        }
    }
    return nullptr;
}

std::vector<HWND> FindChildrenByClass(HWND window, const std::wstring& className) {
    std::vector<HWND> found;
    for (HWND child : ListChildren(window)) {
        if (_wcsicmp(ReadClassName(child).c_str(), className.c_str()) == 0) {
            found.push_back(child);
        }
    }
    std::stable_sort(found.begin(), found.end(),
                     [](HWND a, HWND b) { return GetChildRect(a).top < GetChildRect(b).top; });
    return found;
}

void Click(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }

bool IsChecked(HWND checkBox) { return SendMessageW(checkBox, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void PressKey(const TDialogWindowList& dialogWindows, HWND window, WPARAM key) {
    HWND focus = GetFocus();
    HWND target = focus != nullptr && (focus == window || IsChild(window, focus)) ? focus : window;
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
    PostQuitMessage(0);
    RunMessageLoop(dialogWindows);
}

HWND WaitForTopLevelWindow(const std::wstring& title, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        PumpMessagesFor(20);
        if (HWND window = FindWindowW(nullptr, title.c_str())) {
            return window;
        }
    }
    return nullptr;
}

std::string ReadFileBytes(const std::wstring& path) {
    std::ifstream file{std::filesystem::path(path), std::ios::binary};
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    std::ofstream file{std::filesystem::path(path), std::ios::binary | std::ios::trunc};
    file << bytes;
}

std::vector<std::wstring> ListFolder(const std::wstring& folder) {
    std::vector<std::wstring> names;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(folder), ignored)) {
        names.push_back(entry.path().filename().wstring());
    }
    std::sort(names.begin(), names.end());
    return names;
}
