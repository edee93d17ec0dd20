#include "ui/ControlLink.h"

#include "ui/SizeRules.h"

#include <commctrl.h>
#include <shellapi.h>

namespace {

std::wstring MakeMarkup(const std::wstring& text, const std::wstring& address) {
    return L"<a href=\"" + address + L"\">" + text + L"</a>";
}

}  // namespace

TControlLink::TControlLink(TWindow& owner, const std::wstring& text, const std::wstring& address)
    : TControl(owner),
      Text(text),
      Address(address),
      Native(owner.GetHandle(),
             {L"SysLink", MakeMarkup(text, address), WS_CHILD | WS_VISIBLE, 0, TSize{200, 50}, ICC_LINK_CLASS}) {}

TSize TControlLink::GetPreferredSize() const { return GetScreenTextSize(GetWindow().GetHandle(), Text); }

bool TControlLink::ProcessMessage(TMessage& message) {
    if (message.message != WM_NOTIFY || message.lParam == 0) {
        return false;
    }
    const auto* header = reinterpret_cast<const NMHDR*>(message.lParam);
    if (header->hwndFrom != Native.GetHandle() || (header->code != NM_CLICK && header->code != NM_RETURN)) {
        return false;
    }
    ShellExecuteW(nullptr, L"open", Address.c_str(), nullptr, nullptr, SW_SHOW);
    return true;
}
