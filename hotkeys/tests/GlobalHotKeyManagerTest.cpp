#include "hotkeys/GlobalHotKeyManager.h"
#include "hotkeys/HotKeyMessagesProcessor.h"
#include "hotkeys/HotKeyText.h"
#include "hotkeys/tests/HotKeyTestSupport.h"
#include "ui/Window.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Sits behind the processor on the same window and notes which hot key messages got past it.
class TPassedOnRecorder : public TWindow::TControl {
public:
    using TControl::TControl;
    bool ProcessMessage(TMessage& message) override {
        if (message.message == WM_HOTKEY) {
            PassedOn.push_back(static_cast<int>(message.wParam));
        }
        return false;
    }
    std::vector<int> PassedOn;
};

void PressHotKey(HWND window, int identifier) { SendMessageW(window, WM_HOTKEY, identifier, 0); }

}  // namespace

TEST(HotKeyMessagesProcessor, DispatchesByIdentifierAndPassesOnUnknownOnes) {
    TWindow window(L"processor host", false, nullptr);
    auto processor = std::make_unique<TGlobalHotKeyManager::TMessagesProcessor>(window);
    TPassedOnRecorder recorder(window);
    std::vector<int> ran;
    processor->AddHotKey(ParseHotKey("Ctrl-Alt-F"), [&] { ran.push_back(0); });
    processor->AddHotKey(ParseHotKey("Ctrl-Alt-G"), THandler());
    processor->AddHotKey(ParseHotKey("Ctrl-Alt-H"), [&] { ran.push_back(2); });

    PressHotKey(window.GetHandle(), 2);
    PressHotKey(window.GetHandle(), 0);
    PressHotKey(window.GetHandle(), 1);
    PressHotKey(window.GetHandle(), 3);
    SendMessageW(window.GetHandle(), WM_HOTKEY, WPARAM(-1), 0);

    EXPECT_EQ(ran, (std::vector<int>{2, 0}));
    EXPECT_EQ(recorder.PassedOn, (std::vector<int>{3, -1}));
}

TEST(HotKeyMessagesProcessor, HoldsItsHotKeysExactlyWhileItLives) {
    TWindow window(L"processor host", false, nullptr);
    auto processor = std::make_unique<TGlobalHotKeyManager::TMessagesProcessor>(window);
    const THotKey altF7 = ParseHotKey("Alt-F7");
    const THotKey everything = ParseHotKey("Ctrl-Shift-Win-Alt-K");
    processor->AddHotKey(altF7, THandler());
    processor->AddHotKey(everything, THandler());

    EXPECT_TRUE(IsHotKeyTaken(altF7));
    EXPECT_TRUE(IsHotKeyTaken(everything));
    EXPECT_FALSE(IsHotKeyTaken(ParseHotKey("Ctrl-F7")));
    EXPECT_FALSE(IsHotKeyTaken(ParseHotKey("Shift-F7")));
    EXPECT_FALSE(IsHotKeyTaken(ParseHotKey("Ctrl-Shift-Alt-K")));

    processor.reset();
    EXPECT_FALSE(IsHotKeyTaken(altF7));
    EXPECT_FALSE(IsHotKeyTaken(everything));
}

TEST(GlobalHotKeyManager, RefusesACombinationAnotherProcessHoldsAndKeepsItsEarlierBindings) {
    const THotKey held = ParseHotKey("Ctrl-Alt-J");
    THotKeyHolder holder(held);
    ASSERT_TRUE(holder.IsHolding());

    TGlobalHotKeyManager manager;
    std::vector<int> ran;
    manager.AddHotKey(ParseHotKey("Ctrl-Alt-U"), [&] { ran.push_back(0); });
    try {
        manager.AddHotKey(held, [&] { ran.push_back(-1); });
        FAIL() << "a combination held elsewhere was accepted";
    } catch (const TGlobalHotKeyManager::TException& failure) {
        EXPECT_STREQ(failure.what(), "TGlobalHotKeyManager: unable to register hot key");
    }
    manager.AddHotKey(ParseHotKey("Ctrl-Alt-V"), [&] { ran.push_back(1); });

    const HWND window = FindOnlyDummyWindow();
    ASSERT_NE(window, nullptr);
    PressHotKey(window, 1);
    PressHotKey(window, 0);
    PressHotKey(window, 2);
    EXPECT_EQ(ran, (std::vector<int>{1, 0}));

    holder.Release();
    EXPECT_NO_THROW(manager.AddHotKey(held, THandler()));
}

TEST(GlobalHotKeyManager, RemovingAllFreesTheCombinationsAndStartsAgainAtIdentifierZero) {
    TGlobalHotKeyManager manager;
    std::vector<char> ran;
    const THotKey first = ParseHotKey("Ctrl-Alt-A");
    manager.AddHotKey(first, [&] { ran.push_back('a'); });
    manager.AddHotKey(ParseHotKey("Ctrl-Alt-B"), [&] { ran.push_back('b'); });
    ASSERT_TRUE(IsHotKeyTaken(first));

    manager.RemoveAllHotKeys();
    EXPECT_FALSE(IsHotKeyTaken(first));
    EXPECT_FALSE(IsHotKeyTaken(ParseHotKey("Ctrl-Alt-B")));
    const HWND window = FindOnlyDummyWindow();
    PressHotKey(window, 0);
    PressHotKey(window, 1);
    EXPECT_TRUE(ran.empty());

    manager.AddHotKey(first, [&] { ran.push_back('c'); });
    PressHotKey(window, 0);
    PressHotKey(window, 1);
    EXPECT_EQ(ran, (std::vector<char>{'c'}));
}

TEST(GlobalHotKeyManager, AnActionMayReplaceAllBindingsOfItsOwnManager) {
    TGlobalHotKeyManager manager;
    int replaced = 0;
    int ranAfterwards = 0;
    manager.AddHotKey(ParseHotKey("Ctrl-Alt-R"), [&] {
        manager.RemoveAllHotKeys();
        manager.AddHotKey(ParseHotKey("Ctrl-Alt-S"), [&] { ++ranAfterwards; });
        ++replaced;
    });
    const HWND window = FindOnlyDummyWindow();
    PressHotKey(window, 0);
    PressHotKey(window, 0);
    EXPECT_EQ(replaced, 1);
    EXPECT_EQ(ranAfterwards, 1);
    EXPECT_FALSE(IsHotKeyTaken(ParseHotKey("Ctrl-Alt-R")));
    EXPECT_TRUE(IsHotKeyTaken(ParseHotKey("Ctrl-Alt-S")));
}
