#include "sound/DeviceMessagePump.h"
#include "sound/PcmFormat.h"
#include "sound/SoundRecorder.h"

#include <filesystem>

namespace {

HWAVEIN OpenInputDevice(HWND callbackWindow) {
    const TPcmFormat pcm = MakePcmFormat();
    HWAVEIN handle = nullptr;
    if (GetWaveAudioLibrary().OpenInput(&handle, &pcm.Format, callbackWindow) != MMSYSERR_NOERROR) {
        throw TSoundRecorder::TException();
    }
    return handle;
}

}  // namespace

TSoundRecorder::TRecordingControl::TRecordingControl(TWindow& owner, const std::wstring& path)
    : TControl(owner),
      BufferA(new char[PcmBufferBytes]()),
      BufferB(new char[PcmBufferBytes]()),
      File(std::filesystem::path(path), std::ios::binary),
      Device(OpenInputDevice(owner.GetHandle())) {
    QueueBuffer(BufferA.get());
    QueueBuffer(BufferB.get());
    if (GetWaveAudioLibrary().InStart(Device.GetHandle()) != MMSYSERR_NOERROR) {
        StopRecording(DeviceStopTimeoutMilliseconds);
        throw TException();
    }
}

TSoundRecorder::TRecordingControl::~TRecordingControl() { StopRecording(DeviceStopTimeoutMilliseconds); }

bool TSoundRecorder::TRecordingControl::ProcessMessage(TMessage& message) {
    switch (message.message) {
    case MM_WIM_OPEN:
    case MM_WIM_CLOSE:
        return true;
    case MM_WIM_DATA:
        TakeBackBuffer(reinterpret_cast<WAVEHDR*>(message.lParam));
        return true;
    default:
        return false;
    }
}

// A buffer that cannot be queued is left out without a report: the recording only gets shorter.
void TSoundRecorder::TRecordingControl::QueueBuffer(char* buffer) {
    std::unique_ptr<WAVEHDR> header = MakeWaveHeader(buffer, PcmBufferBytes);
    if (GetWaveAudioLibrary().InPrepareHeader(Device.GetHandle(), header.get(), sizeof(WAVEHDR)) != MMSYSERR_NOERROR) {
        return;
    }
    if (GetWaveAudioLibrary().InAddBuffer(Device.GetHandle(), header.get(), sizeof(WAVEHDR)) != MMSYSERR_NOERROR) {
        GetWaveAudioLibrary().InUnprepareHeader(Device.GetHandle(), header.get(), sizeof(WAVEHDR));
        return;
    }
    header.release();
    ++QueuedCount;
}

void TSoundRecorder::TRecordingControl::TakeBackBuffer(WAVEHDR* returned) {
    std::unique_ptr<WAVEHDR> header(returned);
    --QueuedCount;
    GetWaveAudioLibrary().InUnprepareHeader(Device.GetHandle(), header.get(), sizeof(WAVEHDR));
    File.write(header->lpData, header->dwBytesRecorded);
    // Once the stop has begun the device records no more, and a buffer queued again would never
    // come back.
    if (!Stopping && header->dwBytesRecorded == header->dwBufferLength) {
        QueueBuffer(header->lpData);
    }
}

void TSoundRecorder::TRecordingControl::StopRecording(DWORD waitMilliseconds) {
    if (Stopping) {
        return;
    }
    Stopping = true;
    GetWaveAudioLibrary().InReset(Device.GetHandle());
    const bool allBack = PumpDeviceMessagesUntil(GetWindow().GetHandle(), MM_WIM_OPEN, MM_WIM_DATA,
                                                 [this] { return QueuedCount == 0; }, waitMilliseconds);
    if (!allBack) {
        // The device may still write into buffers it never gave back: they are left to it.
        static_cast<void>(BufferA.release());
        static_cast<void>(BufferB.release());
    }
}
