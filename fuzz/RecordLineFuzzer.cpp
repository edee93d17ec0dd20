// One line of the data file and the UTF-8 coding of its fields.

#include "fuzz/FuzzCheck.h"
#include "store/RecordLine.h"
#include "store/Utf8Text.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

bool HasLineBreak(const std::wstring& text) { return text.find_first_of(L"\r\n") != std::wstring::npos; }

// Pairs of bytes taken as UTF-16 code units: every such sequence is text the program may hold.
std::wstring MakeWideText(const std::uint8_t* data, std::size_t size) {
    std::wstring text;
    for (std::size_t index = 0; index + 1 < size; index += 2) {
        text += static_cast<wchar_t>(data[index] | (data[index + 1] << 8));
    }
    return text;
}

void CheckCoding(const std::string& bytes, const std::wstring& wide) {
    const std::wstring decoded = DecodeUtf8(bytes);
    FUZZ_CHECK(decoded.size() <= bytes.size());
    for (const wchar_t unit : decoded) {
        FUZZ_CHECK(static_cast<std::uint32_t>(unit) <= 0xFFFF);
    }
    FUZZ_CHECK(DecodeUtf8(EncodeUtf8(decoded)) == decoded);
    FUZZ_CHECK(DecodeUtf8(EncodeUtf8(wide)) == wide);
}

void CheckRecordLine(const std::string& line) {
    const auto record = ParseRecordLine(line);
    // A change passes records on by their line alone.
    FUZZ_CHECK(HoldsRecord(line) == record.has_value());
    if (!record) {
        return;
    }
    FUZZ_CHECK(GetRecordDate(line) == record->Date);
    FUZZ_CHECK(!record->Date.empty());
    FUZZ_CHECK(record->Date.find('|') == std::string::npos);
    FUZZ_CHECK(record->Id == -1);

    // Whatever was read must go back to disk as exactly one line that reads back as itself:
    // anything else would put the store's IDs out of step with its file after the next change.
    const std::string written = FormatRecordLine(*record);
    // A change copies lines in the written form instead of writing their records again.
    FUZZ_CHECK(IsWrittenForm(line) == (written == line + "\r\n"));
    FUZZ_CHECK(written.size() >= 2 && written.compare(written.size() - 2, 2, "\r\n") == 0);
    const std::string body = written.substr(0, written.size() - 2);
    FUZZ_CHECK(body.find('\n') == std::string::npos);
    const auto reread = ParseRecordLine(body);
    FUZZ_CHECK(reread.has_value());
    FUZZ_CHECK(reread->Date == record->Date);
    FUZZ_CHECK(FormatRecordLine(*reread) == written);
    if (!HasLineBreak(record->Text)) {
        FUZZ_CHECK(reread->Text == record->Text);
    }
    if (record->SoundFile.find_first_of(L"|\r\n") == std::wstring::npos) {
        FUZZ_CHECK(reread->SoundFile == record->SoundFile);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    CheckCoding(bytes, MakeWideText(data, size));
    // The line reader never hands over a line feed: a line ends before it.
    CheckRecordLine(bytes.substr(0, bytes.find('\n')));
    return 0;
}
