#include "tests/support/LayoutCheck.h"

#include "ui/Dpi.h"

#include <map>

namespace {

BOOL CALLBACK CollectChild(HWND child, LPARAM children) {
    reinterpret_cast<std::vector<HWND>*>(children)->push_back(child);
    return TRUE;
}

std::string Describe(HWND window) {
    wchar_t text[128] = {};
    GetWindowTextW(window, text, 128);
    std::string narrow;
    for (wchar_t character : ReadClassName(window) + L" \"" + text + L"\"") {
        narrow += static_cast<char>(character);
    }
    return narrow;
}

bool Overlap(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

SIZE GetClientSizeOf(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return SIZE{client.right, client.bottom};
}

std::map<HWND, SIZE> MeasureVisibleChildren(HWND window) {
    std::map<HWND, SIZE> sizes;
    for (HWND child : ListChildren(window)) {
        const RECT rect = GetChildRect(child);
        if (IsWindowVisible(child) && GetParent(child) == window) {
            sizes[child] = SIZE{rect.right - rect.left, rect.bottom - rect.top};
        }
    }
    return sizes;
}

// Within a fifth of one and a half: sizes made of rounded text extents and fixed frames do not
// scale exactly.
bool GrewByOneAndAHalf(LONG before, LONG after) { return after * 10 >= before * 13 && after * 10 <= before * 17; }

std::string DescribeGrowth(const std::string& what, SIZE before, SIZE after) {
    if (GrewByOneAndAHalf(before.cx, after.cx) && GrewByOneAndAHalf(before.cy, after.cy)) {
        return std::string();
    }
    return what + " went from " + std::to_string(before.cx) + "x" + std::to_string(before.cy) + " to " +
           std::to_string(after.cx) + "x" + std::to_string(after.cy);
}

}  // namespace

std::vector<HWND> ListChildren(HWND window) {
    std::vector<HWND> children;
    EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

std::wstring ReadClassName(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

RECT GetChildRect(HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string DescribeLayoutFault(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    std::vector<HWND> visible;
    for (HWND child : ListChildren(window)) {
        if (IsWindowVisible(child) && GetParent(child) == window) {
            visible.push_back(child);
        }
    }
    for (std::size_t i = 0; i < visible.size(); ++i) {
        const RECT rect = GetChildRect(visible[i]);
        if (rect.left < client.left || rect.top < client.top || rect.right > client.right ||
            rect.bottom > client.bottom) {
            return Describe(visible[i]) + " reaches beyond the client area";
        }
        for (std::size_t j = i + 1; j < visible.size(); ++j) {
            if (Overlap(rect, GetChildRect(visible[j]))) {
                return Describe(visible[i]) + " overlaps " + Describe(visible[j]);
            }
        }
    }
    return std::string();
}

void ChangeWindowDpi(HWND window, int fromDpi, int toDpi) {
    RECT suggested{};
    GetWindowRect(window, &suggested);
    suggested.right = suggested.left + MulDiv(suggested.right - suggested.left, toDpi, fromDpi);
    suggested.bottom = suggested.top + MulDiv(suggested.bottom - suggested.top, toDpi, fromDpi);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(toDpi, toDpi), reinterpret_cast<LPARAM>(&suggested));
}

std::string DescribeDpiScalingFault(HWND window, const std::function<void()>& show) {
    show();
    const SIZE client = GetClientSizeOf(window);
    const std::map<HWND, SIZE> children = MeasureVisibleChildren(window);
    const int dpi = GetWindowDpi(window);
    ChangeWindowDpi(window, dpi, 3 * dpi / 2);
    show();
    std::string fault = DescribeLayoutFault(window);
    if (fault.empty()) {
        fault = DescribeGrowth("the client area", client, GetClientSizeOf(window));
    }
    const std::map<HWND, SIZE> grown = MeasureVisibleChildren(window);
    for (const auto& [child, size] : children) {
        if (fault.empty() && grown.count(child) != 0) {
            fault = DescribeGrowth(Describe(child), size, grown.at(child));
        }
    }
    ChangeWindowDpi(window, 3 * dpi / 2, dpi);
    return fault;
}
