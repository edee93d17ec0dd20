#include "store/CurrentDateTime.h"
#include "windows/tests/EditorTestFixture.h"

namespace {

class EditorRepeatTest : public EditorTest {
protected:
    HWND GetRepeatBox() const { return GetButton(L"Repeat every"); }
    HWND GetCountBox() const { return FindControls(GetEditorWindow(), L"edit").at(1); }
    HWND GetUnitList() const { return FindControls(GetEditorWindow(), L"combobox").at(0); }
    int ReadUnit() const { return static_cast<int>(SendMessageW(GetUnitList(), CB_GETCURSEL, 0, 0)); }
    // As the user picks a unit: the list tells its window.
    void ChooseUnit(int index) const {
        SendMessageW(GetUnitList(), CB_SETCURSEL, index, 0);
        SendMessageW(GetEditorWindow(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetUnitList()));
    }
    std::string SaveAndReadRepeat() {
        Click(GetButton(L"Save"));
        const std::vector<TNotification> stored = Store.ReadAll();
        return stored.size() == 1 ? stored[0].Repeat : "<" + std::to_string(stored.size()) + " reminders>";
    }
};

bool IsChecked(HWND box) { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

const int Weeks = 3;
const int Days = 2;
const int Weekdays = 6;

}  // namespace

// What is stored comes back unchanged through the editor: a rule this version cannot read too.
TEST_F(EditorRepeatTest, AStoredRuleIsShownAndSavedAsItWas) {
    struct TCase {
        std::string repeat;
        bool ticked;
        std::wstring count;
        int unit;
    };
    const TCase cases[] = {{"every 2 weeks", true, L"2", Weeks},
                           {"every 1 month on day 31", true, L"1", 4},
                           {"", false, L"1", Days},
                           {"every fortnight", false, L"1", Days}};
    for (const TCase& shown : cases) {
        TNotification series("2031.04.30 09:00:00", L"Pay the rent");
        series.Repeat = shown.repeat;
        Editor.ShowEditor(Store.GetDb().AddNotification(series));
        EXPECT_EQ(IsChecked(GetRepeatBox()), shown.ticked) << shown.repeat;
        EXPECT_EQ(ReadText(GetCountBox()), shown.count) << shown.repeat;
        EXPECT_EQ(ReadUnit(), shown.unit) << shown.repeat;
        EXPECT_EQ(IsWindowEnabled(GetUnitList()) != FALSE, shown.ticked) << shown.repeat;
        EXPECT_EQ(SaveAndReadRepeat(), shown.repeat);
        Store.GetDb().RemoveEarliestNotification();
    }
}

TEST_F(EditorRepeatTest, EveryWeekdayNeedsNoCountAndAnEmptyCountMeansOne) {
    Editor.ShowEditor(-1);
    EXPECT_FALSE(IsWindowEnabled(GetCountBox()));
    Click(GetRepeatBox());
    EXPECT_TRUE(IsWindowEnabled(GetCountBox()));
    ChooseUnit(Weekdays);
    EXPECT_FALSE(IsWindowEnabled(GetCountBox()));
    EXPECT_TRUE(IsWindowEnabled(GetUnitList()));
    EXPECT_EQ(SaveAndReadRepeat(), "every weekday");

    Store.GetDb().RemoveEarliestNotification();
    Editor.ShowEditor(-1);
    Click(GetRepeatBox());
    TypeText(GetCountBox(), L"");
    ChooseUnit(Weeks);
    EXPECT_EQ(SaveAndReadRepeat(), "every 1 week");
}

// A one-off reminder in the past fires at once; a series starts at its next occurrence instead.
TEST_F(EditorRepeatTest, ASeriesWhoseFirstOccurrenceIsPastStartsAtItsNextOne) {
    Editor.ShowEditor(-1);
    SetPickerDate(GetDatePicker(), 2020, 1, 1);
    SetPickerTime(GetFixedTimePicker(), 9, 0, 0);
    Click(GetRepeatBox());
    TypeText(GetCountBox(), L"1");
    const TDateTimeText before = GetCurrentDateTime();
    Click(GetButton(L"Save"));

    const std::vector<TNotification> stored = Store.ReadAll();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].Repeat, "every 1 day");
    EXPECT_GT(stored[0].Date, before);
    EXPECT_EQ(stored[0].Date.substr(11), "09:00:00");
    EXPECT_LE(stored[0].Date, AddDuration(before, "24:00:00"));
}

// A weekday series set on a Saturday starts on the Monday; a month-end series whose time alone
// changes keeps its day.
TEST_F(EditorRepeatTest, ASavedSeriesStartsOnItsFirstOccurrence) {
    struct TCase {
        TDateTimeText stored;
        std::string repeat;
        TDateTimeText saved;
        std::string repeatSaved;
    };
    const TCase cases[] = {{"2031.02.08 09:00:00", "every weekday", "2031.02.10 18:00:00", "every weekday"},
                           {"2031.02.28 09:00:00", "every 1 month on day 31", "2031.02.28 18:00:00",
                            "every 1 month on day 31"}};
    for (const TCase& edit : cases) {
        TNotification series(edit.stored, L"Series");
        series.Repeat = edit.repeat;
        Editor.ShowEditor(Store.GetDb().AddNotification(series));
        SetPickerTime(GetFixedTimePicker(), 18, 0, 0);
        EXPECT_EQ(SaveAndReadRepeat(), edit.repeatSaved);
        EXPECT_EQ(Store.ReadAll().at(0).Date, edit.saved);
        Store.GetDb().RemoveEarliestNotification();
    }
}
