#pragma once

#include "ui/ChildWindow.h"
#include "ui/Window.h"

#include <string>
#include <vector>

// A drop-down list of fixed choices, one always chosen. The user's choices are reported, and so
// are the program's.
class TControlDropDown : public TWindow::TControl {
public:
    TControlDropDown(TWindow& owner, const std::vector<std::wstring>& choices);

    HWND GetHandle() const { return Native.GetHandle(); }
    // For screen readers, where no label stands before the field.
    void SetAccessibleName(const std::wstring& name) { Native.GetAnnotation().SetName(name); }
    // The height is the closed box's; the list drops below it.
    void Move(TPoint position, TSize size);
    // Room for the widest choice, the arrow button and a letter's air on each side; the closed
    // box's own height, which the system sets from the font.
    TSize GetPreferredSize() const;
    int GetSelection() const;
    // A choice outside the list leaves the first chosen.
    void Select(int index);
    // New texts for the same choices (the words that go with another count), the choice kept;
    // reported to nobody.
    void RenameChoices(const std::vector<std::wstring>& choices);
    // Texts the box must have room for besides its choices: the other forms of their words.
    void SetWidthSamples(std::vector<std::wstring> samples) { WidthSamples = std::move(samples); }
    void SetOnChange(THandler handler) { OnChange = std::move(handler); }

    bool ProcessMessage(TMessage& message) override;

private:
    std::vector<std::wstring> Choices;
    std::vector<std::wstring> WidthSamples;
    THandler OnChange;
    TChildWindow Native;  // last, so that it goes first
};
