#include "app/requests/QuietRequest.h"

#include "app/requests/CountdownText.h"

#include <algorithm>
#include <cctype>

TQuietTime TQuietRequest::Apply(const TDateTimeText& now) const {
    TQuietTime quiet;
    if (Kind == TKind::For) {
        return TQuietTime::For(now, Span);
    }
    if (Kind == TKind::On) {
        quiet.Kind = TQuietTime::TKind::UntilTurnedOff;
    }
    return quiet;
}

bool ReadQuietArgument(const std::wstring& word, TQuietRequest& request) {
    std::string text;
    if (!ReadAscii(word, text)) {
        return false;
    }
    std::transform(text.begin(), text.end(), text.begin(), [](char c) { return static_cast<char>(std::tolower(c)); });
    return ReadQuietRequest(text, request);
}

std::string FormatQuietRequest(const TQuietRequest& request) {
    switch (request.Kind) {
    case TQuietRequest::TKind::For:
        return request.Span;
    case TQuietRequest::TKind::On:
        return "on";
    default:
        return "off";
    }
}

bool ReadQuietRequest(std::string_view bytes, TQuietRequest& request) {
    const std::string text(bytes);
    TQuietRequest read;
    if (text == "on") {
        read.Kind = TQuietRequest::TKind::On;
    } else if (IsCountdown(text)) {
        read.Kind = TQuietRequest::TKind::For;
        read.Span = text;
    } else if (text != "off") {
        return false;
    }
    request = read;
    return true;
}
