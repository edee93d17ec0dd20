#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The lines of a data file's text, read one at a time while each holds a reminder and none comes
// before the one above it: due dates in order, equal due dates in byte order. The program writes
// the data file so, which lets a merge walk along several texts at once instead of sorting them.
// A line comes without its line end.
class TDueOrderLines {
public:
    explicit TDueOrderLines(std::string_view text);

    bool IsAtEnd() const { return AtEnd; }
    // False from the first line that holds no reminder, or that comes before the line above it.
    bool IsInOrder() const { return InOrder; }
    bool HoldsOnlyReminders() const { return OnlyReminders; }
    std::string_view GetLine() const { return Line; }
    std::string_view GetDate() const { return Date; }
    // Whether this line comes before the other's in due order.
    bool ComesBefore(const TDueOrderLines& other) const;
    void Advance();

private:
    std::string_view Text;
    std::size_t Next = 0;
    std::string_view Line;
    std::string_view Date;
    bool AtEnd = false;
    bool InOrder = true;
    bool OnlyReminders = true;
};

// The lines of a text that holds only reminders, put in due order, each ended by CR LF.
std::string PutInDueOrder(std::string_view text);

// Whether two lines are the same bytes; compared inline, as the order.
bool IsSameLine(std::string_view left, std::string_view right);
