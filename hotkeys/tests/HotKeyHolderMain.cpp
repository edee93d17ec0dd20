// Holds one system-wide hot key for another process, so that tests can see a combination refused
// because somebody else owns it.
//   hotkey_holder <modifiers> <virtual-key> <event-prefix>
// Registers the combination, signals "<event-prefix>.ready" and keeps it until
// "<event-prefix>.release" is signalled (or 30 s pass). Exits with 2 if the system refused it.
#include <windows.h>

#include <cwchar>
#include <string>

namespace {

class TEventHandle {
public:
    explicit TEventHandle(const std::wstring& name) : Handle(OpenEventW(SYNCHRONIZE | EVENT_MODIFY_STATE, FALSE, name.c_str())) {}
    ~TEventHandle() {
        if (Handle) {
            CloseHandle(Handle);
        }
    }
    TEventHandle(const TEventHandle&) = delete;
    TEventHandle& operator=(const TEventHandle&) = delete;

    HANDLE Get() const { return Handle; }

private:
    HANDLE Handle;
};

const int HeldIdentifier = 1;

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) {
        return 1;
    }
    const UINT modifiers = static_cast<UINT>(std::wcstoul(argv[1], nullptr, 0));
    const UINT key = static_cast<UINT>(std::wcstoul(argv[2], nullptr, 0));
    const std::wstring prefix = argv[3];
    TEventHandle ready(prefix + L".ready");
    TEventHandle release(prefix + L".release");
    if (!ready.Get() || !release.Get()) {
        return 1;
    }
    if (!RegisterHotKey(nullptr, HeldIdentifier, modifiers, key)) {
        return 2;
    }
    SetEvent(ready.Get());
    WaitForSingleObject(release.Get(), 30000);
    UnregisterHotKey(nullptr, HeldIdentifier);
    return 0;
}
