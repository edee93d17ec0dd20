#include "store/Utf8Text.h"

#include <cstdint>

namespace {

bool IsContinuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// What other editors write for a character beyond U+FFFF: the shortest form of a real one.
bool IsStandardFourByteForm(std::string_view sequence, std::uint32_t point) {
    return IsContinuation(sequence[1]) && IsContinuation(sequence[2]) && IsContinuation(sequence[3]) &&
           point >= 0x10000 && point <= 0x10FFFF;
}

}  // namespace

void AppendUtf8(std::string& bytes, wchar_t element) {
    const std::uint32_t unit = static_cast<std::uint32_t>(element) & 0xFFFF;
    if (unit <= 0x7F) {
        bytes += static_cast<char>(unit);
    } else if (unit <= 0x7FF) {
        const char sequence[] = {static_cast<char>(0xC0 | (unit >> 6)), static_cast<char>(0x80 | (unit & 0x3F))};
        bytes.append(sequence, sizeof(sequence));
    } else {
        const char sequence[] = {static_cast<char>(0xE0 | (unit >> 12)), static_cast<char>(0x80 | ((unit >> 6) & 0x3F)),
                                 static_cast<char>(0x80 | (unit & 0x3F))};
        bytes.append(sequence, sizeof(sequence));
    }
}

std::string EncodeUtf8(const std::wstring& text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (const wchar_t element : text) {
        AppendUtf8(bytes, element);
    }
    return bytes;
}

std::wstring DecodeUtf8(std::string_view bytes) {
    std::wstring text;
    AppendDecodedUtf8(text, bytes);
    return text;
}

void AppendDecodedUtf8(std::wstring& text, std::string_view bytes) {
    // Every byte gives at most one element; writing through a pointer into room made beforehand
    // keeps the loop free of a capacity check per element.
    const std::size_t start = text.size();
    text.resize(start + bytes.size());
    wchar_t* const first = &text[0] + start;
    wchar_t* out = first;
    const std::size_t size = bytes.size();
    std::size_t position = 0;
    const auto byteAt = [&bytes](std::size_t index) { return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[index])); };
    while (position < size) {
        const std::uint32_t lead = byteAt(position);
        if (lead <= 0x7F) {
            *out++ = static_cast<wchar_t>(lead);
            position += 1;
        } else if (lead >= 0xC0 && lead <= 0xDF) {
            if (position + 2 > size) {
                break;
            }
            *out++ = static_cast<wchar_t>(((lead & 0x1F) << 6) + (byteAt(position + 1) & 0x3F));
            position += 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            if (position + 3 > size) {
                break;
            }
            *out++ = static_cast<wchar_t>(((lead & 0x0F) << 12) + ((byteAt(position + 1) & 0x3F) << 6) +
                                          (byteAt(position + 2) & 0x3F));
            position += 3;
        } else if (lead >= 0xF0 && lead <= 0xF7) {
            if (position + 4 > size) {
                break;
            }
            const std::uint32_t point = ((lead & 0x07) << 18) + ((byteAt(position + 1) & 0x3F) << 12) +
                                        ((byteAt(position + 2) & 0x3F) << 6) + (byteAt(position + 3) & 0x3F);
            if (IsStandardFourByteForm(bytes.substr(position, 4), point)) {
                *out++ = static_cast<wchar_t>(0xD800 + ((point - 0x10000) >> 10));
                *out++ = static_cast<wchar_t>(0xDC00 + ((point - 0x10000) & 0x3FF));
            } else {
                *out++ = static_cast<wchar_t>(0xFFFD);
            }
            position += 4;
        } else {
            *out++ = static_cast<wchar_t>(0xFFFF);
            position += 1;
        }
    }
    text.resize(start + static_cast<std::size_t>(out - first));
}
