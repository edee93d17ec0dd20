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
    void Release() { Handle = nullptr; }

private:
    HMENU Handle;
};

// Each item's command is its index + 1; a submenu belongs to its menu once appended to it.
void AppendItems(HMENU menu, const std::vector<TPopupMenuItem>& items, UINT& index) {
    for (const TPopupMenuItem& item : items) {
        const UINT command = ++index;
        const UINT checked = item.Checked ? MF_CHECKED : MF_UNCHECKED;
        if (item.Caption.empty()) {
            AppendMenuW(menu, MF_SEPARATOR, command, nullptr);
        } else if (item.Submenu.empty()) {
            AppendMenuW(menu, MF_STRING | checked, command, item.Caption.c_str());
        } else {
            TPopupMenuHandle submenu;
            AppendItems(submenu.Get(), item.Submenu, index);
            if (AppendMenuW(menu, MF_POPUP | checked, reinterpret_cast<UINT_PTR>(submenu.Get()), item.Caption.c_str())) {
                submenu.Release();
            }
        }
    }
}

}  // namespace

int ShowPopupMenu(const std::vector<std::wstring>& captions, TPoint anchor, TMenuDefault menuDefault) {
    std::vector<TPopupMenuItem> items;
    for (const std::wstring& caption : captions) {
        items.push_back(TPopupMenuItem{caption, false, {}});
    }
    return ShowPopupMenu(items, anchor, menuDefault);
}

int ShowPopupMenu(const std::vector<TPopupMenuItem>& items, TPoint anchor, TMenuDefault menuDefault) {
    TPopupMenuHandle menu;
    UINT index = 0;
    AppendItems(menu.Get(), items, index);
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
