#include "ui/SizeRules.h"

#include "ui/AccessKeyText.h"
#include "ui/DeviceContext.h"
#include "ui/TextLines.h"

namespace {

TSize MeasureTextOn(HWND window, HWND fontOwner, const std::wstring& text) {
    TDeviceContext dc(window);
    TFontSelection font(dc.GetHandle(), ReadWindowFont(fontOwner));
    return MeasureText(dc.GetHandle(), text);
}

TSize MeasureTextOn(HWND window, const std::wstring& text) { return MeasureTextOn(window, window, text); }

}  // namespace

TSize GetCaptionedControlSize(HWND owner, const std::wstring& caption) {
    const TSize captionSize = MeasureTextOn(owner, RemoveAccessKeyMarks(caption));
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

TSize GetScreenTextSize(HWND owner, const std::wstring& text) { return MeasureTextOn(nullptr, owner, text); }
