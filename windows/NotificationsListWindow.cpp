#include "windows/NotificationsListWindow.h"

#include "texts/Help.h"
#include "store/DisplayDateTime.h"
#include "store/RepeatRule.h"
#include "ui/Dpi.h"
#include "texts/WideText.h"

#include <commctrl.h>

#include <algorithm>

namespace {

const int VisibleRowsWanted = 5;

std::vector<TControlTable::TColumn> MakeColumns() {
    return {{L"Date", FormatDateTimeForDisplay("2011.05.29 22:31:00") + L"qqq"},
            {L"Text", L"potentially long notification text"},
            {L"Repeats", L"every 30 minutes"}};
}

void Enable(HWND control, bool enabled) { EnableWindow(control, enabled ? TRUE : FALSE); }

// Empty for a reminder told once, and for one whose rule this version cannot read: it fires once.
std::wstring DescribeRepeats(const std::string& repeat) {
    TRepeatRule rule;
    return ParseRepeatRule(repeat, rule) ? WidenUtf8(DescribeRepeatRule(rule)) : std::wstring();
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
    : Window(L"List of reminders", false, &dialogWindows),
      Table(Window, MakeColumns()),
      EditButton(Window, L"&Edit", true),
      HelpButton(Window, L"&Help", false),
      DeleteButton(Window, L"&Delete", false),
      CancelHandler(Window),
      Db(db),
      HelpFilePath(helpFilePath) {
    Table.SetAccessibleName(L"Reminders");
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

void TNotificationsListWindow::ShowList() {
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
                      notification.Text.empty() ? std::wstring(L"<no text>") : notification.Text,
                      DescribeRepeats(notification.Repeat)});
        RowIds.push_back(notification.Id);
    }
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
// the buttons keep to their edges.
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

    Table.Move(TPoint{margin, margin}, TSize{std::max(client.width - 2 * margin, 0), std::max(buttonsTop - 2 * margin, 0)});
    const TSize rowsView = MeasureRowsView(Table.GetHandle(), VisibleRowsWanted);
    needed.width = std::max(needed.width, rowsView.width + GetMetricForDpi(SM_CXVSCROLL, Window.GetDpi()) + 2 * margin);
    needed.height = remove.height + rowsView.height + 3 * margin;

    const TSize outer = Window.GetSize();
    WantedSize = TSize{needed.width + outer.width - client.width, needed.height + outer.height - client.height};
}
