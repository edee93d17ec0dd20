#include "tests/support/MenuUser.h"

namespace {

TMenuUser* CurrentUser = nullptr;

void CALLBACK UseOpenMenu(HWND, UINT, UINT_PTR, DWORD) {
    const HWND menuWindow = FindWindowW(L"#32768", nullptr);
    if (!CurrentUser || CurrentUser->done || !menuWindow || !IsWindowVisible(menuWindow)) {
        return;
    }
    const HMENU menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        wchar_t caption[64] = L"";
        GetMenuStringW(menu, position, caption, 64, MF_BYPOSITION);
        CurrentUser->captionsSeen.push_back(caption);
    }
    CurrentUser->defaultSeen = static_cast<int>(GetMenuDefaultItem(menu, TRUE, 0));
    GetWindowRect(menuWindow, &CurrentUser->placeSeen);
    for (WPARAM key : CurrentUser->keys) {
        PostMessageW(menuWindow, WM_KEYDOWN, key, 0);
        // A letter reaches a menu as a character, as the message loop would translate it.
        if (key >= 'A' && key <= 'Z') {
            PostMessageW(menuWindow, WM_CHAR, key - 'A' + 'a', 0);
        }
        PostMessageW(menuWindow, WM_KEYUP, key, 0);
    }
    CurrentUser->done = true;
}

}  // namespace

TMenuUserTimer::TMenuUserTimer(TMenuUser& user) : Identifier(SetTimer(nullptr, 0, 50, UseOpenMenu)) {
    CurrentUser = &user;
}

TMenuUserTimer::~TMenuUserTimer() {
    KillTimer(nullptr, Identifier);
    CurrentUser = nullptr;
}
