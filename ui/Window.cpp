#include "ui/Window.h"

#include "ui/DeviceContext.h"
#include "ui/Dpi.h"
#include "ui/HandlerFailure.h"
#include "ui/InterfaceFont.h"
#include "ui/WindowIcons.h"

#include <algorithm>

struct TWindow::TRecord {
    HWND Handle = nullptr;
    std::vector<TControl*> Controls;
    // The control that had the keyboard focus when the window was last deactivated.
    HWND LastFocus = nullptr;
    int Dpi = DefaultDpi;
    // Made when first asked for: the hidden windows that only receive messages never need one.
    std::unique_ptr<TInterfaceFont> Font;
    // Loaded when first shown: the hidden message receivers never show an icon.
    std::unique_ptr<TWindowIcons> Icons;
};

namespace {

const wchar_t ClassName[] = L"TWindow";
const wchar_t ControllingObjectProperty[] = L"ControllingObject";

BOOL CALLBACK SetChildFont(HWND child, LPARAM font) {
    SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), TRUE);
    return TRUE;
}

BOOL CALLBACK TellChildOfColorChange(HWND child, LPARAM) {
    SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
    return TRUE;
}

}  // namespace

TWindow::TWindow(const std::wstring& title, bool visible, TDialogWindowList* dialogWindows)
    : Record(new TRecord), DialogWindows(dialogWindows) {
    WNDCLASSW windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = &TWindow::Procedure;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = ClassName;
    RegisterClassW(&windowClass);  // fails harmlessly once the class exists

    Record->Handle = CreateWindowExW(0, ClassName, title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                     CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
    SetPropW(Record->Handle, ControllingObjectProperty, this);
    Record->Dpi = GetWindowDpi(Record->Handle);
    if (visible) {
        ShowWindow(Record->Handle, SW_SHOW);
    }
    if (DialogWindows) {
        DialogWindows->push_back(this);
    }
}

TWindow::~TWindow() {
    if (DialogWindows) {
        auto& list = *DialogWindows;
        auto found = std::find(list.begin(), list.end(), this);
        if (found != list.end()) {
            std::swap(*found, list.back());
            list.pop_back();
        }
    }
    while (!Record->Controls.empty()) {
        delete Record->Controls.back();  // its destructor takes it off the list
    }
    RemovePropW(Record->Handle, ControllingObjectProperty);
    DestroyWindow(Record->Handle);
}

HWND TWindow::GetHandle() const { return Record->Handle; }

HFONT TWindow::GetFont() const {
    if (!Record->Font) {
        Record->Font.reset(new TInterfaceFont(Record->Dpi));
    }
    return Record->Font->GetHandle();
}

int TWindow::GetDpi() const { return Record->Dpi; }

int TWindow::ScaleForDpi(int pixels) const { return ::ScaleForDpi(pixels, Record->Dpi); }

void TWindow::Show(bool foreground) {
    PrepareToShow(SW_RESTORE);
    ShowWindow(Record->Handle, SW_SHOW);
    if (foreground) {
        SetForegroundWindow(Record->Handle);
    }
}

// Being topmost for a moment lifts it above the active window too; it then stacks like any other
// window again. The keyboard stays where the user is typing.
void TWindow::ShowInFrontWithoutActivating() {
    PrepareToShow(SW_SHOWNOACTIVATE);
    const UINT keepPlaceAndFocus = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    SetWindowPos(Record->Handle, HWND_TOPMOST, 0, 0, 0, 0, keepPlaceAndFocus | SWP_SHOWWINDOW);
    SetWindowPos(Record->Handle, HWND_NOTOPMOST, 0, 0, 0, 0, keepPlaceAndFocus);
    FLASHWINFO flash{};
    flash.cbSize = sizeof(flash);
    flash.hwnd = Record->Handle;
    flash.dwFlags = FLASHW_ALL | FLASHW_TIMERNOFG;
    FlashWindowEx(&flash);
}

void TWindow::Hide() { ShowWindow(Record->Handle, SW_HIDE); }

void TWindow::Move(TPoint position, TSize size) {
    MoveWindow(Record->Handle, position.x, position.y, size.width, size.height, TRUE);
}

TPoint TWindow::GetPosition() const {
    RECT rect{};
    GetWindowRect(Record->Handle, &rect);
    return TPoint{rect.left, rect.top};
}

TSize TWindow::GetSize() const {
    RECT rect{};
    GetWindowRect(Record->Handle, &rect);
    return TSize{rect.right - rect.left, rect.bottom - rect.top};
}

TSize TWindow::GetClientSize() const {
    RECT rect{};
    GetClientRect(Record->Handle, &rect);
    return TSize{rect.right - rect.left, rect.bottom - rect.top};
}

void TWindow::Invalidate() { InvalidateRect(Record->Handle, nullptr, FALSE); }

void TWindow::Redraw() {
    Invalidate();
    UpdateWindow(Record->Handle);
}

void TWindow::SetOnSize(THandler handler) { OnSize = std::move(handler); }

void TWindow::SetOnClose(THandler handler) { OnClose = std::move(handler); }

void TWindow::SetOnFontChange(THandler handler) { OnFontChange = std::move(handler); }

void TWindow::SetOnSessionEnd(THandler handler) { OnSessionEnd = std::move(handler); }

LRESULT CALLBACK TWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<TWindow*>(GetPropW(window, ControllingObjectProperty));
    if (!self) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    LRESULT result = 0;
    if (!RunReportingFailure([&] { result = self->HandleMessage(window, message, wParam, lParam); })) {
        return 0;
    }
    return result;
}

// A minimized window is restored first, with that show command: its rectangle is not where it
// will show.
void TWindow::PrepareToShow(int restoreCommand) {
    if (!Record->Icons) {
        Record->Icons.reset(new TWindowIcons(Record->Handle, Record->Dpi));
    }
    if (IsIconic(Record->Handle)) {
        ShowWindow(Record->Handle, restoreCommand);
    }
    MoveIntoWorkArea();
    // A window opened with the mouse would otherwise hide the focus until a key is pressed; the
    // access keys' underlines keep following the system's setting.
    SendMessageW(Record->Handle, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

// Where the window fits, it stays where the system or the user put it; one that reaches past
// its monitor's work area is moved in, and one larger than the work area keeps its top left
// corner inside it.
void TWindow::MoveIntoWorkArea() {
    RECT window{};
    GetWindowRect(Record->Handle, &window);
    const RECT work = GetWorkAreaOf(Record->Handle);
    const LONG left = std::max(work.left, std::min(window.left, work.right - (window.right - window.left)));
    const LONG top = std::max(work.top, std::min(window.top, work.bottom - (window.bottom - window.top)));
    if (left != window.left || top != window.top) {
        SetWindowPos(Record->Handle, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// The window moved to a monitor of another DPI: the system suggests its rectangle there, and
// the layout follows from the font for the new DPI.
void TWindow::ChangeDpi(int dpi, const RECT& suggested) {
    Record->Dpi = dpi;
    if (Record->Icons) {
        Record->Icons.reset(new TWindowIcons(Record->Handle, dpi));
    }
    ChangeFont();
    SetWindowPos(Record->Handle, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    RunHandler(OnSize);
    Invalidate();
}

// The new font reaches every native control first; then the controls hear of it, for what they
// hand on or measure themselves (a date picker's drop-down calendar, a table's columns). Only then
// does the old font go, so that no control is left naming a deleted one.
void TWindow::ChangeFont() {
    if (!Record->Font) {
        return;
    }
    const std::unique_ptr<TInterfaceFont> previous = std::move(Record->Font);
    const HFONT font = GetFont();
    EnumChildWindows(Record->Handle, &SetChildFont, reinterpret_cast<LPARAM>(font));
    TMessage change{Record->Handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE, 0};
    for (size_t i = 0; i < Record->Controls.size(); ++i) {
        Record->Controls[i]->ProcessMessage(change);
    }
}

// The face is read at every paint; the common controls take new colours only when told, and a
// top-level window has to tell them.
void TWindow::FollowSystemColors() {
    EnumChildWindows(Record->Handle, &TellChildOfColorChange, 0);
    RedrawWindow(Record->Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// What the dialog keyboard handling asks a dialog for: the focus on a given control, or on the
// next or previous one in tab order (an access key on a label moves on to the labelled field).
void TWindow::MoveFocus(WPARAM wParam, LPARAM lParam) {
    HWND target = reinterpret_cast<HWND>(wParam);
    if (LOWORD(lParam) == 0) {
        const HWND focus = GetFocus();
        target = GetNextDlgTabItem(Record->Handle, IsChild(Record->Handle, focus) ? focus : nullptr, wParam != 0);
    }
    if (!target) {
        return;
    }
    SetFocus(target);
    // As on Tab, an edit box reached from the keyboard has its whole text chosen.
    if (SendMessageW(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
        SendMessageW(target, EM_SETSEL, 0, -1);
    }
}

// An activated window gives the focus back to the control that had it, or to its first one;
// left to itself it would take the focus and show it nowhere.
bool TWindow::RestoreFocus() {
    HWND target = Record->LastFocus;
    if (!target || !IsChild(Record->Handle, target) || !IsWindowVisible(target) || !IsWindowEnabled(target)) {
        target = GetNextDlgTabItem(Record->Handle, nullptr, FALSE);
    }
    if (!target) {
        return false;
    }
    SetFocus(target);
    return true;
}

LRESULT TWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(GetFont());
    case WM_DPICHANGED:
        ChangeDpi(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETNONCLIENTMETRICS) {
            ChangeFont();
            RunHandler(OnSize);
            RunHandler(OnFontChange);
            Invalidate();
        }
        break;
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
        FollowSystemColors();
        break;
    case WM_NEXTDLGCTL:
        MoveFocus(wParam, lParam);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            Record->LastFocus = IsChild(Record->Handle, focus) ? focus : nullptr;
        } else if (HIWORD(wParam) == 0 && RestoreFocus()) {
            return 0;
        }
        break;
    case WM_PAINT:
        PaintDoubleBuffered();
        return 0;
    case WM_SIZE:
        RunHandler(OnSize);
        return 0;
    case WM_CLOSE:
        RunHandler(OnClose);
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        if (wParam) {
            RunHandler(OnSessionEnd);
        }
        return 0;
    default:
        break;
    }
    TMessage offered{window, message, wParam, lParam, 0};
    // Indexing the live list never reaches a control that a handler has just destroyed.
    for (size_t i = 0; i < Record->Controls.size(); ++i) {
        if (Record->Controls[i]->ProcessMessage(offered)) {
            return offered.result;
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void TWindow::PaintDoubleBuffered() {
    const TSize size = GetClientSize();
    HBITMAP bitmap;
    {
        TDeviceContext screen(nullptr);
        bitmap = CreateCompatibleBitmap(screen.GetHandle(), size.width, size.height);
    }
    TMemoryDeviceContext memory(nullptr);
    {
        TObjectSelection bitmapSelection(memory.GetHandle(), bitmap);
        TFontSelection font(memory.GetHandle(), GetFont());
        {
            TObjectSelection pen(memory.GetHandle(), CreatePen(PS_NULL, 0, 0));
            TObjectSelection brush(memory.GetHandle(), CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
            Rectangle(memory.GetHandle(), 0, 0, size.width + 1, size.height + 1);
        }
        for (size_t i = 0; i < Record->Controls.size(); ++i) {
            Record->Controls[i]->Paint(memory.GetHandle());
        }
        TPaintSession paint(Record->Handle);
        BitBlt(paint.GetHandle(), 0, 0, size.width, size.height, memory.GetHandle(), 0, 0, SRCCOPY);
    }
}

TWindow::TControl::TControl(TWindow& owner) : Owner(owner) { Owner.Record->Controls.push_back(this); }

TWindow::TControl::~TControl() {
    auto& controls = Owner.Record->Controls;
    auto found = std::find(controls.begin(), controls.end(), this);
    if (found != controls.end()) {
        controls.erase(found);
    }
}

bool TWindow::TControl::ProcessMessage(TMessage&) { return false; }

void TWindow::TControl::Paint(HDC) {}
