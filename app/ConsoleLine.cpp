#include "app/ConsoleLine.h"

#include "store/FileHandle.h"

#include <windows.h>

namespace {

std::string EncodeStandardUtf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                         nullptr);
    std::string bytes(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0) {
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &bytes[0], size, nullptr, nullptr);
    }
    return bytes;
}

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
    const std::string bytes = EncodeStandardUtf8(text);
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
