#pragma once

#include <optional>
#include <string>
#include <string_view>

// The data file and a copy of it that a sync service kept aside (a conflict copy) made into one
// text, against the last version both PCs had in common when there is one.
//
// A line is the same on every side when its bytes are the same. A reminder line whose voice note
// and text stay while its due field changes (snoozed, a series moved on) is the old line gone and
// a new one come; an edit of its text is the same. So every change of the file is lines going and
// coming, and each distinct line is counted on the three sides:
// - unchanged on one side: as the other side has it (added, removed, or a new version of a
//   reminder there: the changed version);
// - changed on both: as both have it when they agree, else as the side that has more of it, so
//   that a line one side keeps is never lost and two different changes of a reminder stay both;
// - one exception: a series line both sides moved on from the common version, each to another
//   occurrence of the same series (same voice note, text, unit and count), stays once, at the
//   later occurrence.
// Without a common version every line of either side is kept, each as often as the side that has
// it more often. Unreadable lines are lines like the others, and each stays below the reminder it
// followed (the earliest such reminder that stays, or the top).
//
// The result depends only on the three texts, not on which of the two sides is the data file: the
// reminders come in due order, equal due dates in byte order, so that two PCs merging the same copy
// against the same common version write the same bytes. Given a side unchanged from the common
// version, or two equal sides, it is the other side's text as it stands. Texts are read as the data
// file is (any byte-order mark, UTF-16); the result is UTF-8 with CR LF line ends.
std::string MergeDataFileTexts(std::optional<std::string_view> common, std::string_view ours, std::string_view theirs);
