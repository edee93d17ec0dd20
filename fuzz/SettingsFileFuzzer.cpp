// What other processes and people hand the program about quiet: the settings file, the word of
// "/quiet" and the message that carries it to the running instance.

#include "app/requests/QuietRequest.h"
#include "app/settings/SettingsText.h"
#include "fuzz/FuzzCheck.h"
#include "store/Utf8Text.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

// Written settings read back as themselves, and writing them again changes nothing.
void CheckSettingsRoundTrip(const std::string& content, const TSettings& settings) {
    const std::string written = WriteSettings(content, settings);
    const TSettings read = ReadSettings(written);
    FUZZ_CHECK(read.HoldDuringFullScreen == settings.HoldDuringFullScreen);
    FUZZ_CHECK(read.Quiet == settings.Quiet);
    FUZZ_CHECK(WriteSettings(written, settings) == written);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const TSettings read = ReadSettings(bytes);
    CheckSettingsRoundTrip(bytes, read);
    TSettings changed = read;
    changed.HoldDuringFullScreen = !read.HoldDuringFullScreen;
    changed.Quiet = TQuietTime::For("2026.12.12 10:00:00", "01:00:00");
    CheckSettingsRoundTrip(bytes, changed);
    CheckSettingsRoundTrip(bytes, TSettings());

    TQuietRequest request;
    if (ReadQuietRequest(bytes, request)) {
        FUZZ_CHECK(FormatQuietRequest(request) == bytes);
    }
    if (ReadQuietArgument(DecodeUtf8(bytes), request)) {
        TQuietRequest received;
        FUZZ_CHECK(ReadQuietRequest(FormatQuietRequest(request), received));
        FUZZ_CHECK(received.Apply("2026.12.12 10:00:00") == request.Apply("2026.12.12 10:00:00"));
    }
    return 0;
}
