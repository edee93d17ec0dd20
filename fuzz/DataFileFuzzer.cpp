// A whole data file, in whatever encoding and order another program saved it, through the store's
// memory of it: reading, writing back, and one change.

#include "fuzz/FuzzCheck.h"
#include "store/DataFileEncoding.h"
#include "store/DataFileMemory.h"
#include "store/RecordLine.h"
#include "store/Utf8Text.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace {

std::string WriteBack(TDataFileMemory& memory, const TDataFileMemory::TChange& change = {}) {
    return memory.Prepare(change);
}

// The lines' contents, without their line ends.
std::vector<std::string> SplitContents(const std::string& text) {
    std::vector<std::string> contents;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t lineFeed = text.find('\n', start);
        const std::size_t end = lineFeed == std::string::npos ? text.size() : lineFeed + 1;
        contents.emplace_back(GetLineContent(std::string_view(text).substr(start, end - start)));
        start = end;
    }
    return contents;
}

bool IsInDueOrder(const std::vector<std::string>& contents) {
    std::string_view last;
    for (const std::string& content : contents) {
        if (HoldsRecord(content)) {
            if (GetRecordDate(content) < last) {
                return false;
            }
            last = GetRecordDate(content);
        }
    }
    return true;
}

bool StartsWithMark(const std::string& bytes) {
    return bytes.rfind("\xEF\xBB\xBF", 0) == 0 || bytes.rfind("\xFF\xFE", 0) == 0 || bytes.rfind("\xFE\xFF", 0) == 0;
}

// UTF-16 read as the data file's text gives back every code unit, in either byte order, but for
// byte-order marks at its start.
void CheckUtf16Reading(const std::string& file) {
    const bool bigEndian = file.rfind("\xFE\xFF", 0) == 0;
    if (!bigEndian && file.rfind("\xFF\xFE", 0) != 0) {
        return;
    }
    std::wstring expected;
    for (std::size_t index = 2; index + 1 < file.size(); index += 2) {
        const unsigned first = static_cast<unsigned char>(file[index]);
        const unsigned second = static_cast<unsigned char>(file[index + 1]);
        const wchar_t unit = static_cast<wchar_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
        if (unit != 0xFEFF || !expected.empty()) {
            expected += unit;
        }
    }
    FUZZ_CHECK(DecodeUtf8(ReadDataFileText(file)) == expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file(reinterpret_cast<const char*>(data), size);
    CheckUtf16Reading(file);

    TDataFileMemory memory;
    memory.Follow(file);
    const std::string written = WriteBack(memory);
    std::vector<std::string> before = SplitContents(ReadDataFileText(file));
    std::vector<std::string> after = SplitContents(written);
    // A file already in the program's form and order is written back byte for byte.
    if (!StartsWithMark(file) && IsInDueOrder(before)) {
        FUZZ_CHECK(written == file);
    }
    // No line is lost or made up, readable or not; the reminders come in due order with an ID each.
    FUZZ_CHECK(IsInDueOrder(after));
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    FUZZ_CHECK(before == after);
    for (std::size_t position = 0; position < memory.GetLineCount(); ++position) {
        FUZZ_CHECK((memory.GetId(position) >= 0) == HoldsRecord(GetLineContent(memory.GetLineBytes(position))));
    }

    // Read back, the written file is the same lines (but for bytes of a UTF-16 mark, which no
    // UTF-8 text begins with); a change writes what the memory then holds.
    TDataFileMemory reread;
    reread.Follow(written);
    FUZZ_CHECK(StartsWithMark(written) || WriteBack(reread) == written);
    TDataFileMemory::TChange change;
    change.Removed = memory.FindEarliest();
    change.Inserted = "2011.05.16 22:53:00||added\r\n";
    change.InsertedAt = memory.FindDuePlace("2011.05.16 22:53:00", change.Removed);
    const std::string changed = WriteBack(memory, change);
    memory.Commit(change);
    FUZZ_CHECK(WriteBack(memory) == changed);
    // The memory's lines are the text it writes, each where it stands in it.
    std::string joined;
    for (std::size_t position = 0; position < memory.GetLineCount(); ++position) {
        joined += memory.GetLineBytes(position);
    }
    FUZZ_CHECK(joined == changed);
    FUZZ_CHECK(IsInDueOrder(SplitContents(changed)));
    if (StartsWithMark(changed)) {
        return 0;
    }
    // Line for line what a fresh read of the written file finds.
    TDataFileMemory fresh;
    fresh.Follow(changed);
    FUZZ_CHECK(fresh.GetLineCount() == memory.GetLineCount());
    for (std::size_t position = 0; position < memory.GetLineCount(); ++position) {
        FUZZ_CHECK(fresh.GetLineBytes(position) == memory.GetLineBytes(position));
    }

    // Read half-written, then missing, then whole again, every line keeps its ID (identical lines
    // may trade theirs).
    std::map<std::int32_t, std::string> contents;
    for (std::size_t position = 0; position < memory.GetLineCount(); ++position) {
        if (memory.GetId(position) >= 0) {
            contents[memory.GetId(position)] = std::string(GetLineContent(memory.GetLineBytes(position)));
        }
    }
    memory.Follow(changed.substr(0, changed.size() / 2));
    memory.Follow(std::string());
    memory.Follow(changed);
    for (std::size_t position = 0; position < memory.GetLineCount(); ++position) {
        const auto known = contents.find(memory.GetId(position));
        FUZZ_CHECK(memory.GetId(position) < 0 ||
                   (known != contents.end() && known->second == GetLineContent(memory.GetLineBytes(position))));
    }
    return 0;
}
