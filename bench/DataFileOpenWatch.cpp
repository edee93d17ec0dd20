#include "bench/DataFileOpenWatch.h"

#include "tests/support/UnixCommand.h"

#include <windows.h>

#include <fstream>

namespace {

// Watches the folder, since every change puts a new file in the old one's place.
const char WatchScript[] = R"(import ctypes, os, select, struct, sys
folder, name, files = sys.argv[1], sys.argv[2].encode(), sys.argv[3]
libc = ctypes.CDLL(None, use_errno=True)
watch = libc.inotify_init()
IN_OPEN = 0x20
if watch < 0 or libc.inotify_add_watch(watch, folder.encode(), IN_OPEN) < 0:
    sys.exit(1)
open(files + '.ready', 'w').close()
count = 0
while not os.path.exists(files + '.stop'):
    if select.select([watch], [], [], 0.1)[0]:
        events = os.read(watch, 65536)
        at = 0
        while at < len(events):
            length = struct.unpack_from('iIII', events, at)[3]
            count += events[at + 16:at + 16 + length].rstrip(b'\0') == name
            at += 16 + length
with open(files + '.part', 'w') as result:
    result.write(str(count))
os.rename(files + '.part', files + '.count')
)";

std::wstring SeenFromWine(const std::string& unixPath) { return L"Z:" + std::wstring(unixPath.begin(), unixPath.end()); }

bool WaitForFile(const std::wstring& path, DWORD milliseconds) {
    for (const DWORD start = GetTickCount(); GetTickCount() - start < milliseconds; Sleep(20)) {
        if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
            return true;
        }
    }
    return false;
}

}  // namespace

TDataFileOpenWatch::TDataFileOpenWatch(const std::wstring& path)
    : Files("/tmp/nudgely-bench-opens-" + std::to_string(GetCurrentProcessId())) {
    const std::size_t slash = path.find_last_of(L'\\');
    const std::string folder = GetUnixPath(path.substr(0, slash));
    const std::wstring name = path.substr(slash + 1);
    std::ofstream(SeenFromWine(Files + ".py").c_str()) << WatchScript;
    Watching = !folder.empty() &&
               StartUnixCommand("python3 " + Files + ".py '" + folder + "' '" + std::string(name.begin(), name.end()) +
                                "' " + Files) &&
               WaitForFile(SeenFromWine(Files + ".ready"), 10000);
}

TDataFileOpenWatch::~TDataFileOpenWatch() {
    if (Watching) {
        Finish();
    }
    for (const char* end : {".py", ".ready", ".stop", ".count"}) {
        DeleteFileW(SeenFromWine(Files + end).c_str());
    }
}

int TDataFileOpenWatch::Finish() {
    if (!Watching) {
        return -1;
    }
    Watching = false;
    std::ofstream(SeenFromWine(Files + ".stop").c_str()).close();
    if (!WaitForFile(SeenFromWine(Files + ".count"), 10000)) {
        return -1;
    }
    std::ifstream result(SeenFromWine(Files + ".count").c_str());
    int count = -1;
    result >> count;
    return count;
}
