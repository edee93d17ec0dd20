#include "windows/NotificationEditorWindow.h"

#include "store/CurrentDateTime.h"
#include "store/FileOperations.h"
#include "texts/Help.h"
#include "texts/Texts.h"

#include <algorithm>
#include <utility>

namespace {

const int FixedTimeItem = 0;
const TDurationText DefaultCountdown = "00:15:00";
const wchar_t TextBoxSample[] = L"Send a gift to sister of husband of daughter of brother of mother";

// The date half and the time half of a due time.
std::pair<std::string, std::string> SplitAtFirstSpace(const TDateTimeText& due) {
    const size_t space = due.find(' ');
    if (space == TDateTimeText::npos) {
        return {due, std::string()};
    }
    return {due.substr(0, space), due.substr(space + 1)};
}

void Enable(HWND control, bool enabled) { EnableWindow(control, enabled ? TRUE : FALSE); }

}  // namespace

TNotificationEditorWindow::TNotificationEditorWindow(TNotificationsDb& db, TDialogWindowList& dialogWindows,
                                                     const std::wstring& helpFilePath)
    : Window(LoadText(IDS_EDITOR_TITLE_ADD), false, &dialogWindows),
      ModeSelector(Window, {LoadText(IDS_EDITOR_FIXED_TIME), LoadText(IDS_EDITOR_COUNTDOWN)}),
      DatePicker(Window),
      FixedTimePicker(Window, L""),
      CountdownPicker(Window, L"HH:mm:ss"),
      TextLabel(Window, LoadText(IDS_EDITOR_TEXT)),
      TextBox(Window),
      RepeatChoice(Window),
      RecordSoundButton(Window, LoadText(IDS_EDITOR_RECORD_SOUND)),
      ReplayButton(Window, LoadText(IDS_EDITOR_REPLAY), false),
      RemoveSoundButton(Window, LoadText(IDS_EDITOR_REMOVE_SOUND), false),
      SaveButton(Window, LoadText(IDS_EDITOR_SAVE), true),
      CancelButton(Window, LoadText(IDS_EDITOR_CANCEL), false),
      HelpButton(Window, LoadText(IDS_EDITOR_HELP), false),
      CancelHandler(Window),
      Db(db),
      HelpFilePath(helpFilePath),
      TemporarySoundPath(TemporaryFolder.GetPath() + L"/sound.pcm") {
    // The pickers follow the choice before them, which names none of them.
    DatePicker.SetAccessibleName(LoadText(IDS_EDITOR_DATE_NAME));
    FixedTimePicker.SetAccessibleName(LoadText(IDS_EDITOR_TIME_NAME));
    CountdownPicker.SetAccessibleName(LoadText(IDS_EDITOR_COUNTDOWN_NAME));
    Window.SetOnClose([this] { Close(); });
    Window.SetOnSize([this] { LayOut(); });
    Window.SetOnFontChange([this] { Window.Move(Window.GetPosition(), WantedSize); });
    RecordSoundButton.SetOnPress([this] { StartRecording(); });
    RecordSoundButton.SetOnRelease([this] { StopRecording(); });
    ReplayButton.SetOnClick([this] { Replay(); });
    RemoveSoundButton.SetOnClick([this] { RemoveSound(); });
    SaveButton.SetOnClick([this] { Save(); });
    CancelButton.SetOnClick([this] { Close(); });
    HelpButton.SetOnClick([this] { ShowHelpTopic(L"/_add_reminder.html", HelpFilePath); });
    CancelHandler.SetOnCancel([this] { Close(); });
    ModeSelector.SetOnChange([this] { UpdateEnabledPickers(); });
    UpdateEnabledPickers();
    UpdateSoundButtons();
}

// The devices hold the note file open, and the temporary folder goes only with all its files.
TNotificationEditorWindow::~TNotificationEditorWindow() { StopSoundDevices(); }

void TNotificationEditorWindow::ShowEditor(std::int32_t id) {
    if (id == -1) {
        ShowNew(TNotification(GetCurrentDateTime(), std::wstring()));
        return;
    }
    const TNotification stored = Db.GetNotification(id);
    if (stored.Date.empty()) {
        return;
    }
    EditedId = id;
    EditedNotification = stored;
    Present(stored, IDS_EDITOR_TITLE_EDIT);
}

void TNotificationEditorWindow::ShowEditorFor(const TNotification& suggested, TSaveHandler save) {
    ShowNew(suggested);
    OnSave = std::move(save);
}

void TNotificationEditorWindow::ShowNew(const TNotification& filled) {
    EditedId = -1;
    EditedNotification = TNotification();
    Present(filled, IDS_EDITOR_TITLE_ADD);
}

// A handler of an earlier opening never runs for this one.
void TNotificationEditorWindow::Present(const TNotification& shown, int title) {
    OnSave = nullptr;
    ShowDueTime(shown.Date);
    CountdownPicker.SetTime(DefaultCountdown);
    TextBox.SetText(shown.Text);
    RepeatChoice.ShowRule(shown.Repeat);
    ModeSelector.Select(FixedTimeItem);
    TakeSound(shown.SoundFile);
    SetWindowTextW(Window.GetHandle(), LoadText(title).c_str());
    LayOut();
    Window.Move(Window.GetPosition(), WantedSize);
    Window.Show(true);
    TextBox.FocusAndSelectAll();
}

void TNotificationEditorWindow::ShowDueTime(const TDateTimeText& due) {
    const auto halves = SplitAtFirstSpace(due);
    DatePicker.SetDate(halves.first);
    FixedTimePicker.SetTime(halves.second);
}

TDateTimeText TNotificationEditorWindow::ReadDueTime() const {
    if (ModeSelector.GetSelection() == FixedTimeItem) {
        return DatePicker.GetDate() + " " + FixedTimePicker.GetTime();
    }
    return AddDuration(GetCurrentDateTime(), CountdownPicker.GetTime());
}

// The reminder opened goes by its ID, whatever befell it meanwhile: a series that moved on keeps
// its ID, and an ID is never given to another reminder. One that is gone (closed, deleted in the
// list or by another program) leaves the new version alone in the store.
void TNotificationEditorWindow::Save() {
    TNotification edited(ReadDueTime(), TextBox.GetText());
    ApplyRepeatRule(edited);
    if (FileExists(TemporarySoundPath)) {
        edited.SoundFile = TemporarySoundPath;
    }
    if (OnSave) {
        OnSave(edited);
    } else {
        Db.ReplaceNotification(EditedId, edited);
    }
    OnSave = nullptr;
    Close();
}

// A series starts at its first occurrence after now: a weekday series saved for a weekend starts
// on the next weekday, one whose start is past at its next occurrence. A series whose occurrence
// stood on an earlier day than its own keeps its day while the date and the rule stay, also when
// its time changes; a rule this version cannot read stays as it was unless the user sets one.
void TNotificationEditorWindow::ApplyRepeatRule(TNotification& edited) const {
    TRepeatRule loaded;
    const bool loadedRepeats = ParseRepeatRule(EditedNotification.Repeat, loaded);
    TRepeatRule rule;
    if (!RepeatChoice.ReadRule(rule)) {
        edited.Repeat = loadedRepeats ? std::string() : EditedNotification.Repeat;
        return;
    }
    if (loadedRepeats && loaded.Unit == rule.Unit && loaded.Count == rule.Count &&
        SplitAtFirstSpace(edited.Date).first == SplitAtFirstSpace(EditedNotification.Date).first) {
        rule.SeriesDay = loaded.SeriesDay;
    }
    const TDateTimeText first = GetFirstOccurrence(edited.Date, rule, GetCurrentDateTime());
    if (!first.empty()) {
        edited.Date = first;
    }
    edited.Repeat = FormatRepeatRule(rule);
}

void TNotificationEditorWindow::EndSession() {
    if (Recorder) {
        Recorder->StopAtOnce();
    }
    if (Player) {
        Player->StopAtOnce();
    }
    StopSoundDevices();
    TemporaryFolder.Remove();
}

// The note file stays; the next ShowEditor replaces or deletes it.
void TNotificationEditorWindow::Close() {
    StopSoundDevices();
    Window.Hide();
}

void TNotificationEditorWindow::StartRecording() {
    RemoveSound();
    Recorder = std::make_unique<TSoundRecorder>(TemporarySoundPath);
}

void TNotificationEditorWindow::StopRecording() {
    Recorder.reset();
    UpdateSoundButtons();
}

void TNotificationEditorWindow::Replay() {
    auto player = std::make_unique<TSoundPlayer>(TemporarySoundPath);
    Player = std::move(player);
}

// The devices go first: a note file held open by a playback could not be deleted, and a later
// "Save" would still store it.
void TNotificationEditorWindow::RemoveSound() {
    StopSoundDevices();
    RemoveFile(TemporarySoundPath);
    UpdateSoundButtons();
}

void TNotificationEditorWindow::StopSoundDevices() {
    Recorder.reset();
    Player.reset();
}

void TNotificationEditorWindow::TakeSound(const std::wstring& soundFile) {
    RemoveSound();
    if (!soundFile.empty()) {
        DuplicateFile(soundFile, TemporarySoundPath);
    }
    UpdateSoundButtons();
}

void TNotificationEditorWindow::UpdateSoundButtons() {
    const bool hasNote = FileExists(TemporarySoundPath);
    Enable(ReplayButton.GetHandle(), hasNote);
    Enable(RemoveSoundButton.GetHandle(), hasNote);
}

void TNotificationEditorWindow::UpdateEnabledPickers() {
    const bool fixedTime = ModeSelector.GetSelection() == FixedTimeItem;
    Enable(DatePicker.GetHandle(), fixedTime);
    Enable(FixedTimePicker.GetHandle(), fixedTime);
    Enable(CountdownPicker.GetHandle(), !fixedTime);
}

void TNotificationEditorWindow::LayOut() {
    const int margin = Window.ScaleForDpi(5);
    const TSize client = Window.GetClientSize();
    TSize needed{0, 0};
    int y = margin;
    const auto endRow = [&](int rowEnd, int rowHeight) {
        needed.width = std::max(needed.width, rowEnd);
        y += rowHeight + margin;
        needed.height = std::max(needed.height, y);
    };

    const TSize fixedItem = ModeSelector.GetPreferredSize(0);
    const TSize date = DatePicker.GetPreferredSize();
    const TSize fixedTime = FixedTimePicker.GetPreferredSize();
    ModeSelector.MoveItem(0, TPoint{margin, y}, fixedItem);
    DatePicker.Move(TPoint{fixedItem.width + 2 * margin, y}, date);
    FixedTimePicker.Move(TPoint{fixedItem.width + 2 * margin + date.width + margin, y}, fixedTime);
    endRow(fixedItem.width + date.width + fixedTime.width + 4 * margin,
           std::max({fixedItem.height, date.height, fixedTime.height}));

    const TSize countdownItem = ModeSelector.GetPreferredSize(1);
    const TSize countdown = CountdownPicker.GetPreferredSize();
    ModeSelector.MoveItem(1, TPoint{margin, y}, countdownItem);
    CountdownPicker.Move(TPoint{countdownItem.width + 2 * margin, y}, countdown);
    endRow(countdownItem.width + countdown.width + 3 * margin, std::max(countdownItem.height, countdown.height));

    const TSize label = TextLabel.GetPreferredSize();
    const TSize text = TextBox.GetPreferredSize(TextBoxSample);
    TextLabel.Move(TPoint{margin, y}, label);
    TextBox.Move(TPoint{label.width + 2 * margin, y}, TSize{client.width - label.width - 3 * margin, text.height});
    endRow(text.width + label.width + 3 * margin, std::max(label.height, text.height));

    const TSize repeat = RepeatChoice.GetPreferredSize();
    RepeatChoice.Move(TPoint{margin, y});
    endRow(repeat.width + 2 * margin, repeat.height);

    const TSize record = RecordSoundButton.GetPreferredSize();
    const TSize replay = ReplayButton.GetPreferredSize();
    const TSize remove = RemoveSoundButton.GetPreferredSize();
    RecordSoundButton.Move(TPoint{margin, y}, record);
    ReplayButton.Move(TPoint{record.width + 2 * margin, y}, replay);
    RemoveSoundButton.Move(TPoint{record.width + 2 * margin + replay.width + margin, y}, remove);
    endRow(record.width + replay.width + remove.width + 4 * margin, remove.height);

    // The buttons keep to the edges and do not widen the window.
    const TSize save = SaveButton.GetPreferredSize();
    const TSize cancel = CancelButton.GetPreferredSize();
    const TSize help = HelpButton.GetPreferredSize();
    SaveButton.Move(TPoint{margin, y}, save);
    CancelButton.Move(TPoint{client.width - cancel.width - margin, y}, cancel);
    HelpButton.Move(TPoint{client.width - cancel.width - margin - help.width - margin, y}, help);
    endRow(0, std::max(save.height, cancel.height));

    const TSize outer = Window.GetSize();
    WantedSize = TSize{needed.width + outer.width - client.width, needed.height + outer.height - client.height};
}
