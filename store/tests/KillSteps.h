#pragma once

#include "store/DateTimeText.h"

#include <cstddef>
#include <string>

// The fixed sequence of changes that the kill test's child makes: which change step k is
// depends only on k and on how many reminders the store holds, so the test can replay it.
struct TKillStep {
    enum TKind { Add, DeleteAt, RemoveEarliest, RescheduleEarliest };

    TKind Kind = Add;
    TDateTimeText Date;
    std::string Repeat;
    std::wstring Text;
    bool WithSound = false;
    std::size_t Position = 0;
};

TKillStep PlanKillStep(long long step, std::size_t storeSize);

// What every sound copy made by the child holds.
extern const char* const KillTestSound;
// Appended to the base name that the test gives the child: the event that the child sets once
// it runs, and the shared memory that holds the step of the change in flight.
extern const wchar_t* const KillTestEventSuffix;
extern const wchar_t* const KillTestMemorySuffix;
