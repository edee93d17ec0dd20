#include "store/DataFileMemory.h"

#include "store/ContentFingerprint.h"
#include "store/DataFileEncoding.h"
#include "store/RecordLine.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_map>
#include <utility>

namespace {

const std::string_view LineEnd = "\r\n";
// Marks a line read anew that holds a reminder, until it has its ID.
const std::int32_t HoldsReminder = 0;
const std::size_t GoneLimit = 4096;

bool EndsLine(const std::string& text) { return text.empty() || text.back() == '\n'; }

template <typename TIds, typename TKey>
typename TIds::iterator FindOldest(TIds& ids, const TKey& content) {
    const auto range = ids.equal_range(content);
    return range.first == range.second
               ? ids.end()
               : std::min_element(range.first, range.second,
                                  [](const auto& left, const auto& right) { return left.second < right.second; });
}

}  // namespace

TDataFileMemory::TDataFileMemory(std::int32_t idLimit) : IdLimit(idLimit) {}

bool TDataFileMemory::Follow(const std::string& bytes) {
    if (TextIsTheFile ? bytes == Text : FingerprintContent(bytes) == Fingerprint) {
        return false;
    }
    GetCommittedFingerprint();
    std::string text = ReadDataFileText(bytes);
    std::vector<TLine> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t lineFeed = text.find('\n', start);
        const std::size_t end = lineFeed == std::string::npos ? text.size() : lineFeed + 1;
        const bool holdsReminder = HoldsRecord(GetLineContent(std::string_view(text).substr(start, end - start)));
        lines.push_back(TLine{start, end - start, holdsReminder ? HoldsReminder : -1});
        start = end;
    }
    text = PutInDueOrder(std::move(text), lines);
    GiveIds(lines, text);
    const bool changed = text != Text;
    TextIsTheFile = text == bytes;
    Fingerprint = TextIsTheFile ? 0 : FingerprintContent(bytes);
    Text = std::move(text);
    Lines = std::move(lines);
    return changed;
}

// A reminder line and the lines after it that hold none form a group; those before every
// reminder line form one of their own that stays first.
std::string TDataFileMemory::PutInDueOrder(std::string text, std::vector<TLine>& lines) {
    struct TGroup {
        std::string_view Date;
        std::size_t First;
        std::size_t End;
    };
    std::vector<TGroup> groups;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        if (lines[index].Id == HoldsReminder) {
            const std::string_view bytes(text.data() + lines[index].Start, lines[index].Size);
            groups.push_back(TGroup{GetRecordDate(GetLineContent(bytes)), index, index + 1});
        } else if (groups.empty()) {
            groups.push_back(TGroup{std::string_view(), index, index + 1});
        } else {
            groups.back().End = index + 1;
        }
    }
    const auto earlier = [](const TGroup& left, const TGroup& right) { return left.Date < right.Date; };
    if (std::is_sorted(groups.begin(), groups.end(), earlier)) {
        return text;
    }
    std::stable_sort(groups.begin(), groups.end(), earlier);
    std::string ordered;
    ordered.reserve(text.size() + LineEnd.size());
    std::vector<TLine> orderedLines;
    orderedLines.reserve(lines.size());
    for (const TGroup& group : groups) {
        for (std::size_t index = group.First; index < group.End; ++index) {
            if (!EndsLine(ordered)) {
                ordered += LineEnd;
                orderedLines.back().Size += LineEnd.size();
            }
            orderedLines.push_back(TLine{ordered.size(), lines[index].Size, lines[index].Id});
            ordered.append(text, lines[index].Start, lines[index].Size);
        }
    }
    lines = std::move(orderedLines);
    return ordered;
}

// A line keeps the ID of a known line with its content, or of a gone one; identical lines are
// identical reminders, so which of their IDs goes to which does not matter, but the oldest go
// first: a blink of the file may have given one of them a new ID, and windows hold the old ones.
void TDataFileMemory::GiveIds(std::vector<TLine>& lines, const std::string& text) {
    std::unordered_multimap<std::string_view, std::int32_t> known;
    for (std::size_t position = 0; position < Lines.size(); ++position) {
        if (Lines[position].Id >= 0) {
            known.emplace(GetLineContent(GetLineBytes(position)), Lines[position].Id);
        }
    }
    std::vector<TLine*> unseen;
    for (TLine& line : lines) {
        if (line.Id != HoldsReminder) {
            continue;
        }
        const std::string_view content = GetLineContent(std::string_view(text).substr(line.Start, line.Size));
        const auto fromKnown = FindOldest(known, content);
        const auto fromGone = Gone.empty() ? Gone.end() : FindOldest(Gone, std::string(content));
        if (fromGone != Gone.end() && (fromKnown == known.end() || fromGone->second < fromKnown->second)) {
            line.Id = fromGone->second;
            Gone.erase(fromGone);
        } else if (fromKnown != known.end()) {
            line.Id = fromKnown->second;
            known.erase(fromKnown);
        } else {
            unseen.push_back(&line);
        }
    }
    if (static_cast<std::size_t>(IdLimit - NextId) < unseen.size()) {
        ThrowNoFreeId();
    }
    for (TLine* line : unseen) {
        line->Id = TakeNewId();
    }
    RememberGone(known);
}

// Bounded, so that a file rewritten again and again with other lines costs no more than a few.
void TDataFileMemory::RememberGone(const std::unordered_multimap<std::string_view, std::int32_t>& lines) {
    if (Gone.size() + lines.size() > std::max<std::size_t>(GoneLimit, Lines.size())) {
        Gone.clear();
    }
    for (const auto& line : lines) {
        Gone.emplace(std::string(line.first), line.second);
    }
}

std::int32_t TDataFileMemory::TakeNewId() {
    if (!HasFreeId()) {
        ThrowNoFreeId();
    }
    return NextId++;
}

std::string_view TDataFileMemory::GetLineBytes(std::size_t position) const {
    return std::string_view(Text).substr(Lines[position].Start, Lines[position].Size);
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

// The reminder lines stand in due order: a binary search over them, stepping over the lines
// that hold none.
std::size_t TDataFileMemory::FindDuePlace(std::string_view date, std::ptrdiff_t removed) const {
    const auto findReminderFrom = [this, removed](std::size_t position, std::size_t end) {
        while (position < end && (Lines[position].Id < 0 || static_cast<std::ptrdiff_t>(position) == removed)) {
            ++position;
        }
        return position;
    };
    std::size_t low = 0;
    std::size_t high = Lines.size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        const std::size_t reminder = findReminderFrom(middle, high);
        if (reminder < high && GetRecordDate(GetLineContent(GetLineBytes(reminder))) < date) {
            low = reminder + 1;
        } else {
            high = middle;
        }
    }
    return findReminderFrom(low, Lines.size());
}

// Only the last line can lack a line end; it gets one when a line comes after it.
const std::string& TDataFileMemory::Prepare(const TChange& change) {
    if (change.WholeText) {
        Next = *change.WholeText;
        return Next;
    }
    const bool removes = change.Removed >= 0 && static_cast<std::size_t>(change.Removed) < Lines.size();
    const std::size_t removedStart = removes ? Lines[static_cast<std::size_t>(change.Removed)].Start : Text.size();
    const std::size_t removedEnd = removes ? removedStart + Lines[static_cast<std::size_t>(change.Removed)].Size
                                           : Text.size();
    const std::size_t insertedAt =
        change.InsertedAt < Lines.size() ? Lines[change.InsertedAt].Start : Text.size();
    const auto copy = [this](std::size_t from, std::size_t to) { Next.append(Text, from, to - from); };
    const auto insert = [this, &change] {
        if (!change.Inserted.empty()) {
            Next += EndsLine(Next) ? std::string_view() : LineEnd;
            Next += change.Inserted;
        }
    };
    Next.clear();
    Next.reserve(Text.size() + change.Inserted.size() + LineEnd.size());
    if (insertedAt <= removedStart) {
        copy(0, insertedAt);
        insert();
        copy(insertedAt, removedStart);
        copy(removedEnd, Text.size());
    } else {
        copy(0, removedStart);
        copy(removedEnd, insertedAt);
        insert();
        copy(insertedAt, Text.size());
    }
    return Next;
}

std::int32_t TDataFileMemory::Commit(const TChange& change) {
    if (change.WholeText) {
        CommittedPending = false;
        Follow(std::string(Next));
        CommittedPending = true;
        return -1;
    }
    const bool inserts = !change.Inserted.empty();
    const std::int32_t id = !inserts ? -1 : change.InsertedId >= 0 ? change.InsertedId : TakeNewId();
    std::size_t insertedAt = std::min(change.InsertedAt, Lines.size());
    if (change.Removed >= 0 && static_cast<std::size_t>(change.Removed) < Lines.size()) {
        Lines.erase(Lines.begin() + change.Removed);
        insertedAt -= static_cast<std::size_t>(change.Removed) < insertedAt ? 1 : 0;
    }
    if (inserts) {
        Lines.insert(Lines.begin() + static_cast<std::ptrdiff_t>(insertedAt), TLine{0, change.Inserted.size(), id});
    }
    Text.swap(Next);
    std::size_t start = 0;
    for (TLine& line : Lines) {
        line.Start = start;
        line.Size += start + line.Size < Text.size() && Text[start + line.Size - 1] != '\n' ? LineEnd.size() : 0;
        start += line.Size;
    }
    TextIsTheFile = true;
    CommittedPending = true;
    return id;
}

std::uint64_t TDataFileMemory::GetCommittedFingerprint() {
    if (CommittedPending) {
        Committed = FingerprintContent(Text);
        CommittedPending = false;
    }
    return Committed;
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
