#include "app/Entry.h"
#include "ui/SystemLibrary.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Before anything else loads a library: the system's own libraries load others by name too.
    RestrictLibrarySearchToSystemFolder();
    return RunNudgely();
}
