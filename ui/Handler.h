#pragma once

#include <functional>

// Every event of the program reaches its receiver as one of these; an empty one is skipped.
using THandler = std::function<void()>;

inline void RunHandler(const THandler& handler) {
    if (handler) {
        handler();
    }
}
