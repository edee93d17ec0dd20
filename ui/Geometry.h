#pragma once

#include <cstdint>

struct TPoint {
    int x = 0;
    int y = 0;
};

struct TSize {
    int width = 0;
    int height = 0;
};

struct TColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    std::uint32_t ToColorRef() const { return red | (green << 8) | (blue << 16); }
};

inline bool operator==(TPoint a, TPoint b) { return a.x == b.x && a.y == b.y; }
inline bool operator==(TSize a, TSize b) { return a.width == b.width && a.height == b.height; }
inline bool operator==(TColor a, TColor b) { return a.ToColorRef() == b.ToColorRef(); }
