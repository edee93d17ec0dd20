#pragma once

#include "store/Notification.h"

#include <optional>
#include <string>
#include <string_view>

// One line of the data file: due date "|" sound path "|" text, then CR LF. The text is last so
// that it may hold "|". A repeating reminder's due field is its 19-character due date, a space and
// its rule text, kept as it stands even when no rule can be read from it: a program that knows
// nothing of rules takes the field for a date a moment after the due date, which keeps the line's
// place among the others. Line breaks in the text, and "|" and line breaks in the sound path, are
// written as spaces, so that no field can end early or add a line. The ID is never written.
std::string FormatRecordLine(const TNotification& record);

// The line comes without its line end. Nothing when the line has fewer than two "|" or an
// empty due date; the ID of what is read is -1.
std::optional<TNotification> ParseRecordLine(std::string_view line);
// The same into record, whose strings keep their room for the next line; false leaves it as it
// was.
bool ParseRecordLine(std::string_view line, TNotification& record);

// Whether ParseRecordLine finds a record in the line.
bool HoldsRecord(std::string_view line);
// The due date of the record a line holds, as it stands, without its rule: what orders the lines.
std::string_view GetRecordDate(std::string_view line);
// Both at once: the due date, or nothing when the line holds no record.
std::optional<std::string_view> FindRecordDate(std::string_view line);
