#pragma once

#include "store/NotificationsDb.h"
#include "ui/ControlButton.h"
#include "ui/ControlCancelHandler.h"
#include "ui/ControlNote.h"
#include "ui/ControlTable.h"
#include "ui/Window.h"
#include "windows/NotificationEditorWindow.h"

#include <cstdint>
#include <string>
#include <vector>

// Every stored reminder in due order, date and text, for editing and deleting, each row acting on
// the ID of the reminder it shows; below them, lines of the data file that hold no reminder the
// program can read, when there are any. Built once, hidden, and reused; it follows the store
// through Refresh, shown or not.
class TNotificationsListWindow {
public:
    TNotificationsListWindow(TDialogWindowList& dialogWindows, TNotificationsDb& db, TNotificationEditorWindow& editor,
                             const std::wstring& helpFilePath);
    TNotificationsListWindow(const TNotificationsListWindow&) = delete;
    TNotificationsListWindow& operator=(const TNotificationsListWindow&) = delete;

    void ShowList();
    // Refills the table from the store; the selection stays on the same reminder, or moves to
    // its neighbour when it is gone.
    void Refresh();

private:
    void LayOut();
    void EditSelected(TNotificationEditorWindow& editor);
    void DeleteSelected();
    void UpdateButtons();
    void ShowUnreadableLines();
    std::int32_t GetRowId(int row) const;
    int FindRow(std::int32_t id) const;

    TWindow Window;
    TControlTable Table;
    TControlNote UnreadableLinesNote;
    TControlButton EditButton;
    TControlButton HelpButton;
    TControlButton DeleteButton;
    TControlCancelHandler CancelHandler;
    TSize WantedSize{10, 10};
    TNotificationsDb& Db;
    const std::wstring& HelpFilePath;
    std::vector<std::int32_t> RowIds;
};
