#pragma once

#include "store/LineReader.h"
#include "store/Notification.h"

#include <optional>
#include <string>

// One line of the data file: due date "|" sound path "|" text, then CR LF. The text is last so
// that it may hold "|". Line breaks in the text, and "|" and line breaks in the sound path, are
// written as spaces, so that no field can end early or add a line. The ID is never written.
std::string FormatRecordLine(const TNotification& record);

// The line comes without its line end. Nothing when the line has fewer than two "|" or an
// empty due date; the ID of what is read is -1.
std::optional<TNotification> ParseRecordLine(const std::string& line);

// Reads lines until one holds a record, skipping those that hold none. False at the end of the
// lines, also after a failure of their source.
bool ReadNextRecord(TLineReader& lines, TNotification& record);
