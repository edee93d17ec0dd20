#pragma once

#include "store/RepeatRule.h"

#include <string>

// How a series repeats, for people, in the user's language: "every day", "every 2 weeks",
// "every weekday".
std::wstring DescribeRepeats(const TRepeatRule& rule);

// The name of a repeat unit in the form that goes with the count ("day", "days"); weekdays have
// one name whatever the count.
std::wstring NameRepeatUnit(TRepeatRule::TUnit unit, int count);
