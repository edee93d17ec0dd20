#pragma once

#include "store/Notification.h"
#include "store/RecordReader.h"
#include "store/ReplacementFile.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One change of the data file: its records are read, the new sequence of records is written
// beside it, and the new file takes the old one's place. Every failure throws a runtime error
// "TNotificationsDb: ..." and leaves the data file as it was. Nothing is written before the
// first record or Finish.
class TDataFileRewrite {
public:
    explicit TDataFileRewrite(const std::wstring& dataPath);
    // The reader calls back into this object.
    TDataFileRewrite(const TDataFileRewrite&) = delete;
    TDataFileRewrite& operator=(const TDataFileRewrite&) = delete;

    // Moves to the next record of the data file; false after the last. A record is decoded only
    // when asked for, so that passing records on costs little more than copying the file.
    bool NextRecord();
    // The current record's due date, as it stands in the file.
    std::string_view GetDate() const;
    // The fingerprints of the records' lines read so far, the current one last.
    const std::vector<std::uint64_t>& GetReadFingerprints() const { return ReadFingerprints; }
    TNotification GetRecord() const;
    // Writes the current record as it was read; a line already in the written form is copied as
    // it stands, and neighbouring copied lines are written as one run of bytes.
    void CopyRecord();
    void WriteRecord(const TNotification& record);
    // What a read of the new file would give as its first record: the empty record when none
    // was written so far.
    TNotification GetFirstWrittenRecord() const;
    // The lines this rewrite formed rather than copied as they stood: their positions among
    // the records written and their fingerprints. A copied line keeps the fingerprint it had.
    const std::vector<std::pair<std::size_t, std::uint64_t>>& GetFormedLines() const { return FormedLines; }
    void Finish(THolderWait wait);

private:
    TReplacementFile& GetReplacement();
    void Write(std::string_view bytes);
    void WritePendingRun();

    std::wstring DataPath;
    TRecordReader Reader;
    std::optional<TReplacementFile> Replacement;
    std::string Line;
    std::optional<std::string> FirstWrittenLine;
    std::vector<std::uint64_t> ReadFingerprints;
    std::size_t WrittenCount = 0;
    std::vector<std::pair<std::size_t, std::uint64_t>> FormedLines;
    // Copied lines not written yet: they are still in the reader's buffer, which is why they are
    // written before it takes more bytes.
    std::string_view PendingRun;
};
