#include "app/datafolder/ReminderJoin.h"

#include <set>

namespace {

std::vector<std::string> SplitKeepingEnds(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t lineFeed = text.find('\n', start);
        const std::size_t end = lineFeed == std::string::npos ? text.size() : lineFeed + 1;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

bool IsBlank(const std::string& content) { return content.find_first_not_of(" \t") == std::string::npos; }

}  // namespace

std::string WithoutLineEnd(const std::string& line) {
    std::string content = line;
    while (!content.empty() && (content.back() == '\n' || content.back() == '\r')) {
        content.pop_back();
    }
    return content;
}

std::vector<std::string> FindLinesToJoin(const std::string& targetText, const std::string& sourceText) {
    std::set<std::string> known;
    for (const std::string& line : SplitKeepingEnds(targetText)) {
        known.insert(WithoutLineEnd(line));
    }
    std::vector<std::string> joined;
    for (const std::string& line : SplitKeepingEnds(sourceText)) {
        const std::string content = WithoutLineEnd(line);
        if (!IsBlank(content) && known.insert(content).second) {
            joined.push_back(line);
        }
    }
    return joined;
}

std::string AppendLines(std::string targetText, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        if (!targetText.empty() && targetText.back() != '\n') {
            targetText += "\r\n";
        }
        targetText += WithoutLineEnd(line) + "\r\n";
    }
    return targetText;
}
