#pragma once

struct TPoint {
    int x = 0;
    int y = 0;
};

struct TSize {
    int width = 0;
    int height = 0;
};

inline bool operator==(TPoint a, TPoint b) { return a.x == b.x && a.y == b.y; }
inline bool operator==(TSize a, TSize b) { return a.width == b.width && a.height == b.height; }
