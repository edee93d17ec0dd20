// A data file, a conflict copy of it and maybe their common version, as another PC or a person may
// have left them, through the merge. The input is the common version, the data file and the copy,
// each ended by a zero byte; an input with fewer than two zero bytes has no common version.

#include "fuzz/FuzzCheck.h"
#include "store/DataFileEncoding.h"
#include "store/DataFileMemory.h"
#include "store/DataFileMerge.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace {

std::set<std::string> ReadLines(std::string_view bytes) {
    const std::string text = ReadDataFileText(std::string(bytes));
    std::set<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t lineFeed = text.find('\n', start);
        const std::size_t end = lineFeed == std::string::npos ? text.size() : lineFeed + 1;
        lines.emplace(GetLineContent(std::string_view(text).substr(start, end - start)));
        start = end;
    }
    return lines;
}

bool StartsWithMark(const std::string& bytes) {
    return bytes.rfind("\xEF\xBB\xBF", 0) == 0 || bytes.rfind("\xFF\xFE", 0) == 0 || bytes.rfind("\xFE\xFF", 0) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t first = input.find('\0');
    const std::size_t second = first == std::string_view::npos ? first : input.find('\0', first + 1);
    std::optional<std::string_view> common;
    std::string_view ours = input;
    std::string_view theirs;
    if (second != std::string_view::npos) {
        common = input.substr(0, first);
        ours = input.substr(first + 1, second - first - 1);
        theirs = input.substr(second + 1);
    } else if (first != std::string_view::npos) {
        ours = input.substr(0, first);
        theirs = input.substr(first + 1);
    }

    const std::string merged = MergeDataFileTexts(common, ours, theirs);
    // Which side is the data file makes no difference to the bytes.
    FUZZ_CHECK(MergeDataFileTexts(common, theirs, ours) == merged);
    // A side merged with itself, or with the common version, gives the other side back.
    FUZZ_CHECK(MergeDataFileTexts(common, ours, ours) == ReadDataFileText(std::string(ours)));
    FUZZ_CHECK(MergeDataFileTexts(ours, ours, theirs) == ReadDataFileText(std::string(theirs)));

    // No line that both sides hold is lost, none is made up, and without a common version none
    // of either side is lost. (Read back, a text that begins with the bytes of a byte-order mark,
    // which no UTF-8 text begins with, is another text: as for the data file itself.)
    if (StartsWithMark(merged)) {
        return 0;
    }
    const std::set<std::string> result = ReadLines(merged);
    const std::set<std::string> ourLines = ReadLines(ours);
    const std::set<std::string> theirLines = ReadLines(theirs);
    for (const std::string& line : ourLines) {
        FUZZ_CHECK(result.count(line) == 1 || (common && theirLines.count(line) == 0));
    }
    for (const std::string& line : theirLines) {
        FUZZ_CHECK(result.count(line) == 1 || (common && ourLines.count(line) == 0));
    }
    for (const std::string& line : result) {
        FUZZ_CHECK(ourLines.count(line) == 1 || theirLines.count(line) == 1);
    }
    return 0;
}
