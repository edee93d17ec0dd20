#include "app/instance/CommandLine.h"

#include <windows.h>
#include <shellapi.h>

std::vector<std::wstring> ReadCommandLine() {
    std::vector<std::wstring> arguments;
    int count = 0;
    LPWSTR* list = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!list) {
        return arguments;
    }
    for (int i = 0; i < count; ++i) {
        arguments.push_back(list[i]);
    }
    LocalFree(list);
    return arguments;
}
