#include "app/tray/tests/TrayTestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

std::uint32_t ReadLittleEndian(const std::vector<unsigned char>& bytes, size_t offset, size_t width) {
    std::uint32_t value = 0;
    for (size_t i = 0; i < width; ++i) {
        value |= std::uint32_t(bytes.at(offset + i)) << (8 * i);
    }
    return value;
}

struct TIconEntry {
    int size;
    int bitsPerPixel;
    bool png;
    int bitmapBitsPerPixel;
};

std::vector<TIconEntry> ReadIconDirectory(const char* path) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::vector<TIconEntry> entries;
    if (bytes.size() < 6 || ReadLittleEndian(bytes, 0, 2) != 0 || ReadLittleEndian(bytes, 2, 2) != 1) {
        return entries;
    }
    const size_t count = ReadLittleEndian(bytes, 4, 2);
    for (size_t i = 0; i < count; ++i) {
        const size_t entry = 6 + 16 * i;
        const size_t offset = ReadLittleEndian(bytes, entry + 12, 4);
        TIconEntry icon{};
        icon.size = bytes.at(entry) == 0 ? 256 : bytes.at(entry);
        icon.bitsPerPixel = static_cast<int>(ReadLittleEndian(bytes, entry + 6, 2));
        icon.png = ReadLittleEndian(bytes, offset, 4) == 0x474E5089;  // "\x89PNG"
        icon.bitmapBitsPerPixel = icon.png ? 0 : static_cast<int>(ReadLittleEndian(bytes, offset + 14, 2));
        entries.push_back(icon);
    }
    return entries;
}

}  // namespace

// The quiet one stands in for it in the tray, at whatever size the shell asks for.
TEST(ProgramIcon, BothHoldTheFiveSizesAt32BitsWithTheLargestAsPng) {
    for (const char* file : {NUDGELY_ICON_FILE, NUDGELY_QUIET_ICON_FILE}) {
        const std::vector<TIconEntry> entries = ReadIconDirectory(file);
        ASSERT_EQ(entries.size(), 5u) << file;
        const int sizes[] = {256, 48, 32, 24, 16};
        for (size_t i = 0; i < entries.size(); ++i) {
            EXPECT_EQ(entries[i].size, sizes[i]);
            EXPECT_EQ(entries[i].bitsPerPixel, 32);
            EXPECT_EQ(entries[i].png, sizes[i] == 256) << sizes[i];
            if (!entries[i].png) {
                EXPECT_EQ(entries[i].bitmapBitsPerPixel, 32) << sizes[i];
            }
        }
    }
}

TEST(ProgramIcon, LoadsFromTheResourceAtTrayAndDesktopSizes) {
    for (int size : {16, 32, 48, 256}) {
        const HICON icon = static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP colour{};
        GetObjectW(info.hbmColor, sizeof(colour), &colour);
        EXPECT_EQ(colour.bmWidth, size);
        EXPECT_EQ(colour.bmHeight, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}
