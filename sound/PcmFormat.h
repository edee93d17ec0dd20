#pragma once

#include <windows.h>

#include <mmsystem.h>

#include <cstddef>
#include <memory>

// Voice notes are headerless 8-bit mono PCM at 8000 samples per second: one byte a sample,
// unsigned, silence at 128. Devices get them one second at a time.
const DWORD PcmSamplesPerSecond = 8000;
const DWORD PcmBufferBytes = 8000;
const unsigned char PcmSilence = 128;

// The format states cbSize 18; the 18 bytes it announces follow it, zeroed, so that a driver
// that honours cbSize reads nothing beyond the block.
struct TPcmFormat {
    WAVEFORMATEX Format;
    BYTE Extra[18];
};
static_assert(offsetof(TPcmFormat, Extra) == sizeof(WAVEFORMATEX), "the announced bytes follow the format");

TPcmFormat MakePcmFormat();

// Every queuing of a buffer gets a header of its own, freed when the device gives the buffer back.
std::unique_ptr<WAVEHDR> MakeWaveHeader(char* data, DWORD length);
