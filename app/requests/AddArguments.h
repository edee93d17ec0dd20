#pragma once

#include "store/DateTimeText.h"
#include "store/Notification.h"

#include <string>
#include <vector>

// What is wrong with the words of a "/add" run, if anything.
enum class TAddArgumentsProblem { None, Usage, When, Text, Rule };

// Reads the words that follow "/add": WHEN TEXT [RULE]. WHEN is a date and time as the data file
// writes it ("2026.12.09 09:00:00") or a countdown from now ("00:10:00": up to 9999 hours, minutes
// and seconds below 60); TEXT a single line, which may be empty; RULE a repeat rule as the data
// file writes it ("every 1 day", "every weekday"). A series starts at its first occurrence from
// WHEN on that is not before now: a weekday series given a Saturday starts on Monday. The
// reminder is filled in only when nothing is wrong.
TAddArgumentsProblem ReadAddArguments(const std::vector<std::wstring>& words, const TDateTimeText& now,
                                      TNotification& reminder);
