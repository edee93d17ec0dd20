#pragma once

// The slot of a system function in this test program's import table, through which every call of
// the program's own code goes; null when the program imports no function of that name.
void** FindImportSlot(const char* function);
void WriteImportSlot(void** slot, void* function);

// Puts a function of the test in a system function's place for its lifetime. The system's
// function is in original before any call can reach the replacement. One at a time per function.
template <typename TFunction>
class TImportReplacement {
public:
    TImportReplacement(const char* function, TFunction replacement, TFunction& original)
        : Slot(FindImportSlot(function)), Original(Slot ? reinterpret_cast<TFunction>(*Slot) : nullptr) {
        original = Original;
        if (Slot) {
            WriteImportSlot(Slot, reinterpret_cast<void*>(replacement));
        }
    }
    ~TImportReplacement() {
        if (Slot) {
            WriteImportSlot(Slot, reinterpret_cast<void*>(Original));
        }
    }
    TImportReplacement(const TImportReplacement&) = delete;
    TImportReplacement& operator=(const TImportReplacement&) = delete;

    bool IsReplacing() const { return Slot != nullptr; }

private:
    void** Slot;
    TFunction Original;
};
