#include "ui/HandlerFailure.h"

#include "texts/FailureText.h"

#include <windows.h>

namespace {

void ShowFailureMessage(const std::string& message) {
    MessageBoxW(nullptr, DescribeFailure(message).c_str(), L"Nudgely", MB_OK | MB_ICONERROR);
}

THandlerFailureReporter& CurrentReporter() {
    static THandlerFailureReporter reporter = ShowFailureMessage;
    return reporter;
}

}  // namespace

void SetHandlerFailureReporter(THandlerFailureReporter reporter) {
    CurrentReporter() = reporter ? std::move(reporter) : THandlerFailureReporter(ShowFailureMessage);
}

void ReportHandlerFailure(const std::string& message) {
    // A reporter that fails itself has nowhere left to report to.
    try {
        CurrentReporter()(message);
    } catch (...) {
    }
}
