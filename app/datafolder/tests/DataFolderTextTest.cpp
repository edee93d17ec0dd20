#include "app/settings/SettingsText.h"
#include "app/datafolder/DataFolderText.h"
#include "app/datafolder/ReminderJoin.h"

#include <gtest/gtest.h>

namespace {

TEST(DataFolderText, TellsWhatKeepsAValueFromNamingAFolder) {
    const struct {
        const wchar_t* Value;
        TDataFolderProblem Problem;
        const wchar_t* Folder;
    } cases[] = {
        {L"D:\\Nudgely\\", TDataFolderProblem::None, L"D:\\Nudgely"},
        {L"D:\\", TDataFolderProblem::None, L"D:\\"},
        {L"\\\\server\\share\\Nudgely", TDataFolderProblem::None, L"\\\\server\\share\\Nudgely"},
        {L"", TDataFolderProblem::Empty, L""},
        {L"  ", TDataFolderProblem::Empty, L"  "},
        {L"Nudgely", TDataFolderProblem::Relative, L"Nudgely"},
        {L"D:Nudgely", TDataFolderProblem::Relative, L"D:Nudgely"},
        {L"\\Nudgely", TDataFolderProblem::Relative, L"\\Nudgely"},
        {L"%OneDrive%\\Nudgely", TDataFolderProblem::Relative, L"%OneDrive%\\Nudgely"},
        {L"D:\\a|b", TDataFolderProblem::CannotBeMade, L"D:\\a|b"},
        {L"D:\\a:b", TDataFolderProblem::CannotBeMade, L"D:\\a:b"},
        {L"D:\\a.\\b", TDataFolderProblem::CannotBeMade, L"D:\\a.\\b"},
        {L"\\\\?\\D:\\Nudgely", TDataFolderProblem::CannotBeMade, L"\\\\?\\D:\\Nudgely"},
        {L"D:\\x\\..\\Nudgely", TDataFolderProblem::None, L"D:\\x\\..\\Nudgely"},
    };
    for (const auto& c : cases) {
        std::wstring folder;
        EXPECT_EQ(CheckDataFolderText(c.Value, folder), c.Problem) << c.Value;
        EXPECT_EQ(folder, c.Folder);
    }
    std::wstring folder;
    EXPECT_EQ(CheckDataFolderText(L"D:\\" + std::wstring(225, L'x'), folder), TDataFolderProblem::None);
    EXPECT_EQ(CheckDataFolderText(L"D:\\" + std::wstring(226, L'x'), folder), TDataFolderProblem::TooLong);
    EXPECT_TRUE(IsSameFolderPath(L"c:/Users/A/", L"C:\\users\\a"));
    EXPECT_FALSE(IsSameFolderPath(L"C:\\a", L"C:\\ab"));
}

TEST(DataFolderText, TheSettingsLineIsReadAsWrittenAndGoesForTheDefault) {
    const std::string content = "Mine:1\r\nDataFolder:%USERPROFILE%\\Dropbox\\N\xc3\xbc\r\nDataFolder:second\r\n";
    TSettings settings = ReadSettings(content);
    ASSERT_TRUE(settings.DataFolder.has_value());
    EXPECT_EQ(*settings.DataFolder, "%USERPROFILE%\\Dropbox\\N\xc3\xbc");
    EXPECT_EQ(*ReadSettings("DataFolder:\r\n").DataFolder, "");
    EXPECT_FALSE(ReadSettings("HoldDuringFullScreen:No\r\n").DataFolder.has_value());
    settings.DataFolder.reset();
    EXPECT_EQ(WriteSettings(content, settings), "Mine:1\r\nHoldDuringFullScreen:Yes\r\n");
}

// Identical lines once, line ends aside; blank lines and repeats of the source dropped.
TEST(DataFolderText, AJoinAddsOnlyTheLinesTheTargetLacks) {
    const std::string target = "2030.01.01 10:00:00||a\r\n2030.01.02 10:00:00||b";
    const std::string source = "2030.01.02 10:00:00||b\n\r\n2030.01.03 10:00:00||c\n2030.01.03 10:00:00||c\r\n";
    const std::vector<std::string> lines = FindLinesToJoin(target, source);
    EXPECT_EQ(lines, (std::vector<std::string>{"2030.01.03 10:00:00||c\n"}));
    EXPECT_EQ(AppendLines(target, lines), target + "\r\n2030.01.03 10:00:00||c\r\n");
}

}  // namespace
