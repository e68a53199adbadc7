#pragma once
// Trouble a soak brings on now and then, as machines do: the display lost
// and found again, the sound device gone for a while, and the folders of
// the settings file and the highscore read-only, or the disk full, whenever
// the game writes them.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <random>
#include <string>

#include "platform/backends/headless/headless_backend.h"

class SoakFaults {
public:
    // Folders can only be made read-only for a process that does not
    // override file permissions: a soak run as root gives that up here.
    SoakFaults(std::mt19937_64& random, std::filesystem::path gameFolder);
    ~SoakFaults();
    SoakFaults(const SoakFaults&) = delete;
    SoakFaults& operator=(const SoakFaults&) = delete;

    // After each frame, at `gameMs` of game time over all sessions: ends
    // the fault whose time is up and brings on the next when it is due.
    void afterFrame(int64_t gameMs, platform::HeadlessBackend& backend);
    // Lifts whatever is in force.
    void endAll(platform::HeadlessBackend* backend);

    // Writing the settings file, or the highscore, is refused now: the file
    // must stay as it is.
    bool settingsRefused() const { return fault_ == Fault::SettingsReadOnly || fault_ == Fault::DiskFull; }
    bool highscoreRefused() const { return fault_ == Fault::HighscoresReadOnly || fault_ == Fault::DiskFull; }
    bool soundGone() const { return fault_ == Fault::SoundGone; }
    uint64_t injected() const { return injected_; }
    // Empty, or why read-only folders could not be tried.
    const std::string& note() const { return note_; }

private:
    enum class Fault { None, DisplayLost, SoundGone, SettingsReadOnly, HighscoresReadOnly, DiskFull };

    void start(Fault fault, int64_t durationMs, platform::HeadlessBackend& backend);
    void setReadOnly(const std::filesystem::path& folder, bool readOnly);
    void setDiskFull(bool full);

    std::mt19937_64& random_;
    std::filesystem::path folder_;
    bool readOnlyWorks_ = false;
    Fault fault_ = Fault::None;
    int64_t endsAt_ = 0;
    int64_t nextAt_ = 0;
    uint64_t injected_ = 0;
    std::string note_;
    bool diskFullWorks_ = false;
    // What undoes the full disk in force, if any.
    std::optional<uint64_t> fileGrowth_;
};
