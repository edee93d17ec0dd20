#include "store/SyncSkippedName.h"

namespace {

const std::wstring_view SkippedStart = L"~$";
const std::wstring_view SkippedEnd = L".tmp";

bool StartsWith(std::wstring_view text, std::wstring_view start) { return text.substr(0, start.size()) == start; }

}  // namespace

std::wstring MakeSideFileName(std::wstring_view dataFileName, TSideFile kind) {
    std::wstring name(SkippedStart);
    name += dataFileName;
    name += kind == TSideFile::Replacement ? L".replacement" : L".replaced";
    name += SkippedEnd;
    return name;
}

bool IsTransientSideFileName(std::wstring_view name) {
    return StartsWith(name, SkippedStart) || StartsWith(name, L"~syncthing~") || StartsWith(name, L".syncthing.") ||
           StartsWith(name, L".~");
}
