#pragma once

#include "ui/SystemLibrary.h"

#include <windows.h>

#include <mmsystem.h>

// The waveform audio functions of winmm.dll, loaded from the system folder at the first use and
// kept for the rest of the run. The library is not imported: it is none of the system's known
// libraries, so an import would be looked for in the program's folder first.
class TWaveAudioLibrary {
    TSystemLibrary Library;  // first, so that the functions below are found in it

public:
    TWaveAudioLibrary();
    TWaveAudioLibrary(const TWaveAudioLibrary&) = delete;
    TWaveAudioLibrary& operator=(const TWaveAudioLibrary&) = delete;

    // Without every function no device opens (MMSYSERR_NODRIVER); the other functions are only
    // called on an open device.
    MMRESULT OpenInput(HWAVEIN* handle, const WAVEFORMATEX* format, HWND callbackWindow) const;
    MMRESULT OpenOutput(HWAVEOUT* handle, const WAVEFORMATEX* format, HWND callbackWindow) const;

    const decltype(&waveInStart) InStart;
    const decltype(&waveInReset) InReset;
    const decltype(&waveInClose) InClose;
    const decltype(&waveInPrepareHeader) InPrepareHeader;
    const decltype(&waveInUnprepareHeader) InUnprepareHeader;
    const decltype(&waveInAddBuffer) InAddBuffer;
    const decltype(&waveOutReset) OutReset;
    const decltype(&waveOutClose) OutClose;
    const decltype(&waveOutPrepareHeader) OutPrepareHeader;
    const decltype(&waveOutUnprepareHeader) OutUnprepareHeader;
    const decltype(&waveOutWrite) OutWrite;

private:
    bool IsComplete() const;

    const decltype(&waveInOpen) InOpen;
    const decltype(&waveOutOpen) OutOpen;
};

const TWaveAudioLibrary& GetWaveAudioLibrary();
