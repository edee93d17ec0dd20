#pragma once

#include "ui/ChildWindow.h"
#include "ui/Window.h"

#include <memory>
#include <string>
#include <vector>

// A group of mutually exclusive choices, one native radio button per caption. The first is chosen
// at the start. The owning window places each item on its own.
class TControlRadioButtons : public TWindow::TControl {
public:
    TControlRadioButtons(TWindow& owner, const std::vector<std::wstring>& captions);

    int GetItemCount() const { return static_cast<int>(Items.size()); }
    HWND GetItemHandle(int index) const { return Items.at(static_cast<size_t>(index))->GetHandle(); }
    void MoveItem(int index, TPoint position, TSize size) { Items.at(static_cast<size_t>(index))->Move(position, size); }
    // (0, 0) for an index outside the items.
    TSize GetPreferredSize(int index) const;
    // Checks only that item (none for an index outside the items) and reports it, changed or not.
    void Select(int index);
    // The first checked item; -1 for none.
    int GetSelection() const;
    // Gives the keyboard focus to the checked item; with none checked the focus stays where it is.
    void Focus();
    void SetOnChange(THandler handler) { OnChange = std::move(handler); }

    bool ProcessMessage(TMessage& message) override;

private:
    std::vector<std::wstring> Captions;
    THandler OnChange;
    std::vector<std::unique_ptr<TChildWindow>> Items;  // last, so that they go first
};
