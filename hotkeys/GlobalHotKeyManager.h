#pragma once

#include "hotkeys/HotKey.h"
#include "ui/Handler.h"

#include <memory>
#include <stdexcept>

class TWindow;

// Binds system-wide hot keys to actions. The system posts a pressed hot key to a hidden window of
// the manager, which runs the bound action.
//
// This declaration needs no system headers, so that the text form can throw the manager's
// exception types in builds without them; the window and the bindings live in the
// implementation.
class TGlobalHotKeyManager {
public:
    class TMessagesProcessor;

    class TException : public std::runtime_error {
    public:
        TException() : std::runtime_error("TGlobalHotKeyManager: unable to register hot key") {}
    };

    class TExceptionIncorrectStringRepresentation : public std::runtime_error {
    public:
        TExceptionIncorrectStringRepresentation()
            : std::runtime_error("TGlobalHotKeyManager: incorrect string format for hot key") {}
    };

    TGlobalHotKeyManager();
    ~TGlobalHotKeyManager();
    TGlobalHotKeyManager(const TGlobalHotKeyManager&) = delete;
    TGlobalHotKeyManager& operator=(const TGlobalHotKeyManager&) = delete;

    // Throws TException when the system refuses the combination; nothing is bound then.
    void AddHotKey(const THotKey& hotKey, THandler action);
    // Unregisters every hot key; the next one added gets identifier 0 again.
    void RemoveAllHotKeys();

private:
    std::unique_ptr<TWindow> Window;
    std::unique_ptr<TMessagesProcessor> Processor;
};
