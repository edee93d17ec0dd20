// A sync service's conflict copy beside the data file, as it stands after two PCs changed the file
// while they were apart.
#include "store/FileContent.h"
#include "store/FileOperations.h"
#include "store/NotificationsDb.h"
#include "store/tests/StoreTestFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string Common = "2031.01.01 10:00:00||both had it\r\n";
const std::string Mine = "2031.02.01 10:00:00||added here\r\n";
const std::string Theirs = "2031.03.01 10:00:00||added there\r\n";

}  // namespace

// This PC lost the race: the service renamed its version to the copy and put the other PC's in
// place. Its program merges the copy at once against the version both had, and deletes it; a
// version read while the copy stands is no common one.
TEST(ConflictCopiesTest, TheLosingPcMergesTheCopyAtOnceAndDeletesIt) {
    const TStoreTestFolder folder;
    const TStoreTestFolder pcFolder;
    const std::wstring path = folder.GetDataPath();
    TNotificationsDb db(path, pcFolder.GetPath());
    ASSERT_TRUE(ReplaceFileContent(path, Common));
    db.FollowOutsideChanges();
    db.AddNotification(TNotification("2031.02.01 10:00:00", L"added here"));
    const std::wstring copy = path + L".sync-conflict-20261208-101500-ABCDEFG";
    ASSERT_TRUE(MoveFileW(path.c_str(), copy.c_str()));
    ASSERT_TRUE(WriteFileContent(path, Common + Theirs));
    for (int tick = 0; tick < 50 && FileExists(copy); ++tick, Sleep(20)) {
        db.FollowOutsideChanges();
    }
    EXPECT_EQ(ReadWholeFile(path), Common + Mine + Theirs);
    EXPECT_EQ(folder.ListFileNames(), std::vector<std::wstring>{L"notifications"});
    ASSERT_EQ(pcFolder.ListFileNames().size(), 1u);
    EXPECT_EQ(ReadWholeFile(pcFolder.GetFilePath(pcFolder.ListFileNames().front())), Common);
}
