#pragma once

#include "ui/ControlButton.h"
#include "ui/ControlCancelHandler.h"
#include "ui/Window.h"

#include <memory>
#include <stdexcept>
#include <string>

// Lets the user choose the two global hot keys and writes them to the hot keys file. It binds
// nothing itself: whoever shows it unbinds the hot keys first, and rebinds them from the file in
// the handler that runs each time the window hides, saved or not.
class THotKeysConfigWindow {
public:
    class THotKeyEntry;
    class TException;
    class TUnsavableCombination;

    THotKeysConfigWindow(TDialogWindowList& dialogWindows, const std::wstring& hotKeysFilePath,
                         const std::wstring& helpFilePath);
    ~THotKeysConfigWindow();
    THotKeysConfigWindow(const THotKeysConfigWindow&) = delete;
    THotKeysConfigWindow& operator=(const THotKeysConfigWindow&) = delete;

    void ShowHotKeys();
    void SetOnClosed(THandler handler) { OnClosed = std::move(handler); }

private:
    void ReadHotKeysFile();
    void Save();
    void Close();
    void LayOut();
    void TakeNeededSize();

    TWindow Window;
    std::unique_ptr<THotKeyEntry> AddEntry;
    std::unique_ptr<THotKeyEntry> ListEntry;
    TControlButton SaveButton;
    TControlButton CancelButton;
    TControlButton HelpButton;
    TControlCancelHandler CancelHandler;
    TSize NeededClientSize{10, 10};
    std::wstring HotKeysFilePath;
    THandler OnClosed;
    const std::wstring& HelpFilePath;
};

// A file that cannot be written is reported, and the window stays open, so that the user does
// not take the old hot keys for the new ones.
class THotKeysConfigWindow::TException : public std::runtime_error {
public:
    TException() : std::runtime_error("THotKeysConfigWindow: unable to save hot keys") {}
};

// Said to the user instead of saving; the window stays open for another choice.
class THotKeysConfigWindow::TUnsavableCombination : public std::runtime_error {
public:
    explicit TUnsavableCombination(const std::string& caption)
        : std::runtime_error("The combination for \"" + caption + "\" cannot be saved; please choose another.") {}
};
