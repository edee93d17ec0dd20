// What keyboard and screen reader users meet in the four windows.
#include "tests/support/LayoutCheck.h"
#include "windows/HotKeysConfigWindow.h"
#include "windows/NotificationWindow.h"
#include "windows/NotificationsListWindow.h"
#include "windows/tests/AnnotationWatch.h"
#include "windows/tests/ScratchStore.h"
#include "windows/tests/WindowDriver.h"

#include <gtest/gtest.h>

#include <set>

// Each caption marks one access key, unique in its window (the words shown are checked wherever
// tests find controls by them); each field is named by the label just before it, or through the
// annotation service.
TEST(Accessibility, EveryCaptionHasAnAccessKeyOfItsOwnAndEveryFieldAName) {
    TAnnotationWatch watch;
    TScratchStore store;
    TDialogWindowList windows;
    const std::wstring help = NUDGELY_HELP_FILE_PATH;
    TNotificationEditorWindow editor(store.GetDb(), windows, help);
    TNotificationsListWindow list(windows, store.GetDb(), editor, help);
    TNotificationWindow notification(windows, store.GetDb());
    THotKeysConfigWindow hotKeys(windows, store.GetFilePath(L"hotkeys"), help);
    WriteBytes(store.GetFilePath(L"note.pcm"), std::string(800, '\x80'));
    notification.ShowNotification(store.GetFilePath(L"note.pcm"), L"Call mum");

    const std::vector<std::vector<std::wstring>> fieldNames = {
        {L"Date", L"Time of day", L"Countdown time", L"&Text", L"Repeat count", L"Repeat unit"},
        {L"Reminders"},
        {L"Reminder"},
        {L"Add reminder", L"View all reminders"}};
    for (size_t i = 0; i < windows.size(); ++i) {
        std::set<wchar_t> keys;
        std::vector<std::wstring> names;
        for (HWND child = GetWindow(windows[i]->GetHandle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            const std::wstring kind = ReadClassName(child);
            const std::wstring caption = ReadText(child);
            const size_t mark = caption.find(L'&');
            if (kind == L"Button" || kind == L"Static") {
                EXPECT_TRUE(mark + 1 < caption.size() && caption.find(L'&', mark + 1) == std::wstring::npos &&
                            keys.insert(towupper(caption[mark + 1])).second)
                    << std::string(caption.begin(), caption.end());
            } else {
                const HWND before = GetWindow(child, GW_HWNDPREV);
                names.push_back(ReadClassName(before) == L"Static" ? ReadText(before) : watch.Names[child].first);
            }
        }
        EXPECT_EQ(names, fieldNames[i]) << i;
    }
}
