#include "sound/WaveAudioLibrary.h"

TWaveAudioLibrary::TWaveAudioLibrary()
    : Library(L"winmm.dll"),
      InStart(Library.GetFunction<decltype(&waveInStart)>("waveInStart")),
      InReset(Library.GetFunction<decltype(&waveInReset)>("waveInReset")),
      InClose(Library.GetFunction<decltype(&waveInClose)>("waveInClose")),
      InPrepareHeader(Library.GetFunction<decltype(&waveInPrepareHeader)>("waveInPrepareHeader")),
      InUnprepareHeader(Library.GetFunction<decltype(&waveInUnprepareHeader)>("waveInUnprepareHeader")),
      InAddBuffer(Library.GetFunction<decltype(&waveInAddBuffer)>("waveInAddBuffer")),
      OutReset(Library.GetFunction<decltype(&waveOutReset)>("waveOutReset")),
      OutClose(Library.GetFunction<decltype(&waveOutClose)>("waveOutClose")),
      OutPrepareHeader(Library.GetFunction<decltype(&waveOutPrepareHeader)>("waveOutPrepareHeader")),
      OutUnprepareHeader(Library.GetFunction<decltype(&waveOutUnprepareHeader)>("waveOutUnprepareHeader")),
      OutWrite(Library.GetFunction<decltype(&waveOutWrite)>("waveOutWrite")),
      InOpen(Library.GetFunction<decltype(&waveInOpen)>("waveInOpen")),
      OutOpen(Library.GetFunction<decltype(&waveOutOpen)>("waveOutOpen")) {}

MMRESULT TWaveAudioLibrary::OpenInput(HWAVEIN* handle, const WAVEFORMATEX* format, HWND callbackWindow) const {
    if (!IsComplete()) {
        return MMSYSERR_NODRIVER;
    }
    return InOpen(handle, WAVE_MAPPER, format, reinterpret_cast<DWORD_PTR>(callbackWindow), 0, CALLBACK_WINDOW);
}

MMRESULT TWaveAudioLibrary::OpenOutput(HWAVEOUT* handle, const WAVEFORMATEX* format, HWND callbackWindow) const {
    if (!IsComplete()) {
        return MMSYSERR_NODRIVER;
    }
    return OutOpen(handle, WAVE_MAPPER, format, reinterpret_cast<DWORD_PTR>(callbackWindow), 0, CALLBACK_WINDOW);
}

bool TWaveAudioLibrary::IsComplete() const {
    return InStart && InReset && InClose && InPrepareHeader && InUnprepareHeader && InAddBuffer && OutReset &&
           OutClose && OutPrepareHeader && OutUnprepareHeader && OutWrite && InOpen && OutOpen;
}

const TWaveAudioLibrary& GetWaveAudioLibrary() {
    static const TWaveAudioLibrary library;
    return library;
}
