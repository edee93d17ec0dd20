#include "store/DirectoryDeletion.h"
#include "store/DirectoryIterator.h"
#include "store/FileContent.h"
#include "store/FileOperations.h"
#include "store/TemporaryFile.h"
#include "store/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

bool FolderExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::vector<std::wstring> ListNames(const std::wstring& folder, const std::wstring& mask, bool wantFolders) {
    std::vector<std::wstring> names;
    for (TDirectoryIterator entry(folder, mask, wantFolders); entry.IsValid(); entry.Next()) {
        EXPECT_EQ(entry.GetFullPath(), folder + L"\\" + entry.GetName());
        names.push_back(entry.GetName());
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(TemporaryFolderTest, GivesEachLiveObjectItsOwnFolderAndRemovesIt) {
    std::wstring firstPath;
    std::wstring secondPath;
    {
        const TTemporaryFolder first;
        const TTemporaryFolder second;
        firstPath = first.GetPath();
        secondPath = second.GetPath();
        ASSERT_FALSE(firstPath.empty());
        EXPECT_NE(firstPath, secondPath);
        EXPECT_TRUE(FolderExists(firstPath));
        EXPECT_TRUE(FolderExists(secondPath));
        EXPECT_EQ(firstPath.find(L"temp"), firstPath.find_last_of(L"\\/") + 1);
        EXPECT_NE(firstPath.back(), L'\\');
        ASSERT_TRUE(WriteFileContent(firstPath + L"\\content", "x"));
    }
    EXPECT_FALSE(FolderExists(firstPath));
    EXPECT_FALSE(FolderExists(secondPath));
}

TEST(TemporaryFileTest, DeletesItsFileIfThereIsOne) {
    const TTemporaryFolder folder;
    const std::wstring path = folder.GetPath() + L"\\file";
    {
        const TTemporaryFile file(path);
        EXPECT_FALSE(FileExists(path));
        ASSERT_TRUE(WriteFileContent(path, "x"));
    }
    EXPECT_FALSE(FileExists(path));
    { const TTemporaryFile neverCreated(path); }
    EXPECT_FALSE(FileExists(path));
}

TEST(DirectoryIteratorTest, ListsFilesOrSubfoldersOnly) {
    const TTemporaryFolder folder;
    ASSERT_TRUE(WriteFileContent(folder.GetPath() + L"\\a.txt", "a"));
    ASSERT_TRUE(WriteFileContent(folder.GetPath() + L"\\b.dat", "b"));
    ASSERT_TRUE(CreateDirectoryW((folder.GetPath() + L"\\sub").c_str(), nullptr));
    EXPECT_EQ(ListNames(folder.GetPath(), L"*", false), std::vector<std::wstring>({L"a.txt", L"b.dat"}));
    EXPECT_EQ(ListNames(folder.GetPath(), L"*", true), std::vector<std::wstring>({L"sub"}));
    EXPECT_EQ(ListNames(folder.GetPath(), L"*.txt", false), std::vector<std::wstring>({L"a.txt"}));
    EXPECT_EQ(ListNames(folder.GetPath() + L"\\sub", L"*", true), std::vector<std::wstring>());
    const TDirectoryIterator missing(folder.GetPath() + L"\\missing", L"*", false);
    EXPECT_FALSE(missing.IsValid());
    EXPECT_EQ(missing.GetName(), L"");
}

TEST(DeleteDirectoryRecursivelyTest, RemovesNestedContent) {
    const TTemporaryFolder folder;
    const std::wstring root = folder.GetPath() + L"\\root";
    ASSERT_TRUE(CreateDirectoryW(root.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW((root + L"\\one").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW((root + L"\\one\\two").c_str(), nullptr));
    ASSERT_TRUE(WriteFileContent(root + L"\\file", "x"));
    ASSERT_TRUE(WriteFileContent(root + L"\\one\\two\\deep", "y"));
    EXPECT_TRUE(DeleteDirectoryRecursively(root));
    EXPECT_FALSE(FolderExists(root));
    EXPECT_FALSE(DeleteDirectoryRecursively(root));
    EXPECT_TRUE(FolderExists(folder.GetPath()));
}

TEST(FileOperationsTest, ExistsDuplicatesAndRemoves) {
    const TTemporaryFolder folder;
    const std::wstring source = folder.GetPath() + L"\\source";
    const std::wstring target = folder.GetPath() + L"\\target";
    EXPECT_FALSE(FileExists(source));
    EXPECT_FALSE(FileExists(folder.GetPath()));
    ASSERT_TRUE(WriteFileContent(source, "new content"));
    ASSERT_TRUE(WriteFileContent(target, "old content, longer"));
    EXPECT_TRUE(FileExists(source));
    EXPECT_TRUE(DuplicateFile(source, target));
    std::string copied;
    ASSERT_TRUE(ReadFileContent(target, copied));
    EXPECT_EQ(copied, "new content");
    EXPECT_FALSE(DuplicateFile(folder.GetPath() + L"\\missing", target));
    EXPECT_TRUE(RemoveFile(source));
    EXPECT_FALSE(RemoveFile(source));
    EXPECT_FALSE(FileExists(source));
}
