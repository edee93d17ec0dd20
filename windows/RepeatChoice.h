#pragma once

#include "store/RepeatRule.h"
#include "ui/ControlCheckBox.h"
#include "ui/ControlDropDown.h"
#include "ui/ControlEdit.h"
#include "ui/Window.h"

#include <string>

// The editor's repeat row: whether a reminder repeats, and every how many minutes, hours, days,
// weeks, months or years, or every weekday. The count is only asked for where it counts, and the
// units are named in the words that go with it ("1 day", "2 days").
class TRepeatChoice {
public:
    explicit TRepeatChoice(TWindow& owner);

    // A reminder told once, or with a rule this version cannot read, shows "every 1 day" unticked.
    void ShowRule(const std::string& repeat);
    // False while the box is unticked.
    bool ReadRule(TRepeatRule& rule) const;
    TSize GetPreferredSize() const;
    void Move(TPoint position);

private:
    void UpdateEnabled();
    int ReadCount() const;

    TWindow& Owner;
    TControlCheckBox Repeats;
    TControlEdit Count;
    TControlDropDown Unit;
};
