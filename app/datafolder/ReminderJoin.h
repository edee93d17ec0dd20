#pragma once

#include <string>
#include <vector>

// Two data files' texts (UTF-8, as ReadDataFileText gives them) joined into one when a PC's
// reminders come into a folder that already holds another's.

// The lines of the source, with their line ends, that the target lacks: a line of the same
// content (line ends aside) is there once already. Blank lines are left out, and a line that
// stands twice in the source comes once.
std::vector<std::string> FindLinesToJoin(const std::string& targetText, const std::string& sourceText);

// The target with the lines after it, each ending in CR LF (the target's last line gets one).
std::string AppendLines(std::string targetText, const std::vector<std::string>& lines);

// The line's content without its line end.
std::string WithoutLineEnd(const std::string& line);
