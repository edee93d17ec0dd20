#pragma once

#include <cstdint>
#include <functional>
#include <string>

// The exit codes of a run of "/add" or "/quiet": done, not done, or its words were malformed and
// nothing was tried.
const int ExitDone = 0;
const int ExitNotDone = 1;
const int ExitMalformed = 2;

// How a run of "/add" or "/quiet" ended with its request.
enum class TDelivery { Taken, Refused, Elevated };

// Hands the request (WM_COPYDATA with that tag) to the running instance; when none runs, holds
// the single-instance mutex while it runs withoutInstance instead, as a starting instance would,
// so that the files in the data folder have one writer at a time. Refused also when no instance
// showed itself in time; Elevated when the instance runs as administrator and the system keeps
// this process's message from it. Throws what withoutInstance throws.
TDelivery Deliver(const std::wstring& closeRequestWindowTitle, const std::wstring& mutexName, std::uint32_t tag,
                  const std::string& request, const std::function<void()>& withoutInstance);

// The console's one line about a failure described in paragraphs.
std::wstring JoinLines(const std::wstring& text);

// Writes the console's line about a request that was not taken: the refusal, or that the instance
// runs as administrator.
void ReportNotTaken(TDelivery delivery, const std::wstring& refusal);
