#pragma once

#include "ui/ChildWindow.h"
#include "ui/Window.h"

#include <commctrl.h>

#include <string>
#include <vector>

// A report-style list with titled columns and at most one selected row. Rows are appended at the
// end; their texts live only in the native list.
class TControlTable : public TWindow::TControl {
public:
    struct TColumn {
        std::wstring title;
        std::wstring sample;  // a typical cell text, which sets the column's width
    };

    TControlTable(TWindow& owner, const std::vector<TColumn>& columns);

    HWND GetHandle() const { return Native.GetHandle(); }
    // For screen readers, where no label stands before the field.
    void SetAccessibleName(const std::wstring& name) { Native.GetAnnotation().SetName(name); }
    void Move(TPoint position, TSize size) { Native.Move(position, size); }
    // Cells beyond the last column are dropped and missing ones are empty; without columns
    // nothing is added.
    void AddRow(const std::vector<std::wstring>& cells);
    void ClearRows();
    int GetRowCount() const { return RowCount; }
    // Selects that row alone; a row outside the table leaves none selected.
    void Select(int row);
    // -1 for none.
    int GetSelection() const { return SelectedRow; }
    // Runs after every change of the selected row: a move from one row to another runs it twice,
    // first with no row selected, then with the new one.
    void SetOnSelect(THandler handler) { OnSelect = std::move(handler); }
    void SetOnDoubleClick(THandler handler) { OnDoubleClick = std::move(handler); }
    // The Delete key pressed while the table has the focus.
    void SetOnDeleteKey(THandler handler) { OnDeleteKey = std::move(handler); }

    bool ProcessMessage(TMessage& message) override;

private:
    void InsertColumn(int index, const TColumn& column);
    int MeasureColumnWidth(int index) const;
    void SetCell(int row, int column, const std::wstring& text);
    int ReadSelectedRow() const;
    void FollowItemChange(const NMLISTVIEW& change);

    std::vector<TColumn> Columns;
    int ColumnCount = 0;
    int RowCount = 0;
    int SelectedRow = -1;
    THandler OnSelect;
    THandler OnDoubleClick;
    THandler OnDeleteKey;
    TChildWindow Native;  // last, so that it goes first
};
