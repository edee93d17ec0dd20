#pragma once

#include "ui/ChildWindow.h"
#include "ui/Window.h"

#include <string>

// A one-line edit box. It reports changes the user makes, never those made by SetText.
class TControlEdit : public TWindow::TControl {
public:
    explicit TControlEdit(TWindow& owner);

    HWND GetHandle() const { return Native.GetHandle(); }
    // For screen readers, where no label stands before the field.
    void SetAccessibleName(const std::wstring& name) { Native.GetAnnotation().SetName(name); }
    // The owner is repainted too, so that nothing of the old place stays behind.
    void Move(TPoint position, TSize size);
    TSize GetPreferredSize(const std::wstring& sample) const;
    // The text as of the last change notification or SetText.
    const std::wstring& GetText() const { return LastText; }
    void SetText(const std::wstring& text);
    void FocusAndSelectAll();
    void SetOnChange(THandler handler) { OnChange = std::move(handler); }

    bool ProcessMessage(TMessage& message) override;

private:
    std::wstring ReadNativeText() const;

    THandler OnChange;
    std::wstring LastText;
    TChildWindow Native;  // last, so that it goes first
};
