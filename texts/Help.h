#pragma once

#include <string>

// The help file beside the program in the user's interface language ("Help.de.chm"), or the
// English one ("Help.chm") where that language has none there.
std::wstring GetHelpFilePath();
// The program's folder, a forward slash and the help file's name for the language tag ("Help.chm"
// for the empty tag of English).
std::wstring MakeHelpFilePath(const std::wstring& executablePath, const std::wstring& languageTag = std::wstring());

// Open the help viewer at the start page, or at one window's page ("/_add_reminder.html").
// Without an HTML Help control on the system they do nothing.
void ShowHelp(const std::wstring& helpFilePath);
void ShowHelpTopic(const std::wstring& topic, const std::wstring& helpFilePath);
// Closes the viewer's windows, if any were opened: the viewer runs on threads of its own, which
// the end of the program would otherwise cut off in the middle of their work.
void CloseHelpViewer();
