#pragma once

#include "store/Notification.h"

#include <optional>
#include <string>

// One line of the data file: due date "|" sound path "|" text, then CR LF. The text is last so
// that it may hold "|". Line breaks in the text are written as spaces, so that a text can never
// add a line. The ID is never written.
std::string FormatRecordLine(const TNotification& record);

// The line comes without its line end. Nothing when the line has fewer than two "|" or an
// empty due date; the ID of what is read is -1.
std::optional<TNotification> ParseRecordLine(const std::string& line);
