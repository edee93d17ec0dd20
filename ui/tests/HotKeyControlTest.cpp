#include "hotkeys/tests/HotKeyValues.h"
#include "ui/ControlHotKey.h"
#include "ui/tests/ControlTestSupport.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

INPUT MakeKeyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

}  // namespace

TEST(ControlHotKey, CtrlAltNRoundTrips) {
    TWindow window(L"hot key", true, nullptr);
    TControlHotKey field(window);
    field.SetHotKey(MakeHotKey('N', false, true, true, false));
    EXPECT_EQ(field.GetHotKey(), MakeHotKey('N', false, true, true, false));
    field.SetHotKey(MakeHotKey(VK_F5, true, false, false, false));
    EXPECT_EQ(field.GetHotKey(), MakeHotKey(VK_F5, true, false, false, false));
    field.SetHotKey(THotKey{});
    EXPECT_EQ(field.GetHotKey(), THotKey{});
}

TEST(ControlHotKey, TheWindowsKeyNeverComesBack) {
    TWindow window(L"hot key", true, nullptr);
    TControlHotKey field(window);
    field.SetHotKey(MakeHotKey('W', true, false, true, true));
    EXPECT_EQ(field.GetHotKey(), MakeHotKey('W', true, false, true, false));
    const auto native = static_cast<WORD>(SendMessageW(field.GetHandle(), HKM_GETHOTKEY, 0, 0));
    EXPECT_EQ(native, MAKEWORD('W', HOTKEYF_SHIFT | HOTKEYF_CONTROL));
}

// Without the flag the field names Insert and the other keys of the middle block after the
// numeric pad keys that share their scan codes.
TEST(ControlHotKey, ExtendedKeysAreSetAsSuchAndComeBackUnchanged) {
    TWindow window(L"hot key", false, nullptr);
    TControlHotKey field(window);
    const struct {
        int key;
        bool extended;
    } cases[] = {{VK_INSERT, true}, {VK_NEXT, true}, {VK_LEFT, true}, {'N', false}, {VK_NUMPAD0, false}};
    for (const auto& example : cases) {
        const THotKey hotKey = MakeHotKey(example.key, true, false, true, false);
        field.SetHotKey(hotKey);
        const auto native = static_cast<WORD>(SendMessageW(field.GetHandle(), HKM_GETHOTKEY, 0, 0));
        EXPECT_EQ((HIBYTE(native) & HOTKEYF_EXT) != 0, example.extended) << "key " << example.key;
        EXPECT_EQ(field.GetHotKey(), hotKey) << "key " << example.key;
    }
}

TEST(ControlHotKey, AKeyCombinationTypedIntoTheFieldRaisesTheChangeHandler) {
    TWindow window(L"hot key typing", true, nullptr);
    TControlHotKey field(window);
    field.Move(TPoint{5, 5}, field.GetPreferredSize());
    int changes = 0;
    field.SetOnChange([&] { ++changes; });
    window.Show(true);
    SetFocus(field.GetHandle());
    ASSERT_EQ(GetFocus(), field.GetHandle());

    std::vector<INPUT> keys{MakeKeyInput(VK_CONTROL, false), MakeKeyInput('K', false), MakeKeyInput('K', true),
                            MakeKeyInput(VK_CONTROL, true)};
    ASSERT_EQ(SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT)), keys.size());
    for (int i = 0; i < 20 && field.GetHotKey().key == 0; ++i) {
        Sleep(25);
        PumpPendingMessages();
    }

    EXPECT_GE(changes, 1);
    EXPECT_EQ(field.GetHotKey(), MakeHotKey('K', false, false, true, false));
}

TEST(ControlHotKey, ChangeNotificationsOfOtherWindowsAreDeclined) {
    TWindow window(L"hot key", false, nullptr);
    TControlHotKey field(window);
    TControlHotKey other(window);
    int changes = 0;
    field.SetOnChange([&] { ++changes; });
    SendMessageW(window.GetHandle(), WM_COMMAND, MAKEWPARAM(0, EN_CHANGE), reinterpret_cast<LPARAM>(other.GetHandle()));
    SendMessageW(window.GetHandle(), WM_COMMAND, MAKEWPARAM(0, EN_SETFOCUS), reinterpret_cast<LPARAM>(field.GetHandle()));
    EXPECT_EQ(changes, 0);
    SendMessageW(window.GetHandle(), WM_COMMAND, MAKEWPARAM(0, EN_CHANGE), reinterpret_cast<LPARAM>(field.GetHandle()));
    EXPECT_EQ(changes, 1);
}

