#pragma once

// Where this test program calls a system function: its slot in the program's import table,
// through which every call of the program's own code goes. Null when the program imports no
// function of that name.
void** FindImportSlot(const char* function);
void WriteImportSlot(void** slot, void* function);

// Puts a function of the test in the place of a system function for as long as it lives, and
// gives the place back when it ends. One at a time for each function.
template <typename TFunction>
class TImportReplacement {
public:
    // The system's function goes into original before any call can reach the replacement.
    TImportReplacement(const char* function, TFunction replacement, TFunction& original)
        : Slot(FindImportSlot(function)) {
        if (Slot != nullptr) {
            Original = original = reinterpret_cast<TFunction>(*Slot);
            WriteImportSlot(Slot, reinterpret_cast<void*>(replacement));
        }
    }
    ~TImportReplacement() {
        if (Slot != nullptr) {
            WriteImportSlot(Slot, reinterpret_cast<void*>(Original));
        }
    }
    TImportReplacement(const TImportReplacement&) = delete;
    TImportReplacement& operator=(const TImportReplacement&) = delete;

    bool IsReplacing() const { return Slot != nullptr; }

private:
    void** Slot;
    TFunction Original = nullptr;
};
