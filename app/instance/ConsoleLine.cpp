#include "app/instance/ConsoleLine.h"

#include "store/FileHandle.h"
#include "texts/WideText.h"

#include <windows.h>

namespace {

// Sent to a file, a pipe or a device; a console takes wide characters instead.
bool IsRedirected(HANDLE output) {
    DWORD mode = 0;
    return output && output != INVALID_HANDLE_VALUE && !GetConsoleMode(output, &mode);
}

}  // namespace

void WriteConsoleLine(const std::wstring& line) {
    const std::wstring text = line + L"\r\n";
    DWORD written = 0;
    HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    const std::string bytes = NarrowToUtf8(text);
    if (IsRedirected(output) && WriteFile(output, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) {
        return;
    }
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) {
        return;
    }
    {
        const TFileHandle console(CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                              nullptr, OPEN_EXISTING, 0, nullptr));
        if (console.IsValid()) {
            WriteConsoleW(console.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        }
    }
    FreeConsole();
}
