#pragma once

#include "sound/WaveDevices.h"
#include "ui/Window.h"

#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>

// Records the default sound input into a file for as long as it lives: headerless 8-bit mono PCM
// at 8000 samples per second. An existing file is emptied first. When the destructor returns,
// the file holds every byte the device delivered and is closed.
class TSoundRecorder {
public:
    class TException;
    class TRecordingControl;

    explicit TSoundRecorder(const std::wstring& path);
    ~TSoundRecorder();
    TSoundRecorder(const TSoundRecorder&) = delete;
    TSoundRecorder& operator=(const TSoundRecorder&) = delete;

    // Ends the recording without waiting for the device to give its buffers back; what they
    // hold is lost, and they are left to the device. For the end of the session, which leaves
    // no time to wait.
    void StopAtOnce();

private:
    std::unique_ptr<TWindow> Window;
    std::unique_ptr<TRecordingControl> Control;
};

class TSoundRecorder::TException : public std::runtime_error {
public:
    TException() : std::runtime_error("TSoundRecorder: unable to record sound") {}
};

// Receives the input device's notifications on the recorder's hidden window and writes each
// returned buffer to the file. Two one-second buffers take turns at the device.
class TSoundRecorder::TRecordingControl : public TWindow::TControl {
public:
    TRecordingControl(TWindow& owner, const std::wstring& path);
    ~TRecordingControl() override;

    bool ProcessMessage(TMessage& message) override;
    // Once; the wait is for the buffers to come back with what they recorded.
    void StopRecording(DWORD waitMilliseconds);

private:
    void QueueBuffer(char* buffer);
    void TakeBackBuffer(WAVEHDR* returned);

    std::unique_ptr<char[]> BufferA;
    std::unique_ptr<char[]> BufferB;
    std::ofstream File;
    TWaveInDevice Device;
    int QueuedCount = 0;
    bool Stopping = false;
};
