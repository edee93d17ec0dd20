#pragma once

#include <cstdint>
#include <ctime>

// Measures the process time since it was made.
class TStopwatch {
public:
    TStopwatch() : Start(std::clock()) {}

    double GetElapsedSeconds() const {
        const auto milliseconds =
            static_cast<std::int32_t>(static_cast<std::int64_t>(std::clock() - Start) * 1000 / CLOCKS_PER_SEC);
        return milliseconds / 1000.0;
    }

private:
    std::clock_t Start;
};
