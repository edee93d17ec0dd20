#pragma once

#include "store/LineReader.h"
#include "store/Notification.h"

#include <string>

// Reads the records of a data file in order, skipping lines that hold no record. The file is
// opened only for each read of a buffer and shared for reading, writing and deletion meanwhile:
// an open reader never stands in the way of putting a new data file in place of the old one.
// What it reads after such a change is not defined.
class TRecordReader {
public:
    explicit TRecordReader(const std::wstring& path);

    // False at the end, also after a failure. The record's ID is left at -1.
    bool ReadRecord(TNotification& record);
    // True when the file is there but could not be read to its end. A missing file is no
    // failure: it holds no records.
    bool HasFailed() const { return Lines.HasFailed(); }
    // Right after a record was read: the line that held it.
    const std::string& GetLine() const { return Line; }

private:
    TLineReader Lines;
    std::string Line;
};
