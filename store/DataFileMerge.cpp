#include "store/DataFileMerge.h"

#include "store/DataFileEncoding.h"
#include "store/DataFileMemory.h"
#include "store/RecordLine.h"
#include "store/RepeatRule.h"

#include <algorithm>
#include <cstddef>
#include <tuple>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace {

enum TSideIndex { Common, Ours, Theirs, SideCount };

struct TLineState {
    int Count[SideCount] = {0, 0, 0};
    int Result = 0;
    bool HoldsRecord = false;
    // The due date of a reminder line, as GetRecordDate reads it.
    std::string_view Date;
};

using TLines = std::vector<std::string_view>;
using TStates = std::unordered_map<std::string_view, TLineState>;

TLines SplitLines(const std::string& text) {
    TLines lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t lineFeed = text.find('\n', start);
        const std::size_t end = lineFeed == std::string::npos ? text.size() : lineFeed + 1;
        lines.push_back(GetLineContent(std::string_view(text).substr(start, end - start)));
        start = end;
    }
    return lines;
}

int MergeCounts(const TLineState& state) {
    const int common = state.Count[Common];
    if (state.Count[Ours] == common) {
        return state.Count[Theirs];
    }
    if (state.Count[Theirs] == common) {
        return state.Count[Ours];
    }
    return std::max(state.Count[Ours], state.Count[Theirs]);
}

// Reminders in due order; equal dates in byte order.
bool ComesEarlier(std::string_view left, std::string_view right) {
    return std::make_tuple(GetRecordDate(left), left) < std::make_tuple(GetRecordDate(right), right);
}

// The voice note and text of a reminder line: what stays while it is snoozed or moved on.
std::string_view GetReminderBody(std::string_view line) { return line.substr(line.find('|')); }

std::string_view GetRuleText(std::string_view line) {
    const std::string_view dueField = line.substr(0, line.find('|'));
    const std::string_view date = GetRecordDate(line);
    return dueField.size() > date.size() ? dueField.substr(date.size() + 1) : std::string_view();
}

// Two occurrences of one series: the same reminder and rule, but for the day of the month a
// shorter month made it keep.
bool AreOneSeries(std::string_view left, std::string_view right) {
    const std::string_view leftRule = GetRuleText(left);
    const std::string_view rightRule = GetRuleText(right);
    if (leftRule.empty() || rightRule.empty() || GetReminderBody(left) != GetReminderBody(right)) {
        return false;
    }
    TRepeatRule leftParsed;
    TRepeatRule rightParsed;
    if (!ParseRepeatRule(std::string(leftRule), leftParsed) || !ParseRepeatRule(std::string(rightRule), rightParsed)) {
        return leftRule == rightRule;
    }
    return leftParsed.Unit == rightParsed.Unit && leftParsed.Count == rightParsed.Count;
}

// The first line of candidates, in byte order, of the series and not yet taken.
std::string_view FindSeriesLine(const std::vector<std::string_view>& candidates, std::string_view series,
                                const std::unordered_set<std::string_view>& taken) {
    for (const std::string_view candidate : candidates) {
        if (AreOneSeries(candidate, series) && taken.count(candidate) == 0) {
            return candidate;
        }
    }
    return {};
}

// A series both sides moved on from the common version: the earlier of the two new occurrences goes.
void KeepLaterOccurrences(TStates& states) {
    std::vector<std::string_view> movedOnBoth;
    std::vector<std::string_view> newOnOneSide[SideCount];
    for (const auto& [line, state] : states) {
        if (!state.HoldsRecord || GetRuleText(line).empty()) {
            continue;
        }
        const int common = state.Count[Common];
        if (common > 0 && state.Count[Ours] < common && state.Count[Theirs] < common) {
            movedOnBoth.push_back(line);
        } else if (common == 0 && (state.Count[Ours] == 0) != (state.Count[Theirs] == 0)) {
            newOnOneSide[state.Count[Ours] > 0 ? Ours : Theirs].push_back(line);
        }
    }
    std::sort(movedOnBoth.begin(), movedOnBoth.end());
    std::sort(newOnOneSide[Ours].begin(), newOnOneSide[Ours].end());
    std::sort(newOnOneSide[Theirs].begin(), newOnOneSide[Theirs].end());
    std::unordered_set<std::string_view> taken;
    for (const std::string_view old : movedOnBoth) {
        const std::string_view ours = FindSeriesLine(newOnOneSide[Ours], old, taken);
        const std::string_view theirs = FindSeriesLine(newOnOneSide[Theirs], old, taken);
        if (ours.data() != nullptr && theirs.data() != nullptr) {
            taken.insert(ours);
            taken.insert(theirs);
            states[ComesEarlier(ours, theirs) ? ours : theirs].Result = 0;
        }
    }
}

// Where an unreadable line goes: below the reminder line it followed on a side (the nearest one
// above it that stays), at its place among the unreadable lines there.
struct TPlace {
    std::string_view Reminder;
    std::size_t Position = 0;
};

bool IsEarlierPlace(const TPlace& left, const TPlace& right) {
    if (left.Reminder.data() == nullptr || right.Reminder.data() == nullptr) {
        return left.Reminder.data() == nullptr && (right.Reminder.data() != nullptr || left.Position < right.Position);
    }
    if (left.Reminder != right.Reminder) {
        return ComesEarlier(left.Reminder, right.Reminder);
    }
    return left.Position < right.Position;
}

std::unordered_map<std::string_view, TPlace> PlaceUnreadableLines(const TLines sides[SideCount], const TStates& states) {
    std::unordered_map<std::string_view, TPlace> places;
    for (const int side : {Ours, Theirs}) {
        std::string_view reminder;
        std::size_t position = 0;
        for (const std::string_view line : sides[side]) {
            const TLineState& state = states.at(line);
            if (state.HoldsRecord) {
                if (state.Result > 0) {
                    reminder = line;
                    position = 0;
                }
                continue;
            }
            const TPlace place{reminder, position++};
            const auto [found, added] = places.emplace(line, place);
            if (!added && IsEarlierPlace(place, found->second)) {
                found->second = place;
            }
        }
    }
    return places;
}

std::string WriteLines(const TStates& states, const std::unordered_map<std::string_view, TPlace>& places) {
    using TEntry = std::pair<std::string_view, const TLineState*>;
    std::vector<TEntry> reminders;
    std::vector<std::pair<TPlace, TEntry>> others;
    std::size_t size = 0;
    for (const auto& entry : states) {
        const TLineState& state = entry.second;
        if (state.Result == 0) {
            continue;
        }
        size += (entry.first.size() + 2) * static_cast<std::size_t>(state.Result);
        if (state.HoldsRecord) {
            reminders.emplace_back(entry.first, &state);
        } else {
            others.emplace_back(places.at(entry.first), TEntry(entry.first, &state));
        }
    }
    std::sort(reminders.begin(), reminders.end(), [](const TEntry& left, const TEntry& right) {
        return left.second->Date != right.second->Date ? left.second->Date < right.second->Date : left.first < right.first;
    });
    std::sort(others.begin(), others.end(), [](const auto& left, const auto& right) {
        return IsEarlierPlace(left.first, right.first) ||
               (!IsEarlierPlace(right.first, left.first) && left.second.first < right.second.first);
    });
    std::string text;
    text.reserve(size);
    const auto writeLine = [&text](const TEntry& entry) {
        for (int copy = 0; copy < entry.second->Result; ++copy) {
            text += entry.first;
            text += "\r\n";
        }
    };
    auto other = others.begin();
    for (; other != others.end() && other->first.Reminder.data() == nullptr; ++other) {
        writeLine(other->second);
    }
    for (const TEntry& reminder : reminders) {
        writeLine(reminder);
        for (; other != others.end() && other->first.Reminder == reminder.first; ++other) {
            writeLine(other->second);
        }
    }
    return text;
}

}  // namespace

std::string MergeDataFileTexts(std::optional<std::string_view> common, std::string_view ours, std::string_view theirs) {
    const std::string texts[SideCount] = {common ? ReadDataFileText(std::string(*common)) : std::string(),
                                          ReadDataFileText(std::string(ours)), ReadDataFileText(std::string(theirs))};
    if (texts[Ours] == texts[Theirs] || (common && texts[Common] == texts[Theirs])) {
        return texts[Ours];
    }
    if (common && texts[Common] == texts[Ours]) {
        return texts[Theirs];
    }
    const TLines sides[SideCount] = {SplitLines(texts[Common]), SplitLines(texts[Ours]), SplitLines(texts[Theirs])};
    TStates states;
    states.reserve(sides[Ours].size() + sides[Theirs].size());
    for (const int side : {Common, Ours, Theirs}) {
        for (const std::string_view line : sides[side]) {
            ++states[line].Count[side];
        }
    }
    for (auto& [line, state] : states) {
        state.Result = MergeCounts(state);
        state.HoldsRecord = HoldsRecord(line);
        state.Date = state.HoldsRecord ? GetRecordDate(line) : std::string_view();
    }
    KeepLaterOccurrences(states);
    return WriteLines(states, PlaceUnreadableLines(sides, states));
}
