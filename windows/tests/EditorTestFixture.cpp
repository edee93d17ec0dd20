#include "windows/tests/EditorTestFixture.h"

#include "ui/HandlerFailure.h"

EditorTest::EditorTest() {
    SetHandlerFailureReporter([this](const std::string& message) { Failures.push_back(message); });
}

EditorTest::~EditorTest() { SetHandlerFailureReporter(nullptr); }

void EditorTest::TearDown() { EXPECT_EQ(Failures, std::vector<std::string>()); }
