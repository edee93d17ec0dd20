#pragma once

#include "hotkeys/GlobalHotKeyManager.h"
#include "ui/Window.h"

#include <vector>

// Holds the registered hot keys of one window and runs their actions on WM_HOTKEY. A binding's
// position in the list is its system identifier, so the first one added is 0. Destroying the
// processor unregisters all of them.
class TGlobalHotKeyManager::TMessagesProcessor : public TWindow::TControl {
public:
    explicit TMessagesProcessor(TWindow& owner);
    ~TMessagesProcessor() override;

    // Throws TGlobalHotKeyManager::TException when the system refuses; nothing is added then.
    void AddHotKey(const THotKey& hotKey, THandler action);
    bool ProcessMessage(TMessage& message) override;

private:
    struct TBinding {
        THotKey hotKey;
        THandler action;
    };

    std::vector<TBinding> Bindings;
};
