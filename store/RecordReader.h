#pragma once

#include "store/LineReader.h"
#include "store/Notification.h"

#include <functional>
#include <string>
#include <string_view>

// Reads the records of a data file in order, skipping lines that hold no record. The file is
// shared for reading, writing and deletion, and by default opened only for each read of a
// buffer: an open reader never stands in the way of putting a new data file in place of the old
// one. What it reads after such a change is not defined.
class TRecordReader {
public:
    enum class TOpening {
        ForEachRead,
        // Kept open from the first read to the end of the file and read in the largest blocks
        // from the start, which saves round trips to the file system; for a reader that is read
        // to the end before the file is replaced.
        UntilTheEnd,
    };

    explicit TRecordReader(const std::wstring& path, TOpening opening = TOpening::ForEachRead);

    // False at the end, also after a failure. The record's ID is left at -1.
    bool ReadRecord(TNotification& record);
    // The same without decoding the record: its line is then GetLine.
    bool ReadRecordLine();
    // True when the file is there but could not be read to its end. A missing file is no
    // failure: it holds no records.
    bool HasFailed() const { return Lines.HasFailed(); }
    // Right after a record was read: the line that held it, valid until the next read.
    std::string_view GetLine() const { return Line; }
    // The same with its line end, as it stands in the file.
    std::string_view GetLineBytes() const { return Lines.GetLineBytes(); }
    // Called right before the reader's buffer takes more bytes, which ends the lines read before.
    void SetRefillHandler(std::function<void()> handler) { Lines.SetRefillHandler(std::move(handler)); }

private:
    TLineReader Lines;
    std::string_view Line;
};
