#pragma once

#include <functional>
#include <string>

// An exception that a handler lets out must never cross a window procedure into the system.
// Window procedures catch it and hand its message here; by default it is shown in a message box
// and the program goes on.
using THandlerFailureReporter = std::function<void(const std::string& message)>;

void SetHandlerFailureReporter(THandlerFailureReporter reporter);
void ReportHandlerFailure(const std::string& message);

// Runs body and reports what it throws; for the edges of window procedures and callbacks.
template <typename TBody>
bool RunReportingFailure(TBody&& body) {
    try {
        body();
        return true;
    } catch (const std::exception& failure) {
        ReportHandlerFailure(failure.what());
    } catch (...) {
        ReportHandlerFailure("unknown failure");
    }
    return false;
}
