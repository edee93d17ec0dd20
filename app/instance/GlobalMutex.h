#pragma once

#include <memory>
#include <stdexcept>
#include <string>

// Owns a named system mutex for the whole run of the single running instance.
class TGlobalMutex {
public:
    class TException : public std::runtime_error {
    public:
        TException() : std::runtime_error("TGlobalMutex: unable to get mutex ownership") {}
    };

    // Waits up to waitMilliseconds for a holder to let go; without a wait one attempt decides.
    explicit TGlobalMutex(const std::wstring& name, unsigned long waitMilliseconds = 0);
    ~TGlobalMutex();
    TGlobalMutex(const TGlobalMutex&) = delete;
    TGlobalMutex& operator=(const TGlobalMutex&) = delete;

private:
    struct TRecord;
    std::unique_ptr<TRecord> Record;
};
