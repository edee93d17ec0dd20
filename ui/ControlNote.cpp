#include "ui/ControlNote.h"

#include "ui/FaceColors.h"
#include "ui/SizeRules.h"

TControlNote::TControlNote(TWindow& owner)
    : TControl(owner),
      Native(owner.GetHandle(), {L"static", L"", WS_CHILD | SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_ENDELLIPSIS, 0,
                                 TSize{10, 10}}) {}

void TControlNote::SetText(const std::wstring& text) {
    Text = text;
    SetWindowTextW(Native.GetHandle(), Text.c_str());
    ShowWindow(Native.GetHandle(), Text.empty() ? SW_HIDE : SW_SHOWNA);
}

TSize TControlNote::GetPreferredSize() const { return GetScreenTextSize(GetWindow().GetHandle(), Text); }

bool TControlNote::ProcessMessage(TMessage& message) { return AnswerTextOnFaceColors(message, Native.GetHandle()); }
