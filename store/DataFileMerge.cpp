#include "store/DataFileMerge.h"

#include "store/DataFileEncoding.h"
#include "store/DataFileMemory.h"
#include "store/DueOrderLines.h"
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

TLines SplitLines(std::string_view text) {
    TLines lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t lineFeed = text.find('\n', start);
        const std::size_t end = lineFeed == std::string_view::npos ? text.size() : lineFeed + 1;
        lines.push_back(GetLineContent(text.substr(start, end - start)));
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

// A line and its state, wherever the state is kept.
using TStateEntry = std::pair<std::string_view, TLineState*>;

bool HasEarlierBytes(const TStateEntry& left, const TStateEntry& right) { return left.first < right.first; }

// The first line of candidates, in byte order, of the series and not yet taken.
const TStateEntry* FindSeriesLine(const std::vector<TStateEntry>& candidates, std::string_view series,
                                  const std::unordered_set<std::string_view>& taken) {
    for (const TStateEntry& candidate : candidates) {
        if (AreOneSeries(candidate.first, series) && taken.count(candidate.first) == 0) {
            return &candidate;
        }
    }
    return nullptr;
}

// A series both sides moved on from the common version: the earlier of the two new occurrences
// goes. States is any range of (line, state) pairs.
template <typename TStateRange>
void KeepLaterOccurrences(TStateRange& states) {
    std::vector<TStateEntry> movedOnBoth;
    std::vector<TStateEntry> newOnOneSide[SideCount];
    for (auto& [line, state] : states) {
        if (!state.HoldsRecord || GetRuleText(line).empty()) {
            continue;
        }
        const int common = state.Count[Common];
        if (common > 0 && state.Count[Ours] < common && state.Count[Theirs] < common) {
            movedOnBoth.emplace_back(line, &state);
        } else if (common == 0 && (state.Count[Ours] == 0) != (state.Count[Theirs] == 0)) {
            newOnOneSide[state.Count[Ours] > 0 ? Ours : Theirs].emplace_back(line, &state);
        }
    }
    std::sort(movedOnBoth.begin(), movedOnBoth.end(), HasEarlierBytes);
    std::sort(newOnOneSide[Ours].begin(), newOnOneSide[Ours].end(), HasEarlierBytes);
    std::sort(newOnOneSide[Theirs].begin(), newOnOneSide[Theirs].end(), HasEarlierBytes);
    std::unordered_set<std::string_view> taken;
    for (const TStateEntry& old : movedOnBoth) {
        const TStateEntry* ours = FindSeriesLine(newOnOneSide[Ours], old.first, taken);
        const TStateEntry* theirs = FindSeriesLine(newOnOneSide[Theirs], old.first, taken);
        if (ours != nullptr && theirs != nullptr) {
            taken.insert(ours->first);
            taken.insert(theirs->first);
            (ComesEarlier(ours->first, theirs->first) ? ours : theirs)->second->Result = 0;
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

// Visits each distinct line of the three sides once, in due order, with its counts; false, having
// visited only some, when a side turns out not to be in due order.
template <typename TVisit>
bool WalkInDueOrder(const std::string_view texts[SideCount], TDueOrderLines (&sides)[SideCount], TVisit visit) {
    for (const int side : {Common, Ours, Theirs}) {
        sides[side] = TDueOrderLines(texts[side]);
    }
    for (;;) {
        const TDueOrderLines* earliest = nullptr;
        for (const TDueOrderLines& side : sides) {
            if (!side.IsInOrder()) {
                return false;
            }
            if (!side.IsAtEnd() && (earliest == nullptr || side.ComesBefore(*earliest))) {
                earliest = &side;
            }
        }
        if (earliest == nullptr) {
            return true;
        }
        TLineState state;
        state.HoldsRecord = true;
        state.Date = earliest->GetDate();
        const std::string_view line = earliest->GetLine();
        for (const int side : {Common, Ours, Theirs}) {
            for (; !sides[side].IsAtEnd() && IsSameLine(sides[side].GetLine(), line); sides[side].Advance()) {
                ++state.Count[side];
            }
        }
        state.Result = MergeCounts(state);
        visit(line, state);
    }
}

// The merge of three texts that hold only reminders, each put in due order first unless it is
// (as the program writes them): one walk along the three at once. Nothing when a text holds
// another line, whose place depends on the lines around it.
std::optional<std::string> MergeInDueOrder(const std::string_view (&sideTexts)[SideCount]) {
    std::string_view texts[SideCount] = {sideTexts[Common], sideTexts[Ours], sideTexts[Theirs]};
    std::string ordered[SideCount];
    TDueOrderLines sides[SideCount] = {TDueOrderLines(texts[Common]), TDueOrderLines(texts[Ours]),
                                       TDueOrderLines(texts[Theirs])};
    std::vector<std::pair<std::string_view, int>> results;
    // Lines of a series, with their place in results, for the series moved on at both ends.
    std::vector<std::pair<std::string_view, TLineState>> seriesLines;
    std::vector<std::size_t> seriesPlaces;
    const auto count = [&](std::string_view line, const TLineState& state) {
        // A due field longer than its date holds a rule.
        if (line.size() > state.Date.size() && line[state.Date.size()] != '|') {
            seriesLines.emplace_back(line, state);
            seriesPlaces.push_back(results.size());
        }
        results.emplace_back(line, state.Result);
    };
    while (!WalkInDueOrder(texts, sides, count)) {
        for (const int side : {Common, Ours, Theirs}) {
            if (!sides[side].HoldsOnlyReminders()) {
                return std::nullopt;
            }
            if (!sides[side].IsInOrder()) {
                ordered[side] = PutInDueOrder(texts[side]);
                texts[side] = ordered[side];
            }
        }
        results.clear();
        seriesLines.clear();
        seriesPlaces.clear();
    }
    KeepLaterOccurrences(seriesLines);
    for (std::size_t index = 0; index < seriesLines.size(); ++index) {
        results[seriesPlaces[index]].second = seriesLines[index].second.Result;
    }
    std::size_t size = 0;
    for (const auto& [line, result] : results) {
        size += (line.size() + 2) * static_cast<std::size_t>(result);
    }
    std::string text;
    text.reserve(size);
    for (const auto& [line, result] : results) {
        for (int copy = 0; copy < result; ++copy) {
            text += line;
            text += "\r\n";
        }
    }
    return text;
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
    std::string decoded[SideCount];
    std::string_view texts[SideCount] = {common ? *common : std::string_view(), ours, theirs};
    for (const int side : {Common, Ours, Theirs}) {
        if (!IsDataFileTextAsItStands(texts[side])) {
            decoded[side] = ReadDataFileText(std::string(texts[side]));
            texts[side] = decoded[side];
        }
    }
    if (texts[Ours] == texts[Theirs] || (common && texts[Common] == texts[Theirs])) {
        return std::string(texts[Ours]);
    }
    if (common && texts[Common] == texts[Ours]) {
        return std::string(texts[Theirs]);
    }
    if (std::optional<std::string> merged = MergeInDueOrder(texts)) {
        return std::move(*merged);
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
