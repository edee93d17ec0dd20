#include "ui/Window.h"

#include "ui/DeviceContext.h"
#include "ui/HandlerFailure.h"

#include <algorithm>

namespace {

const wchar_t ClassName[] = L"TWindow";
const wchar_t ControllingObjectProperty[] = L"ControllingObject";

}  // namespace

struct TWindow::TRecord {
    HWND Handle = nullptr;
    TColor Background;
    std::vector<TControl*> Controls;
};

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
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    Record->Background = TColor{GetRValue(face), GetGValue(face), GetBValue(face)};
    SetPropW(Record->Handle, ControllingObjectProperty, this);
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

void TWindow::Show(bool foreground) {
    ShowWindow(Record->Handle, SW_SHOW);
    if (foreground) {
        SetForegroundWindow(Record->Handle);
    }
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

TColor TWindow::GetBackgroundColor() const { return Record->Background; }

void TWindow::SetBackgroundColor(TColor color) {
    Record->Background = color;
    Invalidate();
}

void TWindow::Invalidate() { InvalidateRect(Record->Handle, nullptr, FALSE); }

void TWindow::Redraw() {
    Invalidate();
    UpdateWindow(Record->Handle);
}

void TWindow::SetOnSize(THandler handler) { OnSize = std::move(handler); }

void TWindow::SetOnClose(THandler handler) { OnClose = std::move(handler); }

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

LRESULT TWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        PaintDoubleBuffered();
        return 0;
    case WM_SIZE:
        RunHandler(OnSize);
        return 0;
    case WM_CLOSE:
        RunHandler(OnClose);
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
        {
            TObjectSelection pen(memory.GetHandle(), CreatePen(PS_NULL, 0, 0));
            TObjectSelection brush(memory.GetHandle(), CreateSolidBrush(Record->Background.ToColorRef()));
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
