#include "store/DirectoryIterator.h"
#include "store/FileContent.h"
#include "store/SelfTest.h"
#include "store/TemporaryFolder.h"
#include "store/tests/StoreTestFolder.h"

#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <sstream>

namespace {

using TFolderContent = std::map<std::wstring, std::string>;

TFolderContent ReadFolder(const std::wstring& folder) {
    TFolderContent content;
    for (TDirectoryIterator file(folder, L"*", false); file.IsValid(); file.Next()) {
        content[file.GetName()] = ReadWholeFile(file.GetFullPath());
    }
    return content;
}

// Runs the self test in a scratch copy of the shipped test data, as the working folder, and
// catches what it prints.
class TSelfTestRun : public testing::Test {
protected:
    void SetUp() override {
        const std::wstring shipped = GetProgramFolder() + L"\\..\\TestFiles";
        TestFiles = Scratch.GetPath() + L"\\TestFiles";
        ASSERT_TRUE(CreateDirectoryW(TestFiles.c_str(), nullptr));
        for (const auto& file : ReadFolder(shipped)) {
            ASSERT_TRUE(WriteFileContent(TestFiles + L"\\" + file.first, file.second));
        }
        ASSERT_EQ(ReadFolder(TestFiles).size(), 2u);
        wchar_t previous[MAX_PATH] = {};
        GetCurrentDirectoryW(MAX_PATH, previous);
        PreviousFolder = previous;
        ASSERT_TRUE(SetCurrentDirectoryW(Scratch.GetPath().c_str()));
    }

    void TearDown() override { SetCurrentDirectoryW(PreviousFolder.c_str()); }

    bool Run(std::wstring& output) {
        std::wostringstream captured;
        std::wstreambuf* const original = std::wcout.rdbuf(captured.rdbuf());
        const bool passed = RunSelfTest();
        std::wcout.rdbuf(original);
        output = captured.str();
        return passed;
    }

    TTemporaryFolder Scratch;
    std::wstring TestFiles;
    std::wstring PreviousFolder;
};

}  // namespace

TEST_F(TSelfTestRun, PassesOnTheShippedDataAndLeavesItAsItWas) {
    const TFolderContent before = ReadFolder(TestFiles);
    EXPECT_EQ(before.at(L"notifications.txt"), "2011.05.16 22:53:00||text\r\n");
    EXPECT_EQ(before.at(L"empty_notifications.txt"), "");
    std::wstring output;
    EXPECT_TRUE(Run(output));
    std::wistringstream lines(output);
    std::wstring first;
    double seconds = -1;
    std::getline(lines, first);
    EXPECT_EQ(first, L"OK");
    EXPECT_TRUE(lines >> seconds) << output;
    EXPECT_GE(seconds, 0.0);
    EXPECT_LT(seconds, 60.0);
    EXPECT_EQ(ReadFolder(TestFiles), before);
}

TEST_F(TSelfTestRun, NamesTheFirstFailingCheck) {
    ASSERT_TRUE(WriteFileContent(TestFiles + L"\\notifications.txt", "2011.05.16 22:53:01||text\r\n"));
    std::wstring output;
    EXPECT_FALSE(Run(output));
    EXPECT_EQ(output, L"test failure: TNotificationsDb: incorrect date of the earliest notification\n");
}

TEST_F(TSelfTestRun, FailsOnMissingDataAndOnAFullEmptyFile) {
    ASSERT_TRUE(WriteFileContent(TestFiles + L"\\empty_notifications.txt", "2011.05.16 22:53:00||text\r\n"));
    std::wstring output;
    EXPECT_FALSE(Run(output));
    EXPECT_EQ(output, L"test failure: TNotificationsDb: non-empty earliest notification for empty DB\n");
    ASSERT_TRUE(DeleteFileW((TestFiles + L"\\empty_notifications.txt").c_str()));
    ASSERT_TRUE(DeleteFileW((TestFiles + L"\\notifications.txt").c_str()));
    EXPECT_FALSE(Run(output));
    EXPECT_EQ(output, L"test failure: TNotificationsDb: incorrect date of the earliest notification\n");
    EXPECT_TRUE(ReadFolder(TestFiles).empty());
}
