// What other processes hand the program: the words of "/add" and the message that carries the
// reminder to the running instance.

#include "app/requests/AddArguments.h"
#include "app/requests/AddRequest.h"
#include "fuzz/FuzzCheck.h"
#include "store/RecordLine.h"
#include "store/Utf8Text.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// What the instance stores must be one line of the data file that reads back as itself, and so
// must what it is handed again.
void CheckStorable(const TNotification& reminder) {
    FUZZ_CHECK(IsDateTimeText(reminder.Date));
    FUZZ_CHECK(reminder.SoundFile.empty());
    FUZZ_CHECK(reminder.Text.find_first_of(L"\r\n") == std::wstring::npos);
    const std::string line = FormatRecordLine(reminder);
    FUZZ_CHECK(line.find_first_of("\r\n") == line.size() - 2);
    FUZZ_CHECK(ParseRecordLine(line.substr(0, line.size() - 2)) == reminder);
    TNotification received;
    FUZZ_CHECK(ReadAddRequest(FormatAddRequest(reminder), received));
    FUZZ_CHECK(received == reminder);
}

// The words are the input's pieces between NUL bytes, each taken as UTF-8.
std::vector<std::wstring> SplitWords(const std::string& bytes) {
    std::vector<std::wstring> words;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find('\0', start)) != std::string::npos; start = end + 1) {
        words.push_back(DecodeUtf8(bytes.substr(start, end - start)));
    }
    words.push_back(DecodeUtf8(bytes.substr(start)));
    return words;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    TNotification received;
    if (ReadAddRequest(bytes, received)) {
        CheckStorable(received);
    }
    TNotification added;
    if (ReadAddArguments(SplitWords(bytes), "2026.12.12 10:00:00", added) == TAddArgumentsProblem::None) {
        CheckStorable(added);
    }
    return 0;
}
