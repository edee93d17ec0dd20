#pragma once

#include <windows.h>

// A library loaded from the system folder only. A library loaded by its name alone is looked for
// in the program's folder first, and the portable program is often unpacked where any web page
// can drop a file of that name. Like an imported library it stays loaded until the process ends:
// threads of its own (the help viewer's, the sound devices') may run until then, and would crash
// in a library freed under them.
class TSystemLibrary {
public:
    explicit TSystemLibrary(const wchar_t* fileName);
    TSystemLibrary(const TSystemLibrary&) = delete;
    TSystemLibrary& operator=(const TSystemLibrary&) = delete;

    bool IsLoaded() const { return Module != nullptr; }
    // Null when the library or the function is missing. The name may be an ordinal
    // (MAKEINTRESOURCEA).
    template <typename TFunction>
    TFunction GetFunction(const char* name) const {
        return reinterpret_cast<TFunction>(GetProcedure(name));
    }

private:
    void* GetProcedure(const char* name) const;

    HMODULE Module;
};

// A function that newer systems add to a system library the program has loaded already; null
// where the system is older. Imported statically, it would stop the program from starting there.
template <typename TFunction>
TFunction FindNewerSystemFunction(const wchar_t* loadedLibrary, const char* name) {
    return reinterpret_cast<TFunction>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(loadedLibrary), name)));
}

// Every later load by name, also the ones that the system's own libraries make, looks in the
// system folder only. False where the system cannot do that (Windows 7 without update
// KB2533623); the current folder is then at least taken out of the search.
bool RestrictLibrarySearchToSystemFolder();
