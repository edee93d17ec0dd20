#pragma once

#include "store/Notification.h"
#include "store/RecordReader.h"
#include "store/ReplacementFile.h"

#include <optional>
#include <string>

// One change of the data file: its records are read, the new sequence of records is written
// beside it, and the new file takes the old one's place. Every failure throws a runtime error
// "TNotificationsDb: ..." and leaves the data file as it was. Nothing is written before the
// first record or Finish.
class TDataFileRewrite {
public:
    explicit TDataFileRewrite(const std::wstring& dataPath);

    // False after the last record.
    bool ReadRecord(TNotification& record);
    void WriteRecord(const TNotification& record);
    // Writes the record last read as it was read; a line already in the written form is copied
    // without decoding and encoding its text again.
    void CopyLastRecord();
    void Finish();

private:
    TReplacementFile& GetReplacement();

    std::wstring DataPath;
    TRecordReader Reader;
    std::optional<TReplacementFile> Replacement;
    std::string Line;
};
