#include "store/DataFileEncoding.h"

#include "store/Utf8Text.h"

#include <string_view>

namespace {

const std::string_view Utf8Mark = "\xEF\xBB\xBF";
const std::string_view LittleEndianMark = "\xFF\xFE";
const std::string_view BigEndianMark = "\xFE\xFF";

bool StartsWith(std::string_view bytes, std::string_view mark) { return bytes.compare(0, mark.size(), mark) == 0; }

std::string ConvertUtf16(const std::string& bytes, bool bigEndian) {
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 2);
    for (std::size_t position = 2; position + 2 <= bytes.size(); position += 2) {
        const unsigned first = static_cast<unsigned char>(bytes[position]);
        const unsigned second = static_cast<unsigned char>(bytes[position + 1]);
        AppendUtf8(text, static_cast<wchar_t>(bigEndian ? (first << 8) | second : (second << 8) | first));
    }
    return text;
}

}  // namespace

// A mark is never text: one that a file's text begins with, after its own, goes too, so that
// the text written back reads as itself.
std::string ReadDataFileText(std::string bytes) {
    if (StartsWith(bytes, LittleEndianMark) || StartsWith(bytes, BigEndianMark)) {
        bytes = ConvertUtf16(bytes, StartsWith(bytes, BigEndianMark));
    }
    std::size_t marks = 0;
    while (bytes.compare(marks, Utf8Mark.size(), Utf8Mark) == 0) {
        marks += Utf8Mark.size();
    }
    bytes.erase(0, marks);
    return bytes;
}

bool IsDataFileTextAsItStands(std::string_view bytes) {
    return !StartsWith(bytes, LittleEndianMark) && !StartsWith(bytes, BigEndianMark) && !StartsWith(bytes, Utf8Mark);
}
