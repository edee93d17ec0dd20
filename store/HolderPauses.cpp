#include "store/HolderPauses.h"

#include <algorithm>

namespace {

const DWORD FirstPause = 10;
const DWORD LongestPause = 250;
const DWORD PauseTotal = 2000;

}  // namespace

THolderPauses::THolderPauses(THolderWait wait)
    : Total(wait == THolderWait::AboutTwoSeconds ? PauseTotal : 0), Next(FirstPause) {}

bool THolderPauses::Pause() {
    if (Paused >= Total) {
        return false;
    }
    const DWORD pause = std::min(Next, Total - Paused);
    Sleep(pause);
    Paused += pause;
    Next = std::min(Next * 2, LongestPause);
    return true;
}

bool IsHeldByAnotherProgram(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_ACCESS_DENIED;
}
