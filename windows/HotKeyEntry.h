#pragma once

#include "ui/ControlCheckBox.h"
#include "ui/ControlHotKey.h"
#include "windows/HotKeysConfigWindow.h"

#include <string>

// One action's row: a check box that says whether the action has a hot key at all, and the field
// that holds the combination, usable only while the box is checked.
class THotKeysConfigWindow::THotKeyEntry : public TWindow::TControl {
public:
    THotKeyEntry(TWindow& owner, const std::wstring& caption);

    TControlCheckBox& GetCheckBox() { return CheckBox; }
    TControlHotKey& GetHotKeyField() { return HotKeyField; }
    // The check box takes labelWidth; the field follows it on the same row.
    void Move(TPoint position, int labelWidth);

private:
    TControlCheckBox CheckBox;
    TControlHotKey HotKeyField;
};
