#include "windows/NotificationsListWindow.h"

#include "store/DisplayDateTime.h"
#include "store/RepeatRule.h"
#include "texts/Help.h"
#include "texts/Texts.h"
#include "ui/Dpi.h"
#include "windows/RepeatDescription.h"

#include <commctrl.h>

#include <algorithm>

namespace {

const int VisibleRowsWanted = 5;

std::vector<TControlTable::TColumn> MakeColumns() {
    TRepeatRule halfHours;
    halfHours.Unit = TRepeatRule::TUnit::Minute;
    halfHours.Count = 30;
    return {{LoadText(IDS_LIST_DATE_COLUMN), FormatDateTimeForDisplay("2011.05.29 22:31:00") + L"qqq"},
            {LoadText(IDS_LIST_TEXT_COLUMN), L"potentially long notification text"},
            {LoadText(IDS_LIST_REPEATS_COLUMN), DescribeRepeats(halfHours)}};
}

void Enable(HWND control, bool enabled) { EnableWindow(control, enabled ? TRUE : FALSE); }

// Empty for a reminder told once, and for one whose rule this version cannot read: it fires once.
std::wstring DescribeStoredRule(const std::string& repeat) {
    TRepeatRule rule;
    return ParseRepeatRule(repeat, rule) ? DescribeRepeats(rule) : std::wstring();
}

TSize ApproximateView(HWND list, int rows) {
    const LRESULT view = SendMessageW(list, LVM_APPROXIMATEVIEWRECT, rows, MAKELPARAM(-1, -1));
    return TSize{LOWORD(view), HIWORD(view)};
}

// What the list reports for that many rows at its current size. Some list implementations leave
// the column header out of that height (Wine's does); it is then added.
TSize MeasureRowsView(HWND list, int rows) {
    const TSize withRows = ApproximateView(list, rows);
    const TSize withoutRows = ApproximateView(list, 0);
    RECT header{};
    GetWindowRect(reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0)), &header);
    const int headerHeight = header.bottom - header.top;
    return TSize{withRows.width, std::max(withRows.height, headerHeight + withRows.height - withoutRows.height)};
}

}  // namespace

TNotificationsListWindow::TNotificationsListWindow(TDialogWindowList& dialogWindows, TNotificationsDb& db,
                                                   TNotificationEditorWindow& editor, const std::wstring& helpFilePath)
    : Window(LoadText(IDS_LIST_TITLE), false, &dialogWindows),
      Table(Window, MakeColumns()),
      UnreadableLinesNote(Window),
      EditButton(Window, LoadText(IDS_LIST_EDIT), true),
      HelpButton(Window, LoadText(IDS_LIST_HELP), false),
      DeleteButton(Window, LoadText(IDS_LIST_DELETE), false),
      CancelHandler(Window),
      Db(db),
      HelpFilePath(helpFilePath) {
    Table.SetAccessibleName(LoadText(IDS_LIST_TABLE_NAME));
    UpdateButtons();
    Window.SetOnClose([this] { Window.Hide(); });
    Window.SetOnSize([this] { LayOut(); });
    Window.SetOnFontChange([this] { Window.Move(Window.GetPosition(), WantedSize); });
    Table.SetOnSelect([this] { UpdateButtons(); });
    Table.SetOnDoubleClick([this, &editor] { EditSelected(editor); });
    Table.SetOnDeleteKey([this] { DeleteSelected(); });
    EditButton.SetOnClick([this, &editor] { EditSelected(editor); });
    HelpButton.SetOnClick([this] { ShowHelpTopic(L"/_manage_reminders.html", HelpFilePath); });
    DeleteButton.SetOnClick([this] { DeleteSelected(); });
    CancelHandler.SetOnCancel([this] { Window.Hide(); });
}

// What other programs wrote since the last tick is shown too.
void TNotificationsListWindow::ShowList() {
    Db.FollowOutsideChanges();
    Refresh();
    LayOut();
    Window.Move(Window.GetPosition(), WantedSize);
    Window.Show(true);
    SetFocus(Table.GetHandle());
}

void TNotificationsListWindow::Refresh() {
    const int selected = Table.GetSelection();
    const bool hadSelection = selected >= 0;
    const std::int32_t selectedId = hadSelection ? GetRowId(selected) : -1;
    const std::int32_t precedingId = hadSelection ? GetRowId(selected - 1) : -1;
    const std::int32_t followingId = hadSelection ? GetRowId(selected + 1) : -1;

    Table.ClearRows();
    RowIds.clear();
    for (TNotificationsDb::TIterator reminder = Db.Begin(); reminder.IsValid(); reminder.Next()) {
        const TNotification notification = reminder.Current();
        Table.AddRow({FormatDateTimeForDisplay(notification.Date),
                      notification.Text.empty() ? LoadText(IDS_NO_TEXT) : notification.Text,
                      DescribeStoredRule(notification.Repeat)});
        RowIds.push_back(notification.Id);
    }
    ShowUnreadableLines();
    Enable(EditButton.GetHandle(), false);
    Enable(DeleteButton.GetHandle(), false);
    if (RowIds.empty()) {
        return;
    }

    int row = FindRow(selectedId);
    if (row < 0) {
        row = FindRow(followingId);
    }
    if (row < 0) {
        row = FindRow(precedingId);
    }
    Table.Select(std::max(row, 0));
}

void TNotificationsListWindow::EditSelected(TNotificationEditorWindow& editor) {
    const int selected = Table.GetSelection();
    if (selected >= 0) {
        editor.ShowEditor(GetRowId(selected));
    }
}

// At once and without asking; the store's watcher then refreshes the table.
void TNotificationsListWindow::DeleteSelected() {
    const int selected = Table.GetSelection();
    if (selected >= 0) {
        Db.DeleteNotification(GetRowId(selected));
    }
}

// A person's typo must not cost them the reminder silently: its line stays, and they read it here.
void TNotificationsListWindow::ShowUnreadableLines() {
    const std::vector<std::wstring> lines = Db.GetUnreadableLines();
    const bool hadText = UnreadableLinesNote.HasText();
    UnreadableLinesNote.SetText(lines.empty() ? std::wstring()
                                              : FormatCountedText(IDS_LIST_UNREADABLE_LINES,
                                                                  static_cast<long long>(lines.size()), {lines[0]}));
    if (hadText != UnreadableLinesNote.HasText()) {
        LayOut();
    }
}

void TNotificationsListWindow::UpdateButtons() {
    const bool hasSelection = Table.GetSelection() >= 0;
    Enable(EditButton.GetHandle(), hasSelection);
    Enable(DeleteButton.GetHandle(), hasSelection);
}

std::int32_t TNotificationsListWindow::GetRowId(int row) const {
    return row >= 0 && row < static_cast<int>(RowIds.size()) ? RowIds[static_cast<size_t>(row)] : -1;
}

int TNotificationsListWindow::FindRow(std::int32_t id) const {
    if (id < 0) {
        return -1;
    }
    const auto found = std::find(RowIds.begin(), RowIds.end(), id);
    return found == RowIds.end() ? -1 : static_cast<int>(found - RowIds.begin());
}

// Opened tall enough for a few rows whatever their number; when resized, the table stretches and
// the buttons and the note above them keep to their edges. The note widens the window by half at
// most, and is cut where it is longer.
void TNotificationsListWindow::LayOut() {
    const int margin = Window.ScaleForDpi(5);
    const TSize client = Window.GetClientSize();
    const TSize edit = EditButton.GetPreferredSize();
    const TSize help = HelpButton.GetPreferredSize();
    const TSize remove = DeleteButton.GetPreferredSize();
    const int buttonsTop = client.height - std::max(edit.height, remove.height) - margin;
    EditButton.Move(TPoint{margin, buttonsTop}, edit);
    DeleteButton.Move(TPoint{client.width - remove.width - margin, buttonsTop}, remove);
    HelpButton.Move(TPoint{client.width - remove.width - margin - help.width - margin, buttonsTop}, help);
    TSize needed{edit.width + remove.width + help.width + 4 * margin, 0};

    const int width = std::max(client.width - 2 * margin, 0);
    int tableBottom = buttonsTop - margin;
    const int noteHeight = UnreadableLinesNote.HasText() ? UnreadableLinesNote.GetPreferredSize().height : 0;
    if (noteHeight > 0) {
        tableBottom -= noteHeight + margin;
        UnreadableLinesNote.Move(TPoint{margin, tableBottom + margin}, TSize{width, noteHeight});
    }
    Table.Move(TPoint{margin, margin}, TSize{width, std::max(tableBottom - margin, 0)});
    const TSize rowsView = MeasureRowsView(Table.GetHandle(), VisibleRowsWanted);
    needed.width = std::max(needed.width, rowsView.width + GetMetricForDpi(SM_CXVSCROLL, Window.GetDpi()) + 2 * margin);
    needed.height = remove.height + rowsView.height + 3 * margin + (noteHeight > 0 ? noteHeight + margin : 0);
    if (noteHeight > 0) {
        const int noteWidth = UnreadableLinesNote.GetPreferredSize().width + 2 * margin;
        needed.width = std::max(needed.width, std::min(noteWidth, needed.width * 3 / 2));
    }

    const TSize outer = Window.GetSize();
    WantedSize = TSize{needed.width + outer.width - client.width, needed.height + outer.height - client.height};
}
