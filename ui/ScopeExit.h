#pragma once

#include "ui/Handler.h"

// Runs its action when it goes. Made right after what the action undoes, it goes right before
// the objects made earlier: a handler that refers to objects made later is released before they go.
class TScopeExit {
public:
    explicit TScopeExit(THandler action) : Action(std::move(action)) {}
    ~TScopeExit() { RunHandler(Action); }
    TScopeExit(const TScopeExit&) = delete;
    TScopeExit& operator=(const TScopeExit&) = delete;

private:
    THandler Action;
};
