#include "windows/SnoozeMenu.h"

#include "texts/Texts.h"
#include "ui/PopupMenu.h"

#include <vector>

namespace {

// "Tomorrow" and "Next week" keep the time of day as the one-day button does: a day is always
// 24 hours of the wall clock. A zero caption is the separator.
const TSnoozeChoice Choices[] = {
    {IDS_SNOOZE_10_MINUTES, "00:10:00", 1}, {IDS_SNOOZE_15_MINUTES, "00:15:00", 1},
    {IDS_SNOOZE_30_MINUTES, "00:30:00", 1}, {IDS_SNOOZE_2_HOURS, "02:00:00", 1},
    {IDS_SNOOZE_4_HOURS, "04:00:00", 1},    {IDS_SNOOZE_TOMORROW, "24:00:00", 1},
    {IDS_SNOOZE_NEXT_WEEK, "24:00:00", 7},  {0, "", 0},
    {IDS_SNOOZE_CHOOSE_TIME, "", 0},
};

}  // namespace

const TSnoozeChoice* ChooseSnooze(HWND button) {
    std::vector<std::wstring> captions;
    for (const TSnoozeChoice& choice : Choices) {
        captions.push_back(choice.Caption == 0 ? std::wstring() : LoadText(choice.Caption));
    }
    RECT place{};
    GetWindowRect(button, &place);
    const int chosen = ShowPopupMenu(captions, TPoint{place.left, place.bottom}, TMenuDefault::None);
    return chosen < 0 ? nullptr : &Choices[chosen];
}
