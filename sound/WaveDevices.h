#pragma once

#include "sound/WaveAudioLibrary.h"

// Owns an open waveform input device and closes it when it goes.
class TWaveInDevice {
public:
    explicit TWaveInDevice(HWAVEIN handle) : Handle(handle) {}
    ~TWaveInDevice() { GetWaveAudioLibrary().InClose(Handle); }
    TWaveInDevice(const TWaveInDevice&) = delete;
    TWaveInDevice& operator=(const TWaveInDevice&) = delete;

    HWAVEIN GetHandle() const { return Handle; }

private:
    HWAVEIN Handle;
};

// Owns an open waveform output device and closes it when it goes.
class TWaveOutDevice {
public:
    explicit TWaveOutDevice(HWAVEOUT handle) : Handle(handle) {}
    ~TWaveOutDevice() { GetWaveAudioLibrary().OutClose(Handle); }
    TWaveOutDevice(const TWaveOutDevice&) = delete;
    TWaveOutDevice& operator=(const TWaveOutDevice&) = delete;

    HWAVEOUT GetHandle() const { return Handle; }

private:
    HWAVEOUT Handle;
};
