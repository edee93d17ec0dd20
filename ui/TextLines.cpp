#include "ui/TextLines.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<std::wstring> SplitLines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find(L'\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

SIZE GetLineExtent(HDC dc, const std::wstring& line) {
    SIZE extent{};
    GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &extent);
    return extent;
}

int GetLineAdvance(int lineHeight) { return (6 * lineHeight) / 5; }

}  // namespace

TSize MeasureText(HDC dc, const std::wstring& text) {
    TSize size;
    bool first = true;
    for (const std::wstring& line : SplitLines(text)) {
        const SIZE extent = GetLineExtent(dc, line);
        size.width = std::max(size.width, static_cast<int>(extent.cx));
        size.height += first ? extent.cy : GetLineAdvance(extent.cy);
        first = false;
    }
    return size;
}
