#pragma once

#include "ui/ControlButton.h"
#include "ui/ControlCancelHandler.h"
#include "ui/ControlCheckBox.h"
#include "ui/ControlDatePicker.h"
#include "ui/ControlEdit.h"
#include "ui/ControlHotKey.h"
#include "ui/ControlLabel.h"
#include "ui/ControlLink.h"
#include "ui/ControlRadioButtons.h"
#include "ui/ControlTable.h"
#include "ui/ControlTimePicker.h"
#include "ui/ControlTwoStateButton.h"

#include <vector>

// One window that carries one of every control, each placed at its preferred size in a column,
// to be looked at.
class TControlShowcase {
public:
    struct TPlacement {
        HWND handle;
        TPoint position;
        TSize size;
    };

    TControlShowcase();

    TWindow& GetWindow() { return Window; }
    const std::vector<TPlacement>& GetPlacements() const { return Placements; }

private:
    void Place(HWND handle, TSize size);

    TWindow Window;
    TControlButton Button;
    TControlTwoStateButton TwoStateButton;
    TControlCheckBox CheckBox;
    TControlLabel Label;
    TControlEdit Edit;
    TControlLink Link;
    TControlDatePicker DatePicker;
    TControlTimePicker TimePicker;
    TControlTimePicker CountdownPicker;
    TControlHotKey HotKey;
    TControlRadioButtons RadioButtons;
    TControlTable Table;
    TControlCancelHandler CancelHandler;
    std::vector<TPlacement> Placements;
    int NextTop = 5;
    int Widest = 0;
};
