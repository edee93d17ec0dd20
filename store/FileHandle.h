#pragma once

#include <windows.h>

#include <utility>

// Owns one file handle from CreateFileW; closes it at the end unless closed before.
class TFileHandle {
public:
    explicit TFileHandle(HANDLE handle) : Handle(handle) {}
    ~TFileHandle() { Close(); }
    TFileHandle(const TFileHandle&) = delete;
    TFileHandle& operator=(const TFileHandle&) = delete;
    TFileHandle(TFileHandle&& other) noexcept : Handle(std::exchange(other.Handle, INVALID_HANDLE_VALUE)) {}
    TFileHandle& operator=(TFileHandle&& other) noexcept {
        if (this != &other) {
            Close();
            Handle = std::exchange(other.Handle, INVALID_HANDLE_VALUE);
        }
        return *this;
    }

    bool IsValid() const { return Handle != INVALID_HANDLE_VALUE && Handle != nullptr; }
    HANDLE Get() const { return Handle; }

    // True when there was a handle and closing it succeeded.
    bool Close() {
        if (!IsValid()) {
            return false;
        }
        const bool closed = CloseHandle(Handle) != FALSE;
        Handle = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE Handle;
};
