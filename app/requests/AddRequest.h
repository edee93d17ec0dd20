#pragma once

#include "store/Notification.h"

#include <cstdint>
#include <string>
#include <string_view>

// How another process hands a reminder to the running instance, which stays the one writer of the
// data file: WM_COPYDATA to its close-request window, with dwData the tag below (the letters
// "NAD" and the version 1 in the low byte) and lpData one line of the data file's form without a
// line end and with an empty sound field: "2026.12.09 09:00:00 every 1 day||Tea". The instance
// answers TRUE when it stored the reminder.
const std::uint32_t AddRequestTag = 0x4E414401;

std::string FormatAddRequest(const TNotification& reminder);

// Anything but one such line, in UTF-8, with a real due date, a rule this version reads or none,
// no sound and no line break, gives false: another process must not have the instance copy a file
// or store a reminder that never falls due. A character beyond U+FFFF may come in four bytes or,
// as the data file writes it, as two three-byte surrogates. The rule is taken in its written form.
bool ReadAddRequest(std::string_view bytes, TNotification& reminder);
