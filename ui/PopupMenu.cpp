#include "ui/PopupMenu.h"

#include "ui/Window.h"

namespace {

class TPopupMenuHandle {
public:
    TPopupMenuHandle() : Handle(CreatePopupMenu()) {}
    ~TPopupMenuHandle() {
        if (Handle) {
            DestroyMenu(Handle);
        }
    }
    TPopupMenuHandle(const TPopupMenuHandle&) = delete;
    TPopupMenuHandle& operator=(const TPopupMenuHandle&) = delete;

    HMENU Get() const { return Handle; }

private:
    HMENU Handle;
};

}  // namespace

int ShowPopupMenu(const std::vector<std::wstring>& captions, TPoint anchor, TMenuDefault menuDefault) {
    TPopupMenuHandle menu;
    for (size_t index = 0; index < captions.size(); ++index) {
        const UINT kind = captions[index].empty() ? MF_SEPARATOR : MF_STRING;
        AppendMenuW(menu.Get(), kind, index + 1, captions[index].c_str());
    }
    if (menuDefault == TMenuDefault::First) {
        SetMenuDefaultItem(menu.Get(), 0, TRUE);
    }
    // A menu of a program that is not in the foreground would not close when the user clicks
    // elsewhere.
    TWindow owner(L"dummy", false, nullptr);
    SetForegroundWindow(owner.GetHandle());
    const int command = static_cast<int>(TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_NONOTIFY, anchor.x, anchor.y,
                                                         0, owner.GetHandle(), nullptr));
    // Lets the menu close properly when it was dismissed by switching to another program.
    PostMessageW(owner.GetHandle(), WM_NULL, 0, 0);
    return command - 1;
}
