#include "ui/SizeRules.h"

#include "ui/DeviceContext.h"
#include "ui/TextLines.h"

namespace {

TSize MeasureTextOn(HWND window, const std::wstring& text) {
    TDeviceContext dc(window);
    return MeasureText(dc.GetHandle(), text);
}

}  // namespace

TSize GetCaptionedControlSize(HWND owner, const std::wstring& caption) {
    const TSize captionSize = MeasureTextOn(owner, caption);
    const TSize margin = MeasureTextOn(owner, L"qqqq");
    return TSize{captionSize.width + margin.width, (3 * captionSize.height) / 2};
}

TSize GetPickerSize(HWND picker, const std::wstring& sample) {
    const TSize size = MeasureTextOn(picker, sample);
    return TSize{(5 * size.width) / 4, (3 * size.height) / 2};
}

TSize GetFieldSize(HWND field, const std::wstring& sample) {
    const TSize size = MeasureTextOn(field, sample);
    return TSize{size.width + size.height / 2, (4 * size.height) / 3};
}

TSize GetScreenTextSize(const std::wstring& text) { return MeasureTextOn(nullptr, text); }
