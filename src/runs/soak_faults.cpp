#include "runs/soak_faults.h"

#include <fstream>

#include "app/highscore_record.h"
#include "platform/system/file_faults.h"

namespace fs = std::filesystem;

namespace {

// Whether a file can be made in a folder this process made read-only.
bool ReadOnlyFoldersHold(const fs::path& inside)
{
    const fs::path probe = inside / "read-only-probe";
    std::error_code ec;
    fs::create_directory(probe, ec);
    fs::permissions(probe, fs::perms::owner_read | fs::perms::owner_exec, ec);
    const bool refused = !std::ofstream(probe / "file");
    fs::permissions(probe, fs::perms::owner_all, ec);
    fs::remove_all(probe, ec);
    return refused;
}

}  // namespace

SoakFaults::SoakFaults(std::mt19937_64& random, fs::path gameFolder) : random_(random), folder_(std::move(gameFolder))
{
    platform::stopOverridingPermissions();
    readOnlyWorks_ = ReadOnlyFoldersHold(folder_);
    if (const auto previous = platform::refuseFileGrowth()) {
        platform::allowFileGrowth(*previous);
        diskFullWorks_ = true;
    }
    if (!readOnlyWorks_) note_ = "read-only folders are not tried: this process writes into them all the same";
    nextAt_ = 10'000;
}

SoakFaults::~SoakFaults() { endAll(nullptr); }

void SoakFaults::afterFrame(int64_t gameMs, platform::HeadlessBackend& backend)
{
    if (fault_ != Fault::None && gameMs >= endsAt_) endAll(&backend);
    if (fault_ != Fault::None || gameMs < nextAt_) return;
    static constexpr Fault kFaults[] = {Fault::DisplayLost, Fault::SoundGone, Fault::SettingsReadOnly,
                                        Fault::HighscoresReadOnly, Fault::DiskFull};
    Fault fault = kFaults[random_() % std::size(kFaults)];
    if (!readOnlyWorks_ && (fault == Fault::SettingsReadOnly || fault == Fault::HighscoresReadOnly))
        fault = Fault::DiskFull;
    // Where no disk can be made full, the display is lost instead.
    if (fault == Fault::DiskFull && !diskFullWorks_) fault = Fault::DisplayLost;
    const int64_t duration = 2'000 + static_cast<int64_t>(random_() % 13'000);
    start(fault, duration, backend);
    endsAt_ = gameMs + duration;
    nextAt_ = endsAt_ + 10'000 + static_cast<int64_t>(random_() % 30'000);
    ++injected_;
}

void SoakFaults::start(Fault fault, int64_t durationMs, platform::HeadlessBackend& backend)
{
    fault_ = fault;
    switch (fault) {
    case Fault::DisplayLost:
        // Found again by the backend's own clock: no frames run meanwhile.
        backend.minimize();
        backend.at(backend.now() + static_cast<uint32_t>(durationMs), [](platform::HeadlessBackend& b) { b.restore(); });
        break;
    case Fault::SoundGone: backend.headlessAudio().setDeviceAvailable(false); break;
    case Fault::SettingsReadOnly: setReadOnly(folder_, true); break;
    case Fault::HighscoresReadOnly: setReadOnly(folder_ / kHighScoreFolder, true); break;
    case Fault::DiskFull: setDiskFull(true); break;
    case Fault::None: break;
    }
}

void SoakFaults::endAll(platform::HeadlessBackend* backend)
{
    switch (fault_) {
    case Fault::SoundGone:
        if (backend) backend->headlessAudio().setDeviceAvailable(true);
        break;
    case Fault::SettingsReadOnly: setReadOnly(folder_, false); break;
    case Fault::HighscoresReadOnly: setReadOnly(folder_ / kHighScoreFolder, false); break;
    case Fault::DiskFull: setDiskFull(false); break;
    case Fault::DisplayLost:
    case Fault::None: break;
    }
    fault_ = Fault::None;
}

void SoakFaults::setReadOnly(const fs::path& folder, bool readOnly)
{
    std::error_code ec;
    fs::permissions(folder, readOnly ? fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                           fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec
                                     : fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                           fs::perms::others_read | fs::perms::others_exec,
                    ec);
}

void SoakFaults::setDiskFull(bool full)
{
    if (full) {
        fileGrowth_ = platform::refuseFileGrowth();
    } else if (fileGrowth_) {
        platform::allowFileGrowth(*fileGrowth_);
        fileGrowth_.reset();
    }
}
