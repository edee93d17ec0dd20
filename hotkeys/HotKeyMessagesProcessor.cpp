#include "hotkeys/HotKeyMessagesProcessor.h"

namespace {

UINT ToSystemModifiers(const THotKey& hotKey) {
    // A held combination would otherwise run its action again at every key repeat.
    UINT modifiers = MOD_NOREPEAT;
    if (hotKey.alt) {
        modifiers |= MOD_ALT;
    }
    if (hotKey.ctrl) {
        modifiers |= MOD_CONTROL;
    }
    if (hotKey.shift) {
        modifiers |= MOD_SHIFT;
    }
    if (hotKey.win) {
        modifiers |= MOD_WIN;
    }
    return modifiers;
}

}  // namespace

TGlobalHotKeyManager::TMessagesProcessor::TMessagesProcessor(TWindow& owner) : TControl(owner) {}

TGlobalHotKeyManager::TMessagesProcessor::~TMessagesProcessor() {
    for (size_t identifier = 0; identifier < Bindings.size(); ++identifier) {
        UnregisterHotKey(GetWindow().GetHandle(), static_cast<int>(identifier));
    }
}

void TGlobalHotKeyManager::TMessagesProcessor::AddHotKey(const THotKey& hotKey, THandler action) {
    const int identifier = static_cast<int>(Bindings.size());
    if (!RegisterHotKey(GetWindow().GetHandle(), identifier, ToSystemModifiers(hotKey), hotKey.key)) {
        throw TException();
    }
    Bindings.push_back(TBinding{hotKey, std::move(action)});
}

bool TGlobalHotKeyManager::TMessagesProcessor::ProcessMessage(TMessage& message) {
    if (message.message != WM_HOTKEY || message.wParam >= Bindings.size()) {
        return false;
    }
    // Copied: the action may replace every binding, this processor included.
    const THandler action = Bindings[message.wParam].action;
    RunHandler(action);
    message.result = 0;
    return true;
}
