#include "bench/HostProcessFigures.h"

#include "tests/support/UnixCommand.h"

#include <windows.h>

#include <fstream>

bool ReadHostProcessFigures(const std::string& processName, THostProcessFigures& figures) {
    const std::string output = "/tmp/nudgely-bench-figures-" + std::to_string(GetCurrentProcessId());
    // Processor time: nanoseconds on a processor, summed over the threads; private memory: the
    // resident pages no other process shares, in KiB.
    const std::string command =
        "for p in $(pgrep -x " + processName + "); do"
        " if grep -qzxF WINEPREFIX=$WINEPREFIX /proc/$p/environ; then"
        " cat /proc/$p/task/*/schedstat | awk '{s+=$1} END {print s}';"
        " awk '/^Private_(Clean|Dirty):/ {s+=$2} END {print s}' /proc/$p/smaps_rollup;"
        " fi; done >" + output + ".part; mv " + output + ".part " + output;
    if (RunUnixCommand(command) != 0) {
        return false;
    }
    const std::wstring seenFromWine = L"Z:" + std::wstring(output.begin(), output.end());
    std::ifstream file(seenFromWine.c_str());
    double nanoseconds = 0;
    double privateKiB = 0;
    const bool read = static_cast<bool>(file >> nanoseconds >> privateKiB);
    file.close();
    DeleteFileW(seenFromWine.c_str());
    figures.ProcessorSeconds = nanoseconds / 1e9;
    figures.PrivateResidentBytes = privateKiB * 1024;
    return read;
}
