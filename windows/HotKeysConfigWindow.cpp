#include "windows/HotKeysConfigWindow.h"

#include "app/help/Help.h"
#include "hotkeys/HotKeyBindingsFile.h"
#include "hotkeys/HotKeyText.h"
#include "windows/HotKeyEntry.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {

const char AddNotificationAction[] = "AddNotification";
const char ViewAllNotificationsAction[] = "ViewAllNotifications";

// Each line is flushed as soon as it is written: the reload after Save reads them.
void WriteBinding(std::ostream& file, const char* action, THotKeysConfigWindow::THotKeyEntry& entry) {
    if (entry.GetCheckBox().IsChecked()) {
        file << action << ':' << FormatHotKey(entry.GetHotKeyField().GetHotKey()) << std::endl;
    }
}

}  // namespace

THotKeysConfigWindow::THotKeysConfigWindow(TDialogWindowList& dialogWindows, const std::wstring& hotKeysFilePath,
                                           const std::wstring& helpFilePath)
    : Window(L"Hot keys configuration", false, &dialogWindows),
      AddEntry(new THotKeyEntry(Window, L"Add reminder")),
      ListEntry(new THotKeyEntry(Window, L"View all reminders")),
      SaveButton(Window, L"Save", true),
      CancelButton(Window, L"Cancel", false),
      HelpButton(Window, L"Help", false),
      CancelHandler(Window),
      HotKeysFilePath(hotKeysFilePath),
      HelpFilePath(helpFilePath) {
    Window.SetOnClose([this] { Close(); });
    Window.SetOnSize([this] { LayOut(); });
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
    const TSize outer = Window.GetSize();
    const TSize client = Window.GetClientSize();
    Window.Move(Window.GetPosition(), TSize{NeededClientSize.width + outer.width - client.width,
                                            NeededClientSize.height + outer.height - client.height});
    Window.Show(true);
}

// A later line for the same action wins; lines of other actions are left out, and so are gone
// from the file after the next Save.
void THotKeysConfigWindow::ReadHotKeysFile() {
    std::ifstream file{std::filesystem::path(HotKeysFilePath)};
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

void THotKeysConfigWindow::Save() {
    {
        std::ofstream file{std::filesystem::path(HotKeysFilePath), std::ios::trunc};
        WriteBinding(file, AddNotificationAction, *AddEntry);
        WriteBinding(file, ViewAllNotificationsAction, *ListEntry);
        file.close();
        if (!file) {
            throw TException();
        }
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
