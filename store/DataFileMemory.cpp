#include "store/DataFileMemory.h"

#include "store/ContentFingerprint.h"
#include "store/DataFileEncoding.h"
#include "store/RecordLine.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_map>
#include <utility>

namespace {

using TLine = TDataFileMemory::TLine;

const std::string_view LineEnd = "\r\n";
// Marks a line read anew that holds a reminder, until it has its ID.
const std::int32_t HoldsReminder = 0;

std::vector<TLine> SplitLines(const std::string& text) {
    std::vector<TLine> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t lineFeed = text.find('\n', start);
        const std::size_t end = lineFeed == std::string::npos ? text.size() : lineFeed + 1;
        std::string bytes = text.substr(start, end - start);
        const bool holdsReminder = HoldsRecord(GetLineContent(bytes));
        lines.push_back(TLine{std::move(bytes), holdsReminder ? HoldsReminder : -1});
        start = end;
    }
    return lines;
}

// A reminder line and the lines after it that hold none; those before every reminder line form
// a group of their own that stays first.
struct TGroup {
    std::string_view Date;
    std::size_t First;
    std::size_t End;
};

std::vector<TLine> PutInDueOrder(std::vector<TLine> lines) {
    std::vector<TGroup> groups;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        if (lines[index].Id == HoldsReminder) {
            groups.push_back(TGroup{GetRecordDate(GetLineContent(lines[index].Bytes)), index, index + 1});
        } else if (groups.empty()) {
            groups.push_back(TGroup{std::string_view(), index, index + 1});
        } else {
            groups.back().End = index + 1;
        }
    }
    const auto earlier = [](const TGroup& left, const TGroup& right) { return left.Date < right.Date; };
    if (std::is_sorted(groups.begin(), groups.end(), earlier)) {
        return lines;
    }
    std::stable_sort(groups.begin(), groups.end(), earlier);
    std::vector<TLine> ordered;
    ordered.reserve(lines.size());
    for (const TGroup& group : groups) {
        for (std::size_t index = group.First; index < group.End; ++index) {
            ordered.push_back(std::move(lines[index]));
        }
    }
    return ordered;
}

bool HaveSameBytes(const std::vector<TLine>& left, const std::vector<TLine>& right) {
    return std::equal(left.begin(), left.end(), right.begin(), right.end(),
                      [](const TLine& one, const TLine& other) { return one.Bytes == other.Bytes; });
}

}  // namespace

TDataFileMemory::TDataFileMemory(std::int32_t idLimit) : Fingerprint(FingerprintContent("")), IdLimit(idLimit) {}

bool TDataFileMemory::Follow(std::string bytes) {
    const std::uint64_t fingerprint = FingerprintContent(bytes);
    if (fingerprint == Fingerprint) {
        return false;
    }
    std::vector<TLine> lines = PutInDueOrder(SplitLines(ReadDataFileText(std::move(bytes))));
    const bool changed = !HaveSameBytes(lines, Lines);
    Take(std::move(lines), fingerprint);
    return changed;
}

// A line keeps the ID of a known line with its content; identical lines are identical reminders,
// so which of their IDs goes to which does not matter.
void TDataFileMemory::Take(std::vector<TLine> lines, std::uint64_t fingerprint) {
    std::unordered_multimap<std::string_view, std::int32_t> known;
    for (const TLine& line : Lines) {
        if (line.Id >= 0) {
            known.emplace(GetLineContent(line.Bytes), line.Id);
        }
    }
    std::vector<TLine*> unknown;
    for (TLine& line : lines) {
        if (line.Id != HoldsReminder) {
            continue;
        }
        const auto found = known.find(GetLineContent(line.Bytes));
        if (found != known.end()) {
            line.Id = found->second;
            known.erase(found);
        } else {
            unknown.push_back(&line);
        }
    }
    if (static_cast<std::size_t>(IdLimit - NextId) < unknown.size()) {
        ThrowNoFreeId();
    }
    for (TLine* line : unknown) {
        line->Id = TakeNewId();
    }
    Lines = std::move(lines);
    Fingerprint = fingerprint;
}

std::int32_t TDataFileMemory::TakeNewId() {
    if (!HasFreeId()) {
        ThrowNoFreeId();
    }
    return NextId++;
}

std::ptrdiff_t TDataFileMemory::FindId(std::int32_t id) const {
    if (id < 0) {
        return -1;
    }
    const auto found = std::find_if(Lines.begin(), Lines.end(), [id](const TLine& line) { return line.Id == id; });
    return found == Lines.end() ? -1 : found - Lines.begin();
}

std::ptrdiff_t TDataFileMemory::FindEarliest() const {
    const auto found = std::find_if(Lines.begin(), Lines.end(), [](const TLine& line) { return line.Id >= 0; });
    return found == Lines.end() ? -1 : found - Lines.begin();
}

std::size_t TDataFileMemory::FindDuePlace(std::string_view date, std::ptrdiff_t removed) const {
    for (std::size_t index = 0; index < Lines.size(); ++index) {
        const bool other = static_cast<std::ptrdiff_t>(index) != removed && Lines[index].Id >= 0;
        if (other && !(GetRecordDate(GetLineContent(Lines[index].Bytes)) < date)) {
            return index;
        }
    }
    return Lines.size();
}

// A line that had no line end, being last, gets one when another follows it.
std::uint64_t TDataFileMemory::Write(const TChange& change, const std::function<void(std::string_view)>& write) const {
    TContentFingerprint fingerprint;
    bool lineOpen = false;
    const auto put = [&](std::string_view bytes) {
        if (lineOpen) {
            write(LineEnd);
            fingerprint.Add(LineEnd);
        }
        write(bytes);
        fingerprint.Add(bytes);
        lineOpen = !bytes.empty() && bytes.back() != '\n';
    };
    const std::size_t insertedAt = std::min(change.InsertedAt, Lines.size());
    for (std::size_t index = 0; index <= Lines.size(); ++index) {
        if (index == insertedAt && !change.Inserted.empty()) {
            put(change.Inserted);
        }
        if (index < Lines.size() && static_cast<std::ptrdiff_t>(index) != change.Removed) {
            put(Lines[index].Bytes);
        }
    }
    return fingerprint.Get();
}

std::int32_t TDataFileMemory::Apply(TChange change, std::uint64_t writtenFingerprint) {
    const bool inserts = !change.Inserted.empty();
    const std::int32_t id = !inserts ? -1 : change.InsertedId >= 0 ? change.InsertedId : TakeNewId();
    std::size_t insertedAt = std::min(change.InsertedAt, Lines.size());
    if (change.Removed >= 0 && static_cast<std::size_t>(change.Removed) < Lines.size()) {
        Lines.erase(Lines.begin() + change.Removed);
        insertedAt -= static_cast<std::size_t>(change.Removed) < insertedAt ? 1 : 0;
    }
    if (inserts) {
        Lines.insert(Lines.begin() + static_cast<std::ptrdiff_t>(insertedAt), TLine{std::move(change.Inserted), id});
    }
    Fingerprint = writtenFingerprint;
    return id;
}

void ThrowNoFreeId() { throw std::logic_error("TNotificationsDb::AddNotification: unable to find ID"); }

std::string_view GetLineContent(std::string_view bytes) {
    if (!bytes.empty() && bytes.back() == '\n') {
        bytes.remove_suffix(1);
        if (!bytes.empty() && bytes.back() == '\r') {
            bytes.remove_suffix(1);
        }
    }
    return bytes;
}

bool IsBlankLine(std::string_view bytes) {
    return GetLineContent(bytes).find_first_not_of(" \t\r") == std::string_view::npos;
}
