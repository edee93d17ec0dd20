#include "sound/PcmFormat.h"

TPcmFormat MakePcmFormat() {
    TPcmFormat pcm{};
    pcm.Format.wFormatTag = WAVE_FORMAT_PCM;
    pcm.Format.nChannels = 1;
    pcm.Format.nSamplesPerSec = PcmSamplesPerSecond;
    pcm.Format.nAvgBytesPerSec = PcmSamplesPerSecond;
    pcm.Format.nBlockAlign = 1;
    pcm.Format.wBitsPerSample = 8;
    pcm.Format.cbSize = sizeof(pcm.Extra);
    return pcm;
}

std::unique_ptr<WAVEHDR> MakeWaveHeader(char* data, DWORD length) {
    std::unique_ptr<WAVEHDR> header(new WAVEHDR{});
    header->lpData = data;
    header->dwBufferLength = length;
    return header;
}
