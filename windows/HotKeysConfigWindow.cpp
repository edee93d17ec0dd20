#include "windows/HotKeysConfigWindow.h"

#include "hotkeys/HotKeyBindingsFile.h"
#include "store/FileContent.h"
#include "texts/Help.h"
#include "texts/Texts.h"
#include "texts/WideText.h"
#include "ui/AccessKeyText.h"
#include "windows/HotKeyEntry.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {

const char AddNotificationAction[] = "AddNotification";
const char ViewAllNotificationsAction[] = "ViewAllNotifications";

// A combination that the file cannot hold is refused rather than written: it would be gone at
// the next reading, and the user would not know why.
void AppendBinding(std::string& content, const char* action, int caption, THotKeysConfigWindow::THotKeyEntry& entry) {
    if (!entry.GetCheckBox().IsChecked()) {
        return;
    }
    const THotKeyBinding binding{action, entry.GetHotKeyField().GetHotKey()};
    if (!IsReadBackUnchanged(binding)) {
        throw THotKeysConfigWindow::TUnsavableCombination(NameCaption(LoadText(caption)));
    }
    content += FormatHotKeyBinding(binding) + "\r\n";
}

}  // namespace

THotKeysConfigWindow::THotKeysConfigWindow(TDialogWindowList& dialogWindows, const std::wstring& hotKeysFilePath,
                                           const std::wstring& helpFilePath)
    : Window(LoadText(IDS_HOT_KEYS_TITLE), false, &dialogWindows),
      AddEntry(new THotKeyEntry(Window, LoadText(IDS_HOT_KEYS_ADD_REMINDER))),
      ListEntry(new THotKeyEntry(Window, LoadText(IDS_HOT_KEYS_VIEW_ALL))),
      SaveButton(Window, LoadText(IDS_HOT_KEYS_SAVE), true),
      CancelButton(Window, LoadText(IDS_HOT_KEYS_CANCEL), false),
      HelpButton(Window, LoadText(IDS_HOT_KEYS_HELP), false),
      CancelHandler(Window),
      HotKeysFilePath(hotKeysFilePath),
      HelpFilePath(helpFilePath) {
    Window.SetOnClose([this] { Close(); });
    Window.SetOnSize([this] { LayOut(); });
    Window.SetOnFontChange([this] { TakeNeededSize(); });
    CancelButton.SetOnClick([this] { Close(); });
    HelpButton.SetOnClick([this] { ShowHelpTopic(L"/_configure_hot_keys.html", HelpFilePath); });
    SaveButton.SetOnClick([this] { Save(); });
    CancelHandler.SetOnCancel([this] { Close(); });
}

THotKeysConfigWindow::~THotKeysConfigWindow() = default;

// The combinations that the fields showed last time stay in them; only the check marks say what
// the file holds.
void THotKeysConfigWindow::ShowHotKeys() {
    AddEntry->GetCheckBox().SetChecked(false);
    ListEntry->GetCheckBox().SetChecked(false);
    ReadHotKeysFile();
    LayOut();
    TakeNeededSize();
    Window.Show(true);
    SetFocus(AddEntry->GetCheckBox().GetHandle());
}

void THotKeysConfigWindow::TakeNeededSize() {
    const TSize outer = Window.GetSize();
    const TSize client = Window.GetClientSize();
    Window.Move(Window.GetPosition(), TSize{NeededClientSize.width + outer.width - client.width,
                                            NeededClientSize.height + outer.height - client.height});
}

// A later line for the same action wins; lines of other actions are left out, and so are gone
// from the file after the next Save.
void THotKeysConfigWindow::ReadHotKeysFile() {
    std::ifstream file(std::filesystem::path(HotKeysFilePath), std::ios::binary);
    for (const THotKeyBinding& binding : ReadHotKeyBindings(file)) {
        THotKeyEntry* entry = nullptr;
        if (binding.action == AddNotificationAction) {
            entry = AddEntry.get();
        } else if (binding.action == ViewAllNotificationsAction) {
            entry = ListEntry.get();
        } else {
            continue;
        }
        entry->GetHotKeyField().SetHotKey(binding.hotKey);
        entry->GetCheckBox().SetChecked(true);
    }
}

// The file is replaced whole, so that a save that fails half-way leaves the old hot keys in it for
// the reload.
void THotKeysConfigWindow::Save() {
    std::string content;
    AppendBinding(content, AddNotificationAction, IDS_HOT_KEYS_ADD_REMINDER, *AddEntry);
    AppendBinding(content, ViewAllNotificationsAction, IDS_HOT_KEYS_VIEW_ALL, *ListEntry);
    if (!ReplaceFileContent(HotKeysFilePath, content)) {
        throw TException();
    }
    Close();
}

void THotKeysConfigWindow::Close() {
    Window.Hide();
    RunHandler(OnClosed);
}

void THotKeysConfigWindow::LayOut() {
    const int labelWidth = std::max(AddEntry->GetCheckBox().GetPreferredSize().width,
                                    ListEntry->GetCheckBox().GetPreferredSize().width);
    const int margin = Window.ScaleForDpi(5);
    int width = 0;
    int y = margin;
    for (THotKeyEntry* entry : {AddEntry.get(), ListEntry.get()}) {
        entry->Move(TPoint{margin, y}, labelWidth);
        const TSize label = entry->GetCheckBox().GetPreferredSize();
        const TSize field = entry->GetHotKeyField().GetPreferredSize();
        width = std::max(width, label.width + field.width + 3 * margin);
        y += std::max(label.height, field.height) + margin;
    }

    const int clientWidth = Window.GetClientSize().width;
    const TSize save = SaveButton.GetPreferredSize();
    const TSize cancel = CancelButton.GetPreferredSize();
    const TSize help = HelpButton.GetPreferredSize();
    const int cancelX = clientWidth - cancel.width - margin;
    SaveButton.Move(TPoint{margin, y}, save);
    CancelButton.Move(TPoint{cancelX, y}, cancel);
    HelpButton.Move(TPoint{cancelX - help.width - margin, y}, help);
    width = std::max(width, save.width + cancel.width + help.width + 4 * margin);
    y += std::max({save.height, cancel.height, help.height}) + margin;

    NeededClientSize = TSize{width, y};
}

THotKeysConfigWindow::TUnsavableCombination::TUnsavableCombination(const std::wstring& action)
    : std::runtime_error(NarrowToUtf8(FormatText(IDS_HOT_KEYS_UNSAVABLE, {action}))) {}
