#pragma once

#include "sound/WaveDevices.h"
#include "ui/Window.h"

#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>

// Plays a voice note file (headerless 8-bit mono PCM at 8000 samples per second) on the default
// sound output for as long as it lives; once the file has played it stays silent. A missing or
// unreadable file plays nothing. Destroying it silences it at once.
class TSoundPlayer {
public:
    class TException;
    class TPlayingControl;

    explicit TSoundPlayer(const std::wstring& path);
    ~TSoundPlayer();
    TSoundPlayer(const TSoundPlayer&) = delete;
    TSoundPlayer& operator=(const TSoundPlayer&) = delete;

    // Silences it without waiting for the device to give its buffers back; those still out are
    // left to it. For the end of the session, which leaves no time to wait.
    void StopAtOnce();

private:
    std::unique_ptr<TWindow> Window;
    std::unique_ptr<TPlayingControl> Control;
};

class TSoundPlayer::TException : public std::runtime_error {
public:
    TException() : std::runtime_error("TSoundPlayer: unable to play sound") {}
};

// Receives the output device's notifications on the player's hidden window. Two one-second
// buffers take turns at the device, each refilled from the file as soon as it has played.
class TSoundPlayer::TPlayingControl : public TWindow::TControl {
public:
    TPlayingControl(TWindow& owner, const std::wstring& path);
    ~TPlayingControl() override;

    bool ProcessMessage(TMessage& message) override;
    // Once; the wait is for the buffers to come back.
    void Stop(DWORD waitMilliseconds);

private:
    void FeedBuffer(char* buffer, DWORD byteCount);
    void TakeBackBuffer(WAVEHDR* returned);

    std::unique_ptr<char[]> BufferA;
    std::unique_ptr<char[]> BufferB;
    std::ifstream File;
    TWaveOutDevice Device;
    int QueuedCount = 0;
    bool Stopping = false;
};
