#include "texts/Help.h"

#include "texts/InterfaceLanguage.h"
#include "ui/SystemLibrary.h"

#include <windows.h>

namespace {

using THtmlHelp = HWND(WINAPI*)(HWND owner, LPCWSTR file, UINT command, DWORD_PTR data);

const UINT DisplayTopic = 0;  // HH_DISPLAY_TOPIC
const UINT CloseAll = 0x12;   // HH_CLOSE_ALL
const char* const HtmlHelpOrdinal = MAKEINTRESOURCEA(15);

bool ViewerOpened = false;

// Loaded at the first request and kept: the viewer runs on threads of the library. Without the
// library, or its entry, requests do nothing.
THtmlHelp FindHtmlHelp() {
    static const TSystemLibrary library(L"hhctrl.ocx");
    return library.GetFunction<THtmlHelp>(HtmlHelpOrdinal);
}

void DisplayHelp(const std::wstring& target) {
    if (THtmlHelp htmlHelp = FindHtmlHelp()) {
        htmlHelp(nullptr, target.c_str(), DisplayTopic, 0);
        ViewerOpened = true;
    }
}

}  // namespace

std::wstring MakeHelpFilePath(const std::wstring& executablePath, const std::wstring& languageTag) {
    const size_t separator = executablePath.find_last_of(L"\\/");
    const std::wstring folder = separator == std::wstring::npos ? executablePath : executablePath.substr(0, separator);
    return folder + (languageTag.empty() ? L"/Help.chm" : L"/Help." + languageTag + L".chm");
}

// A copy of the program that came without its translated help (a lone executable, an older
// zip) still has help to show.
std::wstring GetHelpFilePath() {
    wchar_t path[MAX_PATH + 1] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring translated = MakeHelpFilePath(path, GetInterfaceLanguage().Tag);
    return GetFileAttributesW(translated.c_str()) != INVALID_FILE_ATTRIBUTES ? translated : MakeHelpFilePath(path);
}

void ShowHelp(const std::wstring& helpFilePath) { DisplayHelp(helpFilePath); }

void ShowHelpTopic(const std::wstring& topic, const std::wstring& helpFilePath) {
    DisplayHelp(helpFilePath + L"::" + topic);
}

void CloseHelpViewer() {
    if (ViewerOpened) {
        FindHtmlHelp()(nullptr, nullptr, CloseAll, 0);
        ViewerOpened = false;
    }
}
