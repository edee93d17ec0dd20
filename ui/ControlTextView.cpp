#include "ui/ControlTextView.h"

#include "ui/DeviceContext.h"
#include "ui/Dpi.h"
#include "ui/FaceColors.h"

#include <versionhelpers.h>

#include <algorithm>

namespace {

const wchar_t ControllingObjectProperty[] = L"TControlTextView.ControllingObject";

// An edit box breaks lines only at CR LF; a lone LF would show as a box.
std::wstring WithEditLineBreaks(const std::wstring& text) {
    std::wstring converted;
    converted.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\n' && (i == 0 || text[i - 1] != L'\r')) {
            converted += L'\r';
        }
        converted += text[i];
    }
    return converted;
}

const UINT WrappingFormat = DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX | DT_EXPANDTABS;

// Windows 8 and later; older headers do not name it.
const DWORD LiveRegionChangedEvent = 0x8019;

}  // namespace

TControlTextView::TControlTextView(TWindow& owner, const std::wstring& text)
    : TControl(owner),
      Text(WithEditLineBreaks(text)),
      Native(owner.GetHandle(), {L"edit", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_CENTER,
                                 0, TSize{10, 10}}),
      Subclass(Native.GetHandle(), ControllingObjectProperty, this, &TControlTextView::Procedure) {}

TSize TControlTextView::GetPreferredSize(int wrapWidth) const {
    TDeviceContext dc(Native.GetHandle());
    TFontSelection font(dc.GetHandle(), ReadWindowFont(Native.GetHandle()));
    RECT bounds{0, 0, wrapWidth, 0};
    DrawTextW(dc.GetHandle(), Text.c_str(), static_cast<int>(Text.size()), &bounds, WrappingFormat);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.GetHandle(), &metrics);
    // An empty last line still takes a line in the edit box.
    const int height = std::max<int>(bounds.bottom, metrics.tmHeight);
    // The caret's pixel keeps the edit box from wrapping a line that just fits.
    return TSize{bounds.right + GetMarginsWidth() + 2, height};
}

int TControlTextView::GetScrollBarWidth() const { return GetMetricForDpi(SM_CXVSCROLL, GetWindow().GetDpi()); }

void TControlTextView::Move(TPoint position, TSize size) {
    const int textWidth = size.width - GetMarginsWidth() - 2;
    const bool scrolls = GetPreferredSize(textWidth).height > size.height;
    Native.Move(position, size);
    ShowScrollBar(Native.GetHandle(), SB_VERT, scrolls);
    // Given before the view has its width, the text would be wrapped at every width it passes
    // through on the way, each time line by line: minutes for a few thousand characters.
    if (!HoldsText) {
        SetWindowTextW(Native.GetHandle(), Text.c_str());
        HoldsText = true;
    }
    GetWindow().Invalidate();
}

void TControlTextView::Announce() {
    const bool live = IsWindows8OrGreater() && Native.GetAnnotation().MarkAsAssertiveLiveRegion();
    NotifyWinEvent(live ? LiveRegionChangedEvent : EVENT_SYSTEM_ALERT, Native.GetHandle(), OBJID_CLIENT, CHILDID_SELF);
}

// A read-only edit box asks for the colours of static text; left to the system it would take the
// window text colour, meant for the window colour, not for the face it stands on.
bool TControlTextView::ProcessMessage(TMessage& message) { return AnswerTextOnFaceColors(message, Native.GetHandle()); }

int TControlTextView::GetMarginsWidth() const {
    const LRESULT margins = SendMessageW(Native.GetHandle(), EM_GETMARGINS, 0, 0);
    return LOWORD(margins) + HIWORD(margins);
}

// Tab and Enter keep their dialog meaning (the next control, the default button); arrows and
// Page keys still scroll the text.
LRESULT CALLBACK TControlTextView::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<TControlTextView*>(GetPropW(window, ControllingObjectProperty));
    if (!self) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    const LRESULT result = self->Subclass.CallPrevious(window, message, wParam, lParam);
    if (message == WM_GETDLGCODE) {
        return result & ~static_cast<LRESULT>(DLGC_WANTALLKEYS | DLGC_WANTTAB);
    }
    return result;
}
