#include "store/CurrentDateTime.h"
#include "texts/Texts.h"
#include "ui/AccessKeyText.h"
#include "windows/tests/EditorTestFixture.h"

namespace {

class EditorRepeatTest : public EditorTest {
protected:
    HWND GetRepeatBox() const { return GetButton(RemoveAccessKeyMarks(LoadText(IDS_EDITOR_REPEAT_EVERY))); }
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

// What is stored comes back through the editor as it was: a rule this version cannot read too,
// and the day of a series on the 31st when its time alone changes. Only a weekday series set on a
// Saturday moves, to the Monday.
TEST_F(EditorRepeatTest, AStoredRuleIsShownAndSavedAsItWas) {
    struct TCase {
        std::string repeat;
        bool ticked;
        std::wstring count;
        int unit;
        TDateTimeText stored = "2031.04.30 09:00:00";
        // With the time set in the editor.
        TDateTimeText saved = "2031.04.30 09:00:00";
    };
    const TCase cases[] = {{"every 2 weeks", true, L"2", Weeks},
                           {"every 1 month on day 31", true, L"1", 4},
                           {"every 1 month on day 31", true, L"1", 4, "2031.02.28 09:00:00", "2031.02.28 18:00:00"},
                           {"every weekday", true, L"1", Weekdays, "2031.02.08 09:00:00", "2031.02.10 18:00:00"},
                           {"", false, L"1", Days},
                           {"every fortnight", false, L"1", Days}};
    for (const TCase& shown : cases) {
        TNotification series(shown.stored, L"Pay the rent");
        series.Repeat = shown.repeat;
        Editor.ShowEditor(Store.GetDb().AddNotification(series));
        EXPECT_EQ(IsChecked(GetRepeatBox()), shown.ticked) << shown.repeat;
        EXPECT_EQ(ReadText(GetCountBox()), shown.count) << shown.repeat;
        EXPECT_EQ(ReadUnit(), shown.unit) << shown.repeat;
        EXPECT_EQ(IsWindowEnabled(GetUnitList()) != FALSE, shown.ticked) << shown.repeat;
        SetPickerTime(GetFixedTimePicker(), std::stoi(shown.saved.substr(11, 2)), 0, 0);
        EXPECT_EQ(SaveAndReadRepeat(), shown.repeat);
        EXPECT_EQ(Store.ReadAll().at(0).Date, shown.saved) << shown.repeat;
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

TEST_F(EditorRepeatTest, TheUnitsTakeTheWordsThatGoWithTheCountAndKeepTheChoice) {
    Editor.ShowEditor(-1);
    Click(GetRepeatBox());
    ChooseUnit(Weeks);
    for (const auto& typed : {std::make_pair(L"2", L"weeks"), std::make_pair(L"1", L"week"), std::make_pair(L"", L"week")}) {
        TypeText(GetCountBox(), typed.first);
        EXPECT_EQ(ReadText(GetUnitList()), typed.second) << typed.first;
        EXPECT_EQ(ReadUnit(), Weeks);
    }
}

// Runs in every interface language: nothing the program writes to disk follows the language.
TEST_F(EditorRepeatTest, TheDataFileIsWrittenAlikeInEveryLanguage) {
    Editor.ShowEditor(-1);
    SetPickerDate(GetDatePicker(), 2031, 4, 30);
    SetPickerTime(GetFixedTimePicker(), 9, 0, 0);
    TypeText(GetTextBox(), L"Pay the rent | Miete");
    Click(GetRepeatBox());
    TypeText(GetCountBox(), L"2");
    ChooseUnit(Weeks);
    PressKey(DialogWindows, VK_RETURN);
    EXPECT_EQ(ReadBytes(Store.GetFilePath(L"notifications")), "2031.04.30 09:00:00 every 2 weeks||Pay the rent | Miete\r\n");
}
