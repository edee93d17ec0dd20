#pragma once

#include <string>

// A failed check of the self test.
struct TTestFailure {
    std::wstring Message;
};

// Checks the reminder store against the files in "TestFiles" under the working folder; throws a
// TTestFailure at the first failing check.
void TestNotificationsDb();

// Runs the checks and prints the outcome on the wide standard output: "OK" and the seconds it
// took, or "test failure: " and the failing check. True when every check passed.
bool RunSelfTest();
