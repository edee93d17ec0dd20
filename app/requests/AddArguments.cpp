#include "app/requests/AddArguments.h"

#include "app/requests/CountdownText.h"
#include "store/RepeatRule.h"

namespace {

TDateTimeText ReadWhen(const std::wstring& word, const TDateTimeText& now) {
    std::string when;
    if (!ReadAscii(word, when)) {
        return TDateTimeText();
    }
    if (IsCountdown(when)) {
        return AddDuration(now, when);
    }
    return IsDateTimeText(when) ? when : TDateTimeText();
}

}  // namespace

TAddArgumentsProblem ReadAddArguments(const std::vector<std::wstring>& words, const TDateTimeText& now,
                                      TNotification& reminder) {
    if (words.size() < 2 || words.size() > 3) {
        return TAddArgumentsProblem::Usage;
    }
    TNotification read(ReadWhen(words[0], now), words[1]);
    if (read.Date.empty()) {
        return TAddArgumentsProblem::When;
    }
    // The data file holds one reminder a line.
    if (read.Text.find_first_of(L"\r\n") != std::wstring::npos) {
        return TAddArgumentsProblem::Text;
    }
    if (words.size() == 3) {
        std::string ruleText;
        TRepeatRule rule;
        if (!ReadAscii(words[2], ruleText) || !ParseRepeatRule(ruleText, rule)) {
            return TAddArgumentsProblem::Rule;
        }
        // A series due this very second starts now, as a reminder due now fires now.
        read.Date = GetFirstOccurrence(read.Date, rule, AddDuration(now, "00:00:-1"));
        if (read.Date.empty()) {
            return TAddArgumentsProblem::When;
        }
        read.Repeat = FormatRepeatRule(rule);
    }
    reminder = read;
    return TAddArgumentsProblem::None;
}
