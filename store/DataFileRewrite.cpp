#include "store/DataFileRewrite.h"

#include "store/RecordLine.h"

#include <stdexcept>

namespace {

[[noreturn]] void ThrowFailure(const char* what) { throw std::runtime_error(std::string("TNotificationsDb: ") + what); }

}  // namespace

// Every change reads the data file to its end before it replaces it.
TDataFileRewrite::TDataFileRewrite(const std::wstring& dataPath)
    : DataPath(dataPath), Reader(dataPath, TRecordReader::TOpening::UntilTheEnd) {}

bool TDataFileRewrite::NextRecord() {
    if (Reader.ReadRecordLine()) {
        return true;
    }
    // Taking an unreadable file for a short one would write away the reminders it holds.
    if (Reader.HasFailed()) {
        ThrowFailure("unable to read the data file");
    }
    return false;
}

void TDataFileRewrite::WriteRecord(const TNotification& record) {
    Line.clear();
    AppendRecordLine(Line, record);
    if (!GetReplacement().Write(Line)) {
        ThrowFailure("unable to write the new data file");
    }
}

std::string_view TDataFileRewrite::GetDate() const { return GetRecordDate(Reader.GetLine()); }

TNotification TDataFileRewrite::GetRecord() const {
    TNotification record;
    ParseRecordLine(Reader.GetLine(), record);
    return record;
}

void TDataFileRewrite::CopyRecord() {
    const std::string& read = Reader.GetLine();
    if (!IsWrittenForm(read)) {
        WriteRecord(GetRecord());
        return;
    }
    Line.assign(read);
    Line += "\r\n";
    if (!GetReplacement().Write(Line)) {
        ThrowFailure("unable to write the new data file");
    }
}

void TDataFileRewrite::Finish() {
    TReplacementFile& replacement = GetReplacement();
    if (!replacement.Finish()) {
        ThrowFailure("unable to write the new data file");
    }
    if (!replacement.ReplaceTarget()) {
        ThrowFailure("unable to replace the data file");
    }
}

TReplacementFile& TDataFileRewrite::GetReplacement() {
    if (!Replacement) {
        Replacement.emplace(DataPath);
        if (!Replacement->IsOpen()) {
            ThrowFailure("unable to create the new data file");
        }
    }
    return *Replacement;
}
