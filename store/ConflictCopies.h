#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

// The conflict copies that sync services leave beside the data file (see ConflictCopyName.h), and
// the last version of the data file this PC had in common with the others, which a merge needs.
// That version is the file as last read from another program or PC while no copy stood beside
// it: then every PC had it. It is kept in a file of this PC's own, outside the synced folder.
//
// Every PC's program sees a copy, and two that merge it at once against different versions would
// write different bytes: the PC whose own last write the copy holds (it lost the race) merges it
// at once, any other only once the copy has stood for a while without that PC's program taking
// it (it does not run). A PC that lost without knowing a common version (it never read the file
// from another PC, all the changes were its own) waits longer still, for one that knows it.
class TConflictCopies {
public:
    struct TCopy {
        std::wstring Path;
        std::string Bytes;
    };

    // The common version is kept in pcFolder, a folder of this PC's own that no service syncs
    // (the settings' folder), under a name of the data file's folder; an empty one keeps none.
    TConflictCopies(const std::wstring& dataPath, std::wstring pcFolder);
    // The data file is another from now on.
    void MoveTo(const std::wstring& dataPath);

    // Looks in the folder; gives the copies to merge now. lastWritten: the fingerprint of what
    // this program last wrote into the data file, 0 for nothing.
    std::vector<TCopy> FindCopiesToMerge(std::uint64_t lastWritten);
    // Whether a copy waits for another PC's program, so that the folder is looked at again.
    bool IsWaiting() const { return !FirstSeen.empty(); }
    // Once it is merged; one that cannot be deleted is never merged again.
    void ForgetMerged(const TCopy& copy);

    const std::optional<std::string>& GetCommonVersion() const { return Common; }
    // The data file as read from another program or PC; kept unless a copy stands beside it.
    void KeepCommonVersion(const std::string& bytes);

private:
    std::wstring Folder;
    std::wstring DataFileName;
    std::wstring ComputerName;
    std::wstring PcFolder;
    std::wstring CommonPath;
    std::optional<std::string> Common;
    // Of each copy standing, when this program first saw it.
    std::map<std::wstring, unsigned long long> FirstSeen;
    std::set<std::pair<std::wstring, std::uint64_t>> Merged;
};
