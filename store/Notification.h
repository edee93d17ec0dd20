#pragma once

#include "store/DateTimeText.h"

#include <cstdint>
#include <string>
#include <utility>

// One reminder. The empty record (no date, no text, ID -1, no sound) stands for one not found.
struct TNotification {
    TNotification() = default;
    TNotification(TDateTimeText date, std::wstring text) : Date(std::move(date)), Text(std::move(text)) {}

    TDateTimeText Date;
    std::wstring Text;
    std::int32_t Id = -1;
    std::wstring SoundFile;
    // The repeat rule's text as stored (see RepeatRule.h); empty for a reminder told once.
    std::string Repeat;
};

inline bool operator==(const TNotification& left, const TNotification& right) {
    return left.Date == right.Date && left.Text == right.Text && left.Id == right.Id && left.SoundFile == right.SoundFile &&
           left.Repeat == right.Repeat;
}

inline bool operator!=(const TNotification& left, const TNotification& right) { return !(left == right); }
