#include "sound/SoundPlayer.h"

TSoundPlayer::TSoundPlayer(const std::wstring& path)
    : Window(new TWindow(L"dummy", false, nullptr)), Control(new TPlayingControl(*Window, path)) {}

// The control goes first: its stop still pumps the window's messages.
TSoundPlayer::~TSoundPlayer() = default;

void TSoundPlayer::StopAtOnce() { Control->Stop(0); }
