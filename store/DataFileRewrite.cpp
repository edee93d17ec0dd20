#include "store/DataFileRewrite.h"

#include "store/LineFingerprint.h"
#include "store/RecordLine.h"

#include <stdexcept>

namespace {

[[noreturn]] void ThrowFailure(const char* what) { throw std::runtime_error(std::string("TNotificationsDb: ") + what); }

}  // namespace

// Every change reads the data file to its end before it replaces it.
TDataFileRewrite::TDataFileRewrite(const std::wstring& dataPath)
    : DataPath(dataPath), Reader(dataPath, TRecordReader::TOpening::UntilTheEnd) {
    Reader.SetRefillHandler([this] { WritePendingRun(); });
}

bool TDataFileRewrite::NextRecord() {
    if (Reader.ReadRecordLine()) {
        ReadFingerprints.push_back(FingerprintLine(Reader.GetLine()));
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
    const std::string_view withoutLineEnd(Line.data(), Line.size() - 2);
    if (!FirstWrittenLine) {
        FirstWrittenLine.emplace(withoutLineEnd);
    }
    FormedLines.emplace_back(WrittenCount++, FingerprintLine(withoutLineEnd));
    Write(Line);
}

TNotification TDataFileRewrite::GetFirstWrittenRecord() const {
    TNotification record;
    if (FirstWrittenLine) {
        ParseRecordLine(*FirstWrittenLine, record);
    }
    return record;
}

std::string_view TDataFileRewrite::GetDate() const { return GetRecordDate(Reader.GetLine()); }

TNotification TDataFileRewrite::GetRecord() const {
    TNotification record;
    ParseRecordLine(Reader.GetLine(), record);
    return record;
}

void TDataFileRewrite::CopyRecord() {
    const std::string_view read = Reader.GetLine();
    if (!IsWrittenForm(read)) {
        WriteRecord(GetRecord());
        return;
    }
    if (!FirstWrittenLine) {
        FirstWrittenLine.emplace(read);
    }
    ++WrittenCount;
    const std::string_view bytes = Reader.GetLineBytes();
    if (bytes.size() != read.size() + 2) {
        Line.assign(read.data(), read.size());
        Line += "\r\n";
        Write(Line);
    } else if (!PendingRun.empty() && PendingRun.data() + PendingRun.size() == bytes.data()) {
        PendingRun = std::string_view(PendingRun.data(), PendingRun.size() + bytes.size());
    } else {
        WritePendingRun();
        PendingRun = bytes;
    }
}

void TDataFileRewrite::Finish(THolderWait wait) {
    WritePendingRun();
    TReplacementFile& replacement = GetReplacement();
    if (!replacement.Finish()) {
        ThrowFailure("unable to write the new data file");
    }
    if (!replacement.ReplaceTarget(wait)) {
        ThrowFailure("unable to replace the data file");
    }
}

void TDataFileRewrite::Write(std::string_view bytes) {
    WritePendingRun();
    if (!GetReplacement().Write(bytes)) {
        ThrowFailure("unable to write the new data file");
    }
}

void TDataFileRewrite::WritePendingRun() {
    const std::string_view run = PendingRun;
    PendingRun = std::string_view();
    if (!run.empty() && !GetReplacement().Write(run)) {
        ThrowFailure("unable to write the new data file");
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
