#pragma once
// What must hold after every frame of any game, however it is played: the
// worker on his stretch of floor, the cursors inside their areas, a tool
// never carried together with parts, each product judged once and its score
// counted once, scores that never fall within a shift, and the settings and
// highscore files whole at every moment (and untouched by a write the disk
// refused).
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

class TfrmMain;

struct SoakViolation {
    std::string rule;    // the rule's name, as listed above
    std::string detail;  // what was seen
};

class SoakRules {
public:
    explicit SoakRules(std::filesystem::path gameFolder);

    // The first rule the frame just run broke, if any.
    std::optional<SoakViolation> afterFrame(TfrmMain& form);
    // The settings and highscore files as they are now.
    std::optional<SoakViolation> checkFiles();
    // While writing a file is refused, it must stay as it is now.
    void refuseWrites(bool settings, bool highscore);
    // A game starts afresh: nothing of the last one carries over.
    void newSession();

    // Shifts that got to the chief's verdict.
    uint64_t shiftsRated() const { return shifts_; }
    // How often each file was seen to change: the game wrote it.
    uint64_t settingsWrites() const { return settingsWrites_; }
    uint64_t highscoreWrites() const { return highscoreWrites_; }

private:
    std::optional<SoakViolation> checkFloor(TfrmMain& form);
    std::optional<SoakViolation> checkJudging(TfrmMain& form);

    std::filesystem::path settings_;
    std::filesystem::path highscore_;
    // A file's content while writing it is refused (absent: not refused).
    std::optional<std::optional<std::string>> frozenSettings_;
    std::optional<std::optional<std::string>> frozenHighscore_;
    std::optional<std::string> lastSettings_;
    std::optional<std::string> lastHighscore_;
    uint64_t settingsWrites_ = 0;
    uint64_t highscoreWrites_ = 0;

    // The shift being watched: its level, scores, and each product's verdict.
    bool watching_ = false;
    int32_t level_ = 0;
    int32_t levelScore_ = 0;
    int32_t totalScore_ = 0;
    bool finished_ = false;
    std::map<const void*, bool> judged_;
    uint64_t shifts_ = 0;
};
