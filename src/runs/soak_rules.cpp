#include "runs/soak_rules.h"

#include <fstream>

#include "app/highscore_record.h"
#include "app/main_form.h"
#include "platform/system/utf8_path.h"

namespace fs = std::filesystem;

namespace {

std::optional<std::string> ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The three keys the game writes, each 0 or 1, and nothing cut off.
bool WholeSettings(const std::string& text)
{
    if (text.empty() || text.back() != '\n' || text.find("[General]\n") == std::string::npos) return false;
    for (const char* key : {"\nSoundOn=", "\nMusicOn=", "\nFullScreen="}) {
        const auto at = text.find(key);
        if (at == std::string::npos) return false;
        const char value = text[at + std::string(key).size()];
        if (value != '0' && value != '1') return false;
    }
    return true;
}

bool WholeHighscore(const std::string& bytes)
{
    return bytes.size() == kHighScoreRecordSize && static_cast<uint8_t>(bytes[12]) <= kHighScoreNameLength &&
           bytes.compare(51, 4, std::string("1.0\0", 4)) == 0;
}

std::string Number(double v) { return std::to_string(v); }

}  // namespace

SoakRules::SoakRules(fs::path gameFolder)
    : settings_(gameFolder / "Brindlecog.ini"), highscore_(gameFolder / kHighScoreFolder / kHighScoreFile)
{
}

void SoakRules::newSession()
{
    watching_ = false;
    judged_.clear();
}

void SoakRules::refuseWrites(bool settings, bool highscore)
{
    frozenSettings_.reset();
    frozenHighscore_.reset();
    if (settings) frozenSettings_ = ReadFile(settings_);
    if (highscore) frozenHighscore_ = ReadFile(highscore_);
}

std::optional<SoakViolation> SoakRules::afterFrame(TfrmMain& form)
{
    if (auto broken = checkFloor(form)) return broken;
    if (auto broken = checkJudging(form)) return broken;
    return checkFiles();
}

std::optional<SoakViolation> SoakRules::checkFloor(TfrmMain& form)
{
    if (form.FGUI) {
        const auto& c = *form.FGUI->Cursor;
        if (c.X < 0 || c.X > form.FScreenWidth - 10 || c.Y < 0 || c.Y > form.FScreenHeight - 10)
            return SoakViolation{"cursor within its area", "menu cursor at " + Number(c.X) + ", " + Number(c.Y)};
    }
    const TGameFloor* floor = form.FFloor.get();
    if (!floor) return std::nullopt;
    const TAssemblyWorker& worker = *floor->FWorker;
    if (worker.FX < TAssemblyWorker::MinX || worker.FX > TAssemblyWorker::MaxX)
        return SoakViolation{"worker within 220..750", "worker at x = " + Number(worker.FX)};
    const TGameCursorSprite& cursor = *floor->FCursor;
    if (cursor.FX < 0 || cursor.FX > cursor.FMaxX - 10 || cursor.FY < 0 || cursor.FY > cursor.FMaxY - 10)
        return SoakViolation{"cursor within its area", "game cursor at " + Number(cursor.FX) + ", " + Number(cursor.FY)};
    if (worker.HasTool() && worker.HasParts())
        return SoakViolation{"a tool never carried with parts",
                             "the worker carries " + std::string(worker.FTool->FItemName.View()) + " and " +
                                 std::to_string(worker.FParts.size()) + " parts"};
    return std::nullopt;
}

std::optional<SoakViolation> SoakRules::checkJudging(TfrmMain& form)
{
    const int32_t level = form.FLevel ? form.FLevel->FLevelNumber : 0;
    if (form.FState != gsPlaying || !form.FFloor || !form.FLevel) {
        watching_ = false;
        return std::nullopt;
    }
    const bool sameShift = watching_ && level == level_;
    if (!sameShift) judged_.clear();
    // What the products judged in this frame are worth.
    int32_t earned = 0;
    for (const auto& product : form.FFloor->FMainLine->FProducts) {
        bool& before = judged_[product.get()];
        if (before && !product->FPassed)
            return SoakViolation{"no product judged twice",
                                 std::string(product->FProductName.View()) + " lost the verdict it had"};
        if (!before && product->FPassed && product->IsComplete()) earned += product->FScore;
        before = product->FPassed;
    }
    std::optional<SoakViolation> broken;
    if (sameShift) {
        const int32_t levelGain = form.FLevelScore - levelScore_;
        const int32_t totalGain = form.FTotalScore - totalScore_;
        if (levelGain < 0 || totalGain < 0)
            broken = SoakViolation{"scores never falling within a shift",
                                   "level score " + std::to_string(levelScore_) + " -> " +
                                       std::to_string(form.FLevelScore) + ", total " + std::to_string(totalScore_) +
                                       " -> " + std::to_string(form.FTotalScore)};
        else if (levelGain != earned || totalGain != earned)
            broken = SoakViolation{"no product judged twice",
                                   "the scores rose by " + std::to_string(levelGain) + " and " +
                                       std::to_string(totalGain) + " for products worth " + std::to_string(earned)};
        if (form.FLevel->FFinished && !finished_) ++shifts_;
    }
    watching_ = true;
    level_ = level;
    levelScore_ = form.FLevelScore;
    totalScore_ = form.FTotalScore;
    finished_ = form.FLevel->FFinished;
    return broken;
}

std::optional<SoakViolation> SoakRules::checkFiles()
{
    const auto settings = ReadFile(settings_);
    if (!settings || !WholeSettings(*settings))
        return SoakViolation{"settings and highscore files always whole",
                             settings ? "the settings file reads \"" + *settings + "\"" : "the settings file is gone"};
    const auto highscore = ReadFile(highscore_);
    if (highscore && !WholeHighscore(*highscore))
        return SoakViolation{"settings and highscore files always whole",
                             "the highscore file holds " + std::to_string(highscore->size()) + " bytes"};
    if (settings != lastSettings_) ++settingsWrites_;
    if (highscore != lastHighscore_) ++highscoreWrites_;
    lastSettings_ = settings;
    lastHighscore_ = highscore;
    for (const fs::path& file : {settings_, highscore_}) {
        std::error_code ec;
        if (fs::exists(fs::path(file) += ".tmp", ec))
            return SoakViolation{"settings and highscore files always whole",
                                 "a temporary file is left beside " + platform::utf8Text(file.filename())};
    }
    if (frozenSettings_ && *frozenSettings_ != settings)
        return SoakViolation{"settings and highscore files always whole",
                             "the settings file changed while writing it was refused"};
    if (frozenHighscore_ && *frozenHighscore_ != highscore)
        return SoakViolation{"settings and highscore files always whole",
                             "the highscore file changed while writing it was refused"};
    return std::nullopt;
}
