#include "ui/ControlTable.h"

#include <commctrl.h>

TControlTable::TControlTable(TWindow& owner, const std::vector<TColumn>& columns)
    : TControl(owner),
      Native(owner.GetHandle(), {L"SysListView32", L"",
                                 WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, 0,
                                 TSize{100, 100}, ICC_LISTVIEW_CLASSES}) {
    SendMessageW(Native.GetHandle(), LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
    Columns = columns;
    ColumnCount = static_cast<int>(columns.size());
    for (int i = 0; i < ColumnCount; ++i) {
        InsertColumn(i, columns[static_cast<size_t>(i)]);
    }
}

void TControlTable::InsertColumn(int index, const TColumn& column) {
    LVCOLUMNW description{};
    description.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    description.fmt = LVCFMT_LEFT;
    description.cx = MeasureColumnWidth(index);
    description.pszText = const_cast<wchar_t*>(column.title.c_str());
    description.iSubItem = index;
    SendMessageW(Native.GetHandle(), LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&description));
}

int TControlTable::MeasureColumnWidth(int index) const {
    const std::wstring widthSample = Columns[static_cast<size_t>(index)].sample + L"qq";
    return static_cast<int>(
        SendMessageW(Native.GetHandle(), LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(widthSample.c_str())));
}

void TControlTable::AddRow(const std::vector<std::wstring>& cells) {
    if (ColumnCount == 0) {
        return;
    }
    std::vector<std::wstring> row = cells;
    row.resize(static_cast<size_t>(ColumnCount));
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = RowCount;
    item.pszText = const_cast<wchar_t*>(row[0].c_str());
    SendMessageW(Native.GetHandle(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    for (int column = 1; column < ColumnCount; ++column) {
        SetCell(RowCount, column, row[static_cast<size_t>(column)]);
    }
    ++RowCount;
    SelectedRow = ReadSelectedRow();
}

void TControlTable::SetCell(int row, int column, const std::wstring& text) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(Native.GetHandle(), LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
}

void TControlTable::ClearRows() {
    SendMessageW(Native.GetHandle(), LVM_DELETEALLITEMS, 0, 0);
    RowCount = 0;
    SelectedRow = ReadSelectedRow();
}

void TControlTable::Select(int row) {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED;
    for (int i = 0; i < RowCount; ++i) {
        SendMessageW(Native.GetHandle(), LVM_SETITEMSTATE, i, reinterpret_cast<LPARAM>(&state));
    }
    if (row >= 0 && row < RowCount) {
        state.state = LVIS_SELECTED;
        SendMessageW(Native.GetHandle(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
    }
}

// The row that really carries the selection; the selection mark would only tell the last row
// the user clicked.
int TControlTable::ReadSelectedRow() const {
    return static_cast<int>(SendMessageW(Native.GetHandle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

bool TControlTable::ProcessMessage(TMessage& message) {
    // The window's font has just changed: the columns fit their samples again.
    if (message.message == WM_SETFONT) {
        for (int i = 0; i < ColumnCount; ++i) {
            SendMessageW(Native.GetHandle(), LVM_SETCOLUMNWIDTH, i, MeasureColumnWidth(i));
        }
        return false;
    }
    if (message.message != WM_NOTIFY || message.lParam == 0) {
        return false;
    }
    const auto* header = reinterpret_cast<const NMHDR*>(message.lParam);
    if (header->hwndFrom != Native.GetHandle()) {
        return false;
    }
    if (header->code == LVN_ITEMCHANGED) {
        FollowItemChange(*reinterpret_cast<const NMLISTVIEW*>(message.lParam));
        return true;
    }
    if (header->code == NM_DBLCLK) {
        RunHandler(OnDoubleClick);
        return true;
    }
    if (header->code == LVN_KEYDOWN && reinterpret_cast<const NMLVKEYDOWN*>(message.lParam)->wVKey == VK_DELETE) {
        RunHandler(OnDeleteKey);
        return true;
    }
    return false;
}

// Only a change of the selected bit counts: a row that merely gains or loses the focus (Ctrl with
// the arrow keys moves the focus alone) leaves the selection where it is.
void TControlTable::FollowItemChange(const NMLISTVIEW& change) {
    if ((change.uChanged & LVIF_STATE) == 0 || ((change.uOldState ^ change.uNewState) & LVIS_SELECTED) == 0) {
        return;
    }
    const bool selected = (change.uNewState & LVIS_SELECTED) != 0;
    if (!selected && change.iItem != SelectedRow && change.iItem != -1) {
        return;
    }
    const int row = selected ? change.iItem : -1;
    if (row != SelectedRow) {
        SelectedRow = row;
        RunHandler(OnSelect);
    }
}
