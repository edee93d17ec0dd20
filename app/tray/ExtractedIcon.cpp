#include "app/tray/ExtractedIcon.h"

#include <shellapi.h>

TExtractedIcon::TExtractedIcon(const std::wstring& executablePath, int index) {
    // The small image is drawn for that size; the large one that ExtractIconW gives would be
    // shrunk by the shell and lose it.
    ExtractIconExW(executablePath.c_str(), index, nullptr, &Handle, 1);
}

TExtractedIcon::~TExtractedIcon() {
    if (Handle) {
        DestroyIcon(Handle);
    }
}
