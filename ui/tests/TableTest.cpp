#include "ui/ControlTable.h"
#include "ui/tests/ControlTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::wstring ReadCell(const TControlTable& table, int row, int column) {
    wchar_t text[256] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 256;
    SendMessageW(table.GetHandle(), LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

int CountNativeRows(const TControlTable& table) {
    return static_cast<int>(SendMessageW(table.GetHandle(), LVM_GETITEMCOUNT, 0, 0));
}

int CountSelectedRows(const TControlTable& table) {
    return static_cast<int>(SendMessageW(table.GetHandle(), LVM_GETSELECTEDCOUNT, 0, 0));
}

POINT GetRowPoint(const TControlTable& table, int row) {
    RECT rect{};
    rect.left = LVIR_LABEL;
    SendMessageW(table.GetHandle(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
    return POINT{rect.left + 3, (rect.top + rect.bottom) / 2};
}

class Table : public ::testing::Test {
protected:
    Table()
        : Window(L"table", true, nullptr),
          Grid(Window, {{L"Date", L"29.05.2011 22:31qqq"}, {L"Text", L"potentially long notification text"}}) {
        Window.Move(TPoint{0, 0}, TSize{500, 300});
        Grid.Move(TPoint{5, 5}, TSize{480, 250});
        Grid.SetOnSelect([this] { Selections.push_back(Grid.GetSelection()); });
    }

    void AddRows(int count) {
        for (int i = 0; i < count; ++i) {
            Grid.AddRow({L"date " + std::to_wstring(i), L"text " + std::to_wstring(i)});
        }
    }

    void Click(UINT down, UINT up, POINT point) {
        SendMessageW(Grid.GetHandle(), down, MK_LBUTTON, MAKELPARAM(point.x, point.y));
        SendMessageW(Grid.GetHandle(), up, 0, MAKELPARAM(point.x, point.y));
        PumpPendingMessages();
    }

    TWindow Window;
    TControlTable Grid;
    std::vector<int> Selections;
};

}  // namespace

TEST_F(Table, ColumnsCarryTheirTitlesAndAreSizedFromTheirSamples) {
    wchar_t title[32] = {};
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT;
    column.pszText = title;
    column.cchTextMax = 32;
    SendMessageW(Grid.GetHandle(), LVM_GETCOLUMNW, 1, reinterpret_cast<LPARAM>(&column));
    EXPECT_STREQ(title, L"Text");

    const auto measure = [this](const wchar_t* text) {
        return static_cast<int>(SendMessageW(Grid.GetHandle(), LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(text)));
    };
    EXPECT_EQ(SendMessageW(Grid.GetHandle(), LVM_GETCOLUMNWIDTH, 0, 0), measure(L"29.05.2011 22:31qqqqq"));
    EXPECT_EQ(SendMessageW(Grid.GetHandle(), LVM_GETCOLUMNWIDTH, 1, 0),
              measure(L"potentially long notification textqq"));
    EXPECT_NE(ListView_GetExtendedListViewStyle(Grid.GetHandle()) & LVS_EX_FULLROWSELECT, 0u);
}

TEST_F(Table, RowsAreCutOrPaddedToTheColumns) {
    Grid.AddRow({L"only"});
    Grid.AddRow({L"a", L"b", L"c"});
    Grid.AddRow({});
    EXPECT_EQ(Grid.GetRowCount(), 3);
    EXPECT_EQ(CountNativeRows(Grid), 3);
    EXPECT_EQ(ReadCell(Grid, 0, 0), L"only");
    EXPECT_EQ(ReadCell(Grid, 0, 1), L"");
    EXPECT_EQ(ReadCell(Grid, 1, 0), L"a");
    EXPECT_EQ(ReadCell(Grid, 1, 1), L"b");
    EXPECT_EQ(ReadCell(Grid, 2, 0), L"");
}

TEST(ControlTable, ATableWithoutColumnsIgnoresRows) {
    TWindow window(L"table", false, nullptr);
    TControlTable table(window, {});
    table.AddRow({L"lost"});
    EXPECT_EQ(table.GetRowCount(), 0);
    EXPECT_EQ(CountNativeRows(table), 0);
}

TEST_F(Table, MovingTheSelectionReportsFirstNoRowThenTheNewOne) {
    AddRows(7);
    EXPECT_EQ(Grid.GetSelection(), -1);
    Grid.Select(2);
    EXPECT_EQ(Selections, (std::vector<int>{2}));
    Grid.Select(5);
    EXPECT_EQ(Selections, (std::vector<int>{2, -1, 5}));
    EXPECT_EQ(CountSelectedRows(Grid), 1);
}

TEST_F(Table, SelectingOutsideTheRowsLeavesNoneSelected) {
    AddRows(3);
    Grid.Select(1);
    Grid.Select(3);
    EXPECT_EQ(Grid.GetSelection(), -1);
    EXPECT_EQ(CountSelectedRows(Grid), 0);
    Grid.Select(1);
    Grid.Select(-1);
    EXPECT_EQ(Selections, (std::vector<int>{1, -1, 1, -1}));
}

TEST_F(Table, AMoveOfTheFocusAloneLeavesTheSelection) {
    AddRows(5);
    Grid.Select(1);
    LVITEMW focus{};
    focus.state = LVIS_FOCUSED;
    focus.stateMask = LVIS_FOCUSED;
    SendMessageW(Grid.GetHandle(), LVM_SETITEMSTATE, 3, reinterpret_cast<LPARAM>(&focus));
    EXPECT_EQ(Grid.GetSelection(), 1);
    EXPECT_EQ(Selections, (std::vector<int>{1}));
}

TEST_F(Table, AddingARowKeepsTheSelectedRow) {
    AddRows(3);
    Grid.Select(2);
    AddRows(1);
    EXPECT_EQ(Grid.GetSelection(), 2);
    EXPECT_EQ(Selections, (std::vector<int>{2}));
}

TEST_F(Table, ClearingEmptiesTheTableAndTheNextRowGoesToTheTop) {
    AddRows(4);
    Grid.Select(3);
    Grid.ClearRows();
    EXPECT_EQ(Grid.GetRowCount(), 0);
    EXPECT_EQ(CountNativeRows(Grid), 0);
    EXPECT_EQ(Grid.GetSelection(), -1);

    Grid.AddRow({L"fresh", L"row"});
    EXPECT_EQ(CountNativeRows(Grid), 1);
    EXPECT_EQ(ReadCell(Grid, 0, 0), L"fresh");
    EXPECT_EQ(ReadCell(Grid, 0, 1), L"row");
}

TEST_F(Table, ClickingARowSelectsItAndClickingEmptySpaceClearsIt) {
    AddRows(3);
    Click(WM_LBUTTONDOWN, WM_LBUTTONUP, GetRowPoint(Grid, 1));
    EXPECT_EQ(Grid.GetSelection(), 1);
    EXPECT_EQ(Selections, (std::vector<int>{1}));

    Click(WM_LBUTTONDOWN, WM_LBUTTONUP, POINT{100, 230});
    EXPECT_EQ(Grid.GetSelection(), -1);
    EXPECT_EQ(Selections, (std::vector<int>{1, -1}));
}

TEST_F(Table, ADoubleClickRaisesItsHandler) {
    AddRows(3);
    int doubleClicks = 0;
    Grid.SetOnDoubleClick([&] { ++doubleClicks; });
    const POINT row = GetRowPoint(Grid, 2);
    Click(WM_LBUTTONDOWN, WM_LBUTTONUP, row);
    EXPECT_EQ(doubleClicks, 0);
    Click(WM_LBUTTONDBLCLK, WM_LBUTTONUP, row);
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(Grid.GetSelection(), 2);
}
