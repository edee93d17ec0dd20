#include "windows/RepeatChoice.h"

#include <algorithm>
#include <cwchar>

namespace {

// In the order of the rule's units.
const std::vector<std::wstring> UnitChoices = {L"minutes", L"hours", L"days",    L"weeks",
                                               L"months",  L"years", L"weekdays"};
const int WeekdaysChoice = static_cast<int>(TRepeatRule::TUnit::Weekday);
const int DaysChoice = static_cast<int>(TRepeatRule::TUnit::Day);
const wchar_t CountSample[] = L"999";

}  // namespace

TRepeatChoice::TRepeatChoice(TWindow& owner)
    : Owner(owner), Repeats(owner, L"Repeat &every"), Count(owner), Unit(owner, UnitChoices) {
    Count.SetAccessibleName(L"Repeat count");
    Unit.SetAccessibleName(L"Repeat unit");
    const LONG_PTR style = GetWindowLongPtrW(Count.GetHandle(), GWL_STYLE);
    SetWindowLongPtrW(Count.GetHandle(), GWL_STYLE, style | ES_NUMBER);
    SendMessageW(Count.GetHandle(), EM_LIMITTEXT, 3, 0);
    Repeats.SetOnChange([this] { UpdateEnabled(); });
    Unit.SetOnChange([this] { UpdateEnabled(); });
    ShowRule(std::string());
}

void TRepeatChoice::ShowRule(const std::string& repeat) {
    TRepeatRule rule;
    const bool repeats = ParseRepeatRule(repeat, rule);
    Count.SetText(std::to_wstring(repeats ? rule.Count : 1));
    Unit.Select(repeats ? static_cast<int>(rule.Unit) : DaysChoice);
    Repeats.SetChecked(repeats);
}

bool TRepeatChoice::ReadRule(TRepeatRule& rule) const {
    if (!Repeats.IsChecked()) {
        return false;
    }
    rule = TRepeatRule();
    rule.Unit = static_cast<TRepeatRule::TUnit>(Unit.GetSelection());
    rule.Count = rule.Unit == TRepeatRule::TUnit::Weekday ? 1 : ReadCount();
    return true;
}

// An empty box or a zero means the least there is: every one.
int TRepeatChoice::ReadCount() const {
    const int count = static_cast<int>(std::wcstol(Count.GetText().c_str(), nullptr, 10));
    return std::min(std::max(count, 1), 999);
}

TSize TRepeatChoice::GetPreferredSize() const {
    const int gap = Owner.ScaleForDpi(5);
    const TSize box = Repeats.GetPreferredSize();
    const TSize count = Count.GetPreferredSize(CountSample);
    const TSize unit = Unit.GetPreferredSize();
    return TSize{box.width + gap + count.width + gap + unit.width, std::max({box.height, count.height, unit.height})};
}

void TRepeatChoice::Move(TPoint position) {
    const int gap = Owner.ScaleForDpi(5);
    const TSize box = Repeats.GetPreferredSize();
    const TSize count = Count.GetPreferredSize(CountSample);
    const TSize unit = Unit.GetPreferredSize();
    Repeats.Move(position, box);
    Count.Move(TPoint{position.x + box.width + gap, position.y}, count);
    Unit.Move(TPoint{position.x + box.width + gap + count.width + gap, position.y}, unit);
}

void TRepeatChoice::UpdateEnabled() {
    const bool repeats = Repeats.IsChecked();
    EnableWindow(Count.GetHandle(), repeats && Unit.GetSelection() != WeekdaysChoice ? TRUE : FALSE);
    EnableWindow(Unit.GetHandle(), repeats ? TRUE : FALSE);
}
