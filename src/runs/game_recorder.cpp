#include "runs/game_recorder.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "app/game_session.h"
#include "app/main_form.h"
#include "platform/system/utf8_path.h"
#include "runs/game_digest.h"
#include "runs/recording_backend.h"
#include "runs/replay_backend.h"
#include "runs/scratch_folder.h"

namespace fs = std::filesystem;

namespace {

bool IsLevelFileName(const std::string& name)
{
    if (name.size() < 10 || name.rfind("Level", 0) != 0 || name.substr(name.size() - 4) != ".lev") return false;
    const std::string digits = name.substr(5, name.size() - 9);
    return !digits.empty() && digits.size() <= 9 &&
           std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<std::string> ReadSmallFile(const fs::path& path)
{
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    if (ec || size > recording::kMaxRecordedFile) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return bytes;
}

}  // namespace

std::vector<recording::RecordedFile> GameFolderFiles(const std::string& gameFolder)
{
    std::vector<recording::RecordedFile> files;
    recording::RecordedFile settings{"Brindlecog.ini", false, {}};
    if (auto bytes = ReadSmallFile(platform::utf8Path(gameFolder) / settings.name)) {
        settings.present = true;
        settings.bytes = std::move(*bytes);
    }
    files.push_back(std::move(settings));

    std::vector<std::string> levels;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(platform::utf8Path(gameFolder) / "Levels", ec)) {
        const std::string name = platform::utf8Text(entry.path().filename());
        if (IsLevelFileName(name)) levels.push_back(name);
    }
    std::sort(levels.begin(), levels.end());
    for (const std::string& name : levels) {
        auto bytes = ReadSmallFile(platform::utf8Path(gameFolder) / "Levels" / platform::utf8Path(name));
        if (!bytes) {
            std::fprintf(stderr, "brindlecog: Levels/%s is not recorded (unreadable or too large)\n", name.c_str());
            continue;
        }
        files.push_back({"Levels/" + name, true, std::move(*bytes)});
    }
    return files;
}

RecordedRun RecordGame(platform::Backend& backend, recording::RecordingWriter& writer, const std::string& gameFolder,
                       const std::function<void(GameSession&)>& prepare)
{
    for (const auto& file : GameFolderFiles(gameFolder)) {
        recording::ByteWriter out;
        recording::PutFile(out, file);
        writer.add(recording::RecordType::File, out);
    }
    recording::RecordingBackend recorder(backend, writer);
    GameDigest digest;
    RecordedRun run;
    {
        GameSession session(recorder, gameFolder);
        session.setOnFrame([&](TfrmMain& form) {
            digest.addFrame(form);
            recorder.frameDone(digest.frames(), digest.value());
        });
        if (prepare) prepare(session);
        run.exitCode = session.run();
    }
    writer.finish();
    run.line = digest.line();
    return run;
}

ReplayedRun ReplayGame(const recording::Recording& recording, const std::string& gameFolder)
{
    ReplayedRun run;
    if (!recording.complete && recording.frames == 0) {
        // Nothing whole to replay: the line of a game before its first frame.
        run.exitCode = 2;
        run.line = GameDigest().line();
        run.note = recording.cutShort;
        return run;
    }
    ScratchGameFolder folder(gameFolder);
    recording::ReplayBackend replay(recording);
    for (const auto& file : replay.files())
        if (file.present) folder.write(file.name, file.bytes);
    GameDigest digest;
    {
        GameSession session(replay, folder.folder());
        replay.setOnEnd([&session] { session.application().terminate(); });
        session.setOnFrame([&](TfrmMain& form) {
            digest.addFrame(form);
            replay.frameDone(digest.frames(), digest.value());
        });
        session.run();
        replay.gameEnded();
    }
    run.line = digest.line();
    if (!replay.divergence().empty()) {
        run.exitCode = 1;
        run.note = "the replay left the recording: " + replay.divergence();
    } else if (!recording.complete) {
        run.exitCode = 2;
        run.note = recording.cutShort + "; replayed up to it";
    }
    return run;
}
