#pragma once

#include "store/LineReader.h"
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
// The same, appended to bytes.
void AppendRecordLine(std::string& bytes, const TNotification& record);

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

// Whether the line holds a record that FormatRecordLine writes back as the same bytes (before
// the line end): its sound and text are in the shortest UTF-8 form of their code units, and
// hold no CR. Such a line can be copied as it stands when its record does not change.
bool IsWrittenForm(std::string_view line);

// Reads lines until one holds a record, skipping those that hold none. False at the end of the
// lines, also after a failure of their source. The record keeps its room from one call to the
// next, so that reading a long file does not allocate for every record.
bool ReadNextRecordLine(TLineReader& lines, std::string_view& line);
// The same, and the record decoded from the line.
bool ReadNextRecord(TLineReader& lines, std::string_view& line, TNotification& record);
