// Not a test: shows the reminder editor or the reminders list on a scratch store filled with a
// few reminders, and runs until it is killed, so that a screenshot can be taken.
//   windows_editorlist_showcase editor-new | editor-edit | list | list-unreadable

#include "store/CurrentDateTime.h"
#include "texts/Help.h"
#include "windows/NotificationsListWindow.h"
#include "windows/tests/ScratchStore.h"

#include <string>

int wmain(int argumentCount, wchar_t** arguments) {
    const std::wstring shown = argumentCount > 1 ? arguments[1] : L"list";
    TScratchStore store;
    const TDateTimeText now = GetCurrentDateTime();
    WriteBytes(store.GetFilePath(L"note.pcm"), std::string(16000, '\x80'));
    TNotification plants(AddDuration(now, "00:20:00"), L"Water the plants on the balcony");
    plants.SoundFile = store.GetFilePath(L"note.pcm");
    plants.Repeat = "every 2 days";
    const std::int32_t withNote = store.GetDb().AddNotification(plants);
    store.Add(AddDuration(now, "02:00:00"), L"Позвонить Анне про четверг");
    TNotification standUp(AddDuration(now, "26:30:00"), L"Stand-up meeting");
    standUp.Repeat = "every weekday";
    store.GetDb().AddNotification(standUp);
    store.Add(AddDuration(now, "50:00:00"), L"Pay the electricity bill");
    if (shown == L"list-unreadable") {
        const std::wstring data = store.GetFilePath(L"notifications");
        WriteBytes(data, ReadBytes(data) + "2026.12.25 10:00 Call grandma\r\n");
        store.GetDb().FollowOutsideChanges();
    }

    TDialogWindowList dialogWindows;
    const std::wstring helpFilePath = GetHelpFilePath();
    TNotificationEditorWindow editor(store.GetDb(), dialogWindows, helpFilePath);
    TNotificationsListWindow list(dialogWindows, store.GetDb(), editor, helpFilePath);
    TNotificationsDb::TWatcher watcher(store.GetDb(), [&list] { list.Refresh(); });
    if (shown == L"editor-new") {
        editor.ShowEditor(-1);
    } else if (shown == L"editor-edit") {
        editor.ShowEditor(withNote);
    } else {
        list.ShowList();
    }
    RunMessageLoop(dialogWindows);
    return 0;
}
