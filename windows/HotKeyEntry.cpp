#include "windows/HotKeyEntry.h"

#include "ui/AccessKeyText.h"

THotKeysConfigWindow::THotKeyEntry::THotKeyEntry(TWindow& owner, const std::wstring& caption)
    : TControl(owner), CheckBox(owner, caption), HotKeyField(owner) {
    // The field says which action it binds only through the check box before it.
    HotKeyField.SetAccessibleName(RemoveAccessKeyMarks(caption));
    const auto enableField = [this] { EnableWindow(HotKeyField.GetHandle(), CheckBox.IsChecked() ? TRUE : FALSE); };
    CheckBox.SetOnChange(enableField);
    enableField();
}

void THotKeysConfigWindow::THotKeyEntry::Move(TPoint position, int labelWidth) {
    CheckBox.Move(position, TSize{labelWidth, CheckBox.GetPreferredSize().height});
    HotKeyField.Move(TPoint{position.x + labelWidth + GetWindow().ScaleForDpi(5), position.y}, HotKeyField.GetPreferredSize());
}
