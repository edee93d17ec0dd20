#include "sound/PcmFormat.h"
#include "sound/SoundPlayer.h"
#include "sound/SoundRecorder.h"

#include <filesystem>
#include <fstream>
#include <string>

// Started by the tests with no sound server to reach: tries the raw devices, a recorder on the
// first path and a player on the same file, and writes what happened to the second path.
namespace {

template <typename TException, typename TStart>
std::string DescribeStart(TStart start) {
    try {
        start();
        return "started";
    } catch (const TException& failure) {
        return std::string("threw its own exception: ") + failure.what();
    } catch (const std::exception& failure) {
        return std::string("threw another exception: ") + failure.what();
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        return 2;
    }
    const std::wstring soundPath = argv[1];
    std::ofstream report(std::filesystem::path(argv[2]), std::ios::binary);

    const TPcmFormat pcm = MakePcmFormat();
    HWAVEIN input = nullptr;
    report << "waveInOpen: " << waveInOpen(&input, WAVE_MAPPER, &pcm.Format, 0, 0, CALLBACK_NULL) << "\n";
    HWAVEOUT output = nullptr;
    report << "waveOutOpen: " << waveOutOpen(&output, WAVE_MAPPER, &pcm.Format, 0, 0, CALLBACK_NULL) << "\n";

    report << "recorder: " << DescribeStart<TSoundRecorder::TException>([&] { TSoundRecorder recorder(soundPath); })
           << "\n";
    report << "player: " << DescribeStart<TSoundPlayer::TException>([&] { TSoundPlayer player(soundPath); }) << "\n";
    return 0;
}
