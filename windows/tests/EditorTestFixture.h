#pragma once

#include "windows/NotificationEditorWindow.h"
#include "windows/tests/ScratchStore.h"
#include "windows/tests/WindowDriver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// An editor on a scratch store, and its controls as the user finds them. A failure that a
// handler lets out is collected instead of being shown in a message box.
class EditorTest : public ::testing::Test {
protected:
    EditorTest();
    ~EditorTest() override;
    // Fails the test on every failure a handler let out that the test did not take away.
    void TearDown() override;

    HWND GetEditorWindow() const { return DialogWindows.front()->GetHandle(); }
    HWND GetDatePicker() const { return FindControls(GetEditorWindow(), L"SysDateTimePick32").at(0); }
    HWND GetFixedTimePicker() const { return FindControls(GetEditorWindow(), L"SysDateTimePick32").at(1); }
    HWND GetCountdownPicker() const { return FindControls(GetEditorWindow(), L"SysDateTimePick32").at(2); }
    HWND GetTextBox() const { return FindControls(GetEditorWindow(), L"edit").at(0); }
    HWND GetButton(const std::wstring& caption) const { return FindButton(GetEditorWindow(), caption); }
    bool IsShown() const { return IsWindowVisible(GetEditorWindow()) != FALSE; }
    bool IsButtonEnabled(const std::wstring& caption) const { return IsWindowEnabled(GetButton(caption)) != FALSE; }

    TScratchStore Store;
    TDialogWindowList DialogWindows;
    const std::wstring HelpFilePath = NUDGELY_HELP_FILE_PATH;
    TNotificationEditorWindow Editor{Store.GetDb(), DialogWindows, HelpFilePath};
    std::vector<std::string> Failures;
};
