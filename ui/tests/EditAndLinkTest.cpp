#include "ui/ControlEdit.h"
#include "ui/ControlLink.h"
#include "ui/SizeRules.h"
#include "ui/tests/ControlTestSupport.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

void Type(HWND edit, const std::wstring& characters) {
    for (wchar_t character : characters) {
        SendMessageW(edit, WM_CHAR, character, 1);
    }
}

std::wstring GetTemporaryPath(const std::wstring& name) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name;
}

// A batch file that leaves a marker file behind when the shell opens it.
class TObservableAddress {
public:
    explicit TObservableAddress(const std::wstring& name)
        : Script(GetTemporaryPath(name + L".bat")), Marker(GetTemporaryPath(name + L".opened")) {
        DeleteFileW(Marker.c_str());
        std::ofstream(Script.c_str()) << "@echo opened> \"" << Narrow(Marker) << "\"\r\n";
    }
    ~TObservableAddress() {
        DeleteFileW(Script.c_str());
        DeleteFileW(Marker.c_str());
    }
    const std::wstring& Get() const { return Script; }

    // Opening goes through a new process: give it up to ten seconds.
    bool WaitUntilOpened() const {
        for (int waited = 0; waited < 10000; waited += 50) {
            if (GetFileAttributesW(Marker.c_str()) != INVALID_FILE_ATTRIBUTES) {
                return true;
            }
            PumpPendingMessages();
            Sleep(50);
        }
        return false;
    }

private:
    static std::string Narrow(const std::wstring& path) { return std::string(path.begin(), path.end()); }

    std::wstring Script;
    std::wstring Marker;
};

}  // namespace

TEST(ControlEdit, TypingRaisesTheHandlerOncePerChangeOfText) {
    TWindow window(L"edit", true, nullptr);
    TControlEdit edit(window);
    edit.Move(TPoint{5, 5}, TSize{200, 25});
    int changes = 0;
    edit.SetOnChange([&] { ++changes; });

    SetFocus(edit.GetHandle());
    EXPECT_EQ(changes, 0);
    Type(edit.GetHandle(), L"ab");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(edit.GetText(), L"ab");
    Type(edit.GetHandle(), L"\b");
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(edit.GetText(), L"a");
}

TEST(ControlEdit, SetTextRaisesNothingAndIsReadBackAtOnce) {
    TWindow window(L"edit", true, nullptr);
    TControlEdit edit(window);
    int changes = 0;
    edit.SetOnChange([&] { ++changes; });

    edit.SetText(L"Call the dentist");
    EXPECT_EQ(edit.GetText(), L"Call the dentist");
    EXPECT_EQ(ReadWindowText(edit.GetHandle()), L"Call the dentist");
    edit.SetText(L"");
    EXPECT_EQ(edit.GetText(), L"");
    EXPECT_EQ(changes, 0);
}

TEST(ControlEdit, FocusAndSelectAllSelectsTheWholeText) {
    TWindow window(L"edit", true, nullptr);
    TControlEdit edit(window);
    edit.Move(TPoint{5, 5}, TSize{200, 25});
    window.Show(true);
    edit.SetText(L"twelve chars");

    edit.FocusAndSelectAll();

    EXPECT_EQ(GetFocus(), edit.GetHandle());
    DWORD start = 99;
    DWORD end = 0;
    SendMessageW(edit.GetHandle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 12u);
}

TEST(ControlLink, ItsWindowTextIsTheAnchorMarkupWithNothingAdded) {
    TWindow window(L"link", true, nullptr);
    TControlLink link(window, L"Nudgely home", L"http://example.com/a?b=1&c");
    EXPECT_EQ(ReadWindowText(link.GetHandle()), L"<a href=\"http://example.com/a?b=1&c\">Nudgely home</a>");
    EXPECT_EQ(link.GetPreferredSize(), GetScreenTextSize(window.GetHandle(), L"Nudgely home"));
}

TEST(ControlLink, AClickOpensItsAddress) {
    TObservableAddress address(L"nudgely-link-click");
    TWindow window(L"link", true, nullptr);
    TControlLink link(window, L"open me", address.Get());
    link.Move(TPoint{0, 0}, link.GetPreferredSize());

    SendMessageW(link.GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(link.GetHandle(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));

    EXPECT_TRUE(address.WaitUntilOpened());
}

TEST(ControlLink, EnterOnTheFocusedLinkOpensItsAddress) {
    TObservableAddress address(L"nudgely-link-enter");
    TWindow window(L"link", true, nullptr);
    TControlLink link(window, L"open me", address.Get());
    window.Show(true);
    SetFocus(link.GetHandle());

    SendMessageW(link.GetHandle(), WM_KEYDOWN, VK_RETURN, 1);

    EXPECT_TRUE(address.WaitUntilOpened());
}

