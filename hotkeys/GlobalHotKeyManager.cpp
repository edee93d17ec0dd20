#include "hotkeys/GlobalHotKeyManager.h"

#include "hotkeys/HotKeyMessagesProcessor.h"

TGlobalHotKeyManager::TGlobalHotKeyManager()
    : Window(new TWindow(L"dummy", false, nullptr)), Processor(new TMessagesProcessor(*Window)) {}

TGlobalHotKeyManager::~TGlobalHotKeyManager() = default;

void TGlobalHotKeyManager::AddHotKey(const THotKey& hotKey, THandler action) {
    Processor->AddHotKey(hotKey, std::move(action));
}

void TGlobalHotKeyManager::RemoveAllHotKeys() {
    // Made first, so that a failure leaves the old bindings as they were.
    std::unique_ptr<TMessagesProcessor> replacement(new TMessagesProcessor(*Window));
    Processor.swap(replacement);
    // replacement now holds the old processor, which unregisters its hot keys as it goes.
}
