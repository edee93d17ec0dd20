#include "bench/BenchFigures.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

double ReadSeconds() {
    LARGE_INTEGER frequency;
    LARGE_INTEGER counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double GetMedian(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double GetMinimum(const std::vector<double>& values) { return *std::min_element(values.begin(), values.end()); }

void PrintFigure(const std::string& name, double value, const std::string& floorName, double floor,
                 const std::string& unit, double goal) {
    std::printf("%s: %.4g %s; floor (%s): %.4g %s; ratio ", name.c_str(), value, unit.c_str(), floorName.c_str(), floor,
                unit.c_str());
    if (floor > 0) {
        std::printf("%.2f", value / floor);
    } else {
        std::printf("n/a");
    }
    if (goal > 0) {
        const bool met = floor > 0 && value / floor <= goal;
        std::printf(" (goal <= %.2g: %s)", goal, met ? "met" : "MISSED");
    }
    std::printf("\n");
    std::fflush(stdout);
}
