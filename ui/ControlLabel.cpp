#include "ui/ControlLabel.h"

#include "ui/AccessKeyText.h"
#include "ui/FaceColors.h"
#include "ui/SizeRules.h"

TControlLabel::TControlLabel(TWindow& owner, const std::wstring& caption)
    : TControl(owner),
      Caption(caption),
      Native(owner.GetHandle(), {L"static", caption, WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP, 0, TSize{10, 10}}) {}

TSize TControlLabel::GetPreferredSize() const {
    return GetScreenTextSize(GetWindow().GetHandle(), RemoveAccessKeyMarks(Caption));
}

bool TControlLabel::ProcessMessage(TMessage& message) { return AnswerTextOnFaceColors(message, Native.GetHandle()); }
