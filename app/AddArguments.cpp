#include "app/AddArguments.h"

#include "store/RepeatRule.h"

namespace {

bool IsDigit(char character) { return character >= '0' && character <= '9'; }

// Every word that names a time or a rule is ASCII.
bool ReadAscii(const std::wstring& word, std::string& narrow) {
    narrow.clear();
    for (const wchar_t element : word) {
        if (element < 1 || element > 0x7F) {
            return false;
        }
        narrow += static_cast<char>(element);
    }
    return true;
}

// "H:MM:SS" to "HHHH:MM:SS": the duration form, with no sign and no field past its clock range.
bool IsCountdown(const std::string& when) {
    const std::size_t hourDigits = when.find(':');
    if (hourDigits < 1 || hourDigits > 4 || when.size() != hourDigits + 6 || when[hourDigits + 3] != ':') {
        return false;
    }
    for (std::size_t index = 0; index < when.size(); ++index) {
        if (index != hourDigits && index != hourDigits + 3 && !IsDigit(when[index])) {
            return false;
        }
    }
    return when[hourDigits + 1] < '6' && when[hourDigits + 4] < '6';
}

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
