#include "sound/DeviceMessagePump.h"
#include "sound/PcmFormat.h"
#include "sound/SoundPlayer.h"

#include <filesystem>

namespace {

HWAVEOUT OpenOutputDevice(HWND callbackWindow) {
    const TPcmFormat pcm = MakePcmFormat();
    HWAVEOUT handle = nullptr;
    if (GetWaveAudioLibrary().OpenOutput(&handle, &pcm.Format, callbackWindow) != MMSYSERR_NOERROR) {
        throw TSoundPlayer::TException();
    }
    return handle;
}

}  // namespace

TSoundPlayer::TPlayingControl::TPlayingControl(TWindow& owner, const std::wstring& path)
    : TControl(owner),
      BufferA(new char[PcmBufferBytes]()),
      BufferB(new char[PcmBufferBytes]()),
      File(std::filesystem::path(path), std::ios::binary),
      Device(OpenOutputDevice(owner.GetHandle())) {
    FeedBuffer(BufferA.get(), PcmBufferBytes);
    FeedBuffer(BufferB.get(), PcmBufferBytes);
}

TSoundPlayer::TPlayingControl::~TPlayingControl() { Stop(DeviceStopTimeoutMilliseconds); }

void TSoundPlayer::TPlayingControl::Stop(DWORD waitMilliseconds) {
    if (Stopping) {
        return;
    }
    Stopping = true;
    GetWaveAudioLibrary().OutReset(Device.GetHandle());
    const bool allBack = PumpDeviceMessagesUntil(GetWindow().GetHandle(), MM_WOM_OPEN, MM_WOM_DONE,
                                                 [this] { return QueuedCount == 0; }, waitMilliseconds);
    if (!allBack) {
        // The device may still read from buffers it never gave back: they are left to it.
        static_cast<void>(BufferA.release());
        static_cast<void>(BufferB.release());
    }
}

bool TSoundPlayer::TPlayingControl::ProcessMessage(TMessage& message) {
    switch (message.message) {
    case MM_WOM_OPEN:
    case MM_WOM_CLOSE:
        return true;
    case MM_WOM_DONE:
        TakeBackBuffer(reinterpret_cast<WAVEHDR*>(message.lParam));
        return true;
    default:
        return false;
    }
}

// Nothing left to read (or a file that did not open) leaves the buffer idle; so does a buffer
// that the device refuses, without a report.
void TSoundPlayer::TPlayingControl::FeedBuffer(char* buffer, DWORD byteCount) {
    File.read(buffer, byteCount);
    const DWORD bytesRead = static_cast<DWORD>(File.gcount());
    if (bytesRead == 0) {
        return;
    }
    std::unique_ptr<WAVEHDR> header = MakeWaveHeader(buffer, bytesRead);
    if (GetWaveAudioLibrary().OutPrepareHeader(Device.GetHandle(), header.get(), sizeof(WAVEHDR)) != MMSYSERR_NOERROR) {
        return;
    }
    if (GetWaveAudioLibrary().OutWrite(Device.GetHandle(), header.get(), sizeof(WAVEHDR)) != MMSYSERR_NOERROR) {
        GetWaveAudioLibrary().OutUnprepareHeader(Device.GetHandle(), header.get(), sizeof(WAVEHDR));
        return;
    }
    header.release();
    ++QueuedCount;
}

void TSoundPlayer::TPlayingControl::TakeBackBuffer(WAVEHDR* returned) {
    std::unique_ptr<WAVEHDR> header(returned);
    --QueuedCount;
    GetWaveAudioLibrary().OutUnprepareHeader(Device.GetHandle(), header.get(), sizeof(WAVEHDR));
    if (!Stopping) {
        FeedBuffer(header->lpData, header->dwBufferLength);
    }
}
