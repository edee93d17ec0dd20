#include "windows/HotKeyEntry.h"

THotKeysConfigWindow::THotKeyEntry::THotKeyEntry(TWindow& owner, const std::wstring& caption)
    : TControl(owner), CheckBox(owner, caption), HotKeyField(owner) {
    const auto enableField = [this] { EnableWindow(HotKeyField.GetHandle(), CheckBox.IsChecked() ? TRUE : FALSE); };
    CheckBox.SetOnChange(enableField);
    enableField();
}

void THotKeysConfigWindow::THotKeyEntry::Move(TPoint position, int labelWidth) {
    CheckBox.Move(position, TSize{labelWidth, CheckBox.GetPreferredSize().height});
    HotKeyField.Move(TPoint{position.x + labelWidth + GetWindow().ScaleForDpi(5), position.y}, HotKeyField.GetPreferredSize());
}
