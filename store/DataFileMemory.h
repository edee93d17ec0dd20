#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// What the store knows of its data file: its text, every line in due order, and for each line
// that holds a reminder the reminder's ID. A line that holds none stays with the reminder line
// above it (those above every reminder stay on top), so that a person's line the program cannot
// read is written back where it stood, byte for byte. When the file is read again the IDs follow
// the lines by their content, and no ID is given twice: a window holding an old ID can never reach
// another reminder. A line that went with a read and comes back unchanged with a later one (the
// file restored, or read while another program had written only part of it) gets its ID back. The text is kept whole, so that telling whether the file changed and writing
// it anew cost little more than copying it. Nothing here touches the file.
class TDataFileMemory {
public:
    // At most one line goes and one comes, both placed among the lines as they are before it.
    struct TChange {
        std::ptrdiff_t Removed = -1;
        // A whole line with its line end; empty for none.
        std::string Inserted;
        // The position before which it goes, counted with the removed line still there.
        std::size_t InsertedAt = 0;
        // The ID it keeps; -1 gives it a new one.
        std::int32_t InsertedId = -1;
        // In place of all the text, for a merge with another version of the file: every line
        // that stays keeps its ID, as when the file is read again.
        std::optional<std::string> WholeText;
    };

    // IDs from the limit on are never given.
    explicit TDataFileMemory(std::int32_t idLimit = std::numeric_limits<std::int32_t>::max());

    // Takes the data file's bytes as read; nothing to do when they are the ones known. Gives
    // whether its lines changed. Throws the store's logic error when no ID is left for a new line.
    bool Follow(const std::string& bytes);

    // The lines as the program writes them: UTF-8, in due order.
    const std::string& GetText() const { return Text; }
    std::size_t GetLineCount() const { return Lines.size(); }
    // With the line end it has in the file; the last line of a file may have none.
    std::string_view GetLineBytes(std::size_t position) const;
    // -1 for a line that holds no reminder.
    std::int32_t GetId(std::size_t position) const { return Lines[position].Id; }
    // -1 when none.
    std::ptrdiff_t FindId(std::int32_t id) const;
    std::ptrdiff_t FindEarliest() const;
    // Where a reminder due at date goes: before the first other reminder not due before it, so
    // that the newest comes first among equal dates.
    std::size_t FindDuePlace(std::string_view date, std::ptrdiff_t removed = -1) const;
    bool HasFreeId() const { return NextId < IdLimit; }

    // The bytes of the file as the change leaves it, valid until the next call.
    const std::string& Prepare(const TChange& change);
    // Once the file holds what Prepare gave for the change; returns the inserted line's ID, or -1.
    std::int32_t Commit(const TChange& change);
    // Of the text the last Commit wrote, also after the memory followed others' since; 0 before
    // any. Worked out only when asked, or when the memory is about to follow another text.
    std::uint64_t GetCommittedFingerprint();

private:
    struct TLine {
        std::size_t Start;
        std::size_t Size;
        std::int32_t Id;
    };

    static std::string PutInDueOrder(std::string text, std::vector<TLine>& lines);
    void GiveIds(std::vector<TLine>& lines, const std::string& text);
    void RememberGone(const std::unordered_multimap<std::string_view, std::int32_t>& lines);
    std::int32_t TakeNewId();

    std::string Text;
    std::vector<TLine> Lines;
    // The contents of reminder lines that went with a read, with their IDs.
    std::unordered_multimap<std::string, std::int32_t> Gone;
    // The file holds Text itself, or else the bytes of this fingerprint (another encoding, another
    // order).
    bool TextIsTheFile = true;
    std::uint64_t Fingerprint = 0;
    std::string Next;
    std::int32_t NextId = 0;
    std::int32_t IdLimit;
    bool CommittedPending = false;
    std::uint64_t Committed = 0;
};

// The store's logic error when every ID is taken.
[[noreturn]] void ThrowNoFreeId();
// A line's bytes without its line end.
std::string_view GetLineContent(std::string_view bytes);
// Whether a line that holds no reminder holds anything at all worth telling the user of.
bool IsBlankLine(std::string_view bytes);
