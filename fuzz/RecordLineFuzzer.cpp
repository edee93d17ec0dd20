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

// As other editors write text: a surrogate pair as one four-byte sequence.
std::string EncodeStandardUtf8(const std::wstring& text) {
    std::string bytes;
    for (std::size_t index = 0; index < text.size(); ++index) {
        const std::uint32_t unit = static_cast<std::uint32_t>(text[index]) & 0xFFFF;
        const std::uint32_t next = index + 1 < text.size() ? static_cast<std::uint32_t>(text[index + 1]) & 0xFFFF : 0;
        if (unit >= 0xD800 && unit <= 0xDBFF && next >= 0xDC00 && next <= 0xDFFF) {
            const std::uint32_t point = 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00);
            bytes += static_cast<char>(0xF0 | (point >> 18));
            bytes += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
            bytes += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (point & 0x3F));
            ++index;
        } else {
            AppendUtf8(bytes, static_cast<wchar_t>(unit));
        }
    }
    return bytes;
}

void CheckCoding(const std::string& bytes, const std::wstring& wide) {
    const std::wstring decoded = DecodeUtf8(bytes);
    FUZZ_CHECK(decoded.size() <= bytes.size());
    for (const wchar_t unit : decoded) {
        FUZZ_CHECK(static_cast<std::uint32_t>(unit) <= 0xFFFF);
    }
    FUZZ_CHECK(DecodeUtf8(EncodeUtf8(decoded)) == decoded);
    FUZZ_CHECK(DecodeUtf8(EncodeUtf8(wide)) == wide);
    FUZZ_CHECK(DecodeUtf8(EncodeStandardUtf8(wide)) == wide);
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
    // A rule stands only after a date of the full size and a space.
    FUZZ_CHECK(record->Repeat.empty() || record->Date.size() == 19);
    FUZZ_CHECK(record->Date.find('|') == std::string::npos);
    FUZZ_CHECK(record->Id == -1);

    // Whatever was read must go back to disk as exactly one line that reads back as itself:
    // anything else would put the store's IDs out of step with its file after the next change.
    const std::string written = FormatRecordLine(*record);
    FUZZ_CHECK(written.size() >= 2 && written.compare(written.size() - 2, 2, "\r\n") == 0);
    const std::string body = written.substr(0, written.size() - 2);
    FUZZ_CHECK(body.find('\n') == std::string::npos);
    const auto reread = ParseRecordLine(body);
    FUZZ_CHECK(reread.has_value());
    FUZZ_CHECK(reread->Date == record->Date);
    FUZZ_CHECK(reread->Repeat == record->Repeat);
    FUZZ_CHECK(FormatRecordLine(*reread) == written);
    if (!HasLineBreak(record->Text)) {
        FUZZ_CHECK(reread->Text == record->Text);
    }
    if (record->SoundFile.find_first_of(L"|\r\n") == std::wstring::npos) {
        FUZZ_CHECK(reread->SoundFile == record->SoundFile);
    }
}

// Any rule text the store accepts goes to disk after its due date and reads back as itself,
// with the text, which may start like a rule, left alone.
void CheckRepeatingRecord(const std::string& bytes) {
    TNotification record("2026.12.09 09:00:00", DecodeUtf8(bytes));
    for (const char element : bytes) {
        if (element != '|' && element != '\r' && element != '\n') {
            record.Repeat += element;
        }
    }
    const std::string written = FormatRecordLine(record);
    const std::string body = written.substr(0, written.size() - 2);
    const auto reread = ParseRecordLine(body);
    FUZZ_CHECK(reread.has_value());
    FUZZ_CHECK(reread->Date == record.Date);
    FUZZ_CHECK(reread->Repeat == record.Repeat);
    FUZZ_CHECK(GetRecordDate(written) == record.Date);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    CheckCoding(bytes, MakeWideText(data, size));
    // The line reader never hands over a line feed: a line ends before it.
    CheckRecordLine(bytes.substr(0, bytes.find('\n')));
    CheckRepeatingRecord(bytes);
    return 0;
}
