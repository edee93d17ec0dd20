#include "app/settings/SettingsText.h"

#include "store/DataFileEncoding.h"

#include <vector>

namespace {

const char HoldName[] = "HoldDuringFullScreen";
const char QuietName[] = "DoNotDisturbUntil";
const char UntilTurnedOff[] = "TurnedOff";
const char DataFolderName[] = "DataFolder";

// The lines of the text without their ends; a last line without an end counts. The file is read
// as the data file is, whatever form an editor saved it in.
std::vector<std::string> SplitLines(std::string_view bytes) {
    const std::string content = ReadDataFileText(std::string(bytes));
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        if (end == std::string::npos) {
            end = content.size();
        }
        std::string line(content.substr(start, end - start));
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::string GetName(const std::string& line) { return line.substr(0, line.find(':')); }

std::string GetValue(const std::string& line) {
    const std::size_t colon = line.find(':');
    return colon == std::string::npos ? std::string() : line.substr(colon + 1);
}

void ReadHold(const std::string& value, TSettings& settings) {
    if (value == "Yes" || value == "No") {
        settings.HoldDuringFullScreen = value == "Yes";
    }
}

void ReadQuiet(const std::string& value, TSettings& settings) {
    if (value == UntilTurnedOff) {
        settings.Quiet.Kind = TQuietTime::TKind::UntilTurnedOff;
    } else if (IsDateTimeText(value)) {
        settings.Quiet.Kind = TQuietTime::TKind::Until;
        settings.Quiet.End = value;
    }
}

std::string FormatHold(const TSettings& settings) {
    return std::string(HoldName) + ":" + (settings.HoldDuringFullScreen ? "Yes" : "No");
}

// Empty for the default folder.
std::string FormatDataFolder(const TSettings& settings) {
    return settings.DataFolder ? std::string(DataFolderName) + ":" + *settings.DataFolder : std::string();
}

// Empty while quiet is off.
std::string FormatQuiet(const TSettings& settings) {
    switch (settings.Quiet.Kind) {
    case TQuietTime::TKind::Until:
        return std::string(QuietName) + ":" + settings.Quiet.End;
    case TQuietTime::TKind::UntilTurnedOff:
        return std::string(QuietName) + ":" + UntilTurnedOff;
    default:
        return std::string();
    }
}

std::string WriteLines(const std::vector<std::string>& lines, const TSettings& settings) {
    std::vector<std::string> ours = {FormatHold(settings), FormatQuiet(settings), FormatDataFolder(settings)};
    const std::string names[] = {HoldName, QuietName, DataFolderName};
    std::string written;
    for (const std::string& line : lines) {
        bool known = false;
        for (std::size_t index = 0; index < ours.size(); ++index) {
            if (GetName(line) == names[index]) {
                known = true;
                written += ours[index].empty() ? "" : ours[index] + "\r\n";
                ours[index].clear();
            }
        }
        if (!known) {
            written += line + "\r\n";
        }
    }
    for (const std::string& line : ours) {
        if (!line.empty()) {
            written += line + "\r\n";
        }
    }
    return written;
}

}  // namespace

TSettings ReadSettings(std::string_view content) {
    TSettings settings;
    bool holdRead = false;
    bool quietRead = false;
    bool dataFolderRead = false;
    for (const std::string& line : SplitLines(content)) {
        const std::string name = GetName(line);
        if (name == HoldName && !holdRead) {
            holdRead = true;
            ReadHold(GetValue(line), settings);
        } else if (name == QuietName && !quietRead) {
            quietRead = true;
            ReadQuiet(GetValue(line), settings);
        } else if (name == DataFolderName && !dataFolderRead) {
            dataFolderRead = true;
            settings.DataFolder = GetValue(line);
        }
    }
    return settings;
}

// A user's line that begins with a byte-order mark must not begin the file, which would read as
// another form the next time: the hold's line goes first then.
std::string WriteSettings(std::string_view content, const TSettings& settings) {
    std::vector<std::string> lines = SplitLines(content);
    std::string written = WriteLines(lines, settings);
    if (ReadDataFileText(written) != written) {
        lines.insert(lines.begin(), FormatHold(settings));
        written = WriteLines(lines, settings);
    }
    return written;
}
