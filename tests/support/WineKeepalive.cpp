#include <windows.h>

// A hidden window that lives until the test environment ends Wine, so that Wine's desktop
// process is not started and stopped around every test program.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"NudgelyTestKeepalive";
    RegisterClassW(&windowClass);
    CreateWindowExW(0, windowClass.lpszClassName, L"keepalive", WS_OVERLAPPEDWINDOW, 0, 0, 10, 10, nullptr, nullptr,
                    instance, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return 0;
}
