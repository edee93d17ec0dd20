#include "sound/SoundRecorder.h"

TSoundRecorder::TSoundRecorder(const std::wstring& path)
    : Window(new TWindow(L"dummy", false, nullptr)), Control(new TRecordingControl(*Window, path)) {}

// The control goes first: its stop still pumps the window's messages.
TSoundRecorder::~TSoundRecorder() = default;

void TSoundRecorder::StopAtOnce() { Control->StopRecording(0); }
