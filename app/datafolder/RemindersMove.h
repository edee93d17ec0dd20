#pragma once

#include <functional>
#include <stdexcept>
#include <string>

class TNotificationsDb;

// Why a move of the reminders failed, in the user's language, naming both folders; everything
// is then where it was.
class TRemindersMoveFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Puts the store's reminders and their voice notes into the folder, and the store there, in four
// steps, each only after the one before succeeded:
// 1. copy: the notes are copied under names free there, and a new data file is written beside
//    the folder's own: a copy of the store's file, or, when the folder holds a data file already
//    (another PC put it there), that file with every line of the store's that it lacks; lines
//    whose notes had to take another name name the new one;
// 2. check: every copy is read back and compared, and only then does the data file take its place;
// 3. switch: recordChoice writes the choice into the settings, and the store moves there;
// 4. removal of the old data file and of the notes that were copied.
// The store's data file is held against writers from the first step to the third. A failure in
// the first three removes what was copied (and puts back the folder's data file as it was) and
// throws TRemindersMoveFailure. Gives whether the old files could all be removed.
bool MoveReminders(TNotificationsDb& store, const std::wstring& folder, const std::function<bool()>& recordChoice);
