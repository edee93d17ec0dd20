#pragma once

#include "app/hold/QuietTime.h"

#include <cstdint>
#include <string>
#include <string_view>

// What a "/quiet" run asks for: quiet for a span from now, quiet until turned off, or no more
// quiet. The running instance is handed it as WM_COPYDATA to its close-request window, with
// dwData the tag below (the letters "NQT" and the version 1 in the low byte) and lpData the
// request's ASCII text: the span as "/quiet" takes it ("00:30:00"), "on" or "off". The instance
// answers TRUE when it took the request.
struct TQuietRequest {
    enum class TKind { For, On, Off };

    TKind Kind = TKind::Off;
    TDurationText Span;

    // The quiet time it asks for, as of now.
    TQuietTime Apply(const TDateTimeText& now) const;
};

const std::uint32_t QuietRequestTag = 0x4E515401;

// The word after "/quiet": a countdown as "/add" takes it ("0:30:00" to "9999:59:59"), "on" or
// "off" in any case.
bool ReadQuietArgument(const std::wstring& word, TQuietRequest& request);

std::string FormatQuietRequest(const TQuietRequest& request);
// Only what FormatQuietRequest writes, byte for byte.
bool ReadQuietRequest(std::string_view bytes, TQuietRequest& request);
