#pragma once
// A game folder of its own for a replay or a soak: the pictures and sounds
// of the real game folder (linked, not copied) and the files the run puts
// there. It carries the marker of a game folder of its own, so settings and
// highscores written during the run land in it, never in the player's
// configuration folder, and it is removed afterwards.
#include <filesystem>
#include <string>

class ScratchGameFolder {
public:
    // `gameFolder` is the folder whose SysData is used. Throws
    // std::runtime_error when no folder can be made.
    explicit ScratchGameFolder(const std::string& gameFolder);
    ~ScratchGameFolder();
    ScratchGameFolder(const ScratchGameFolder&) = delete;
    ScratchGameFolder& operator=(const ScratchGameFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // With a trailing slash, as the game keeps its folder.
    std::string folder() const;
    // Writes `bytes` as `name` (relative, inside the folder), making folders
    // on the way; throws std::runtime_error when it cannot.
    void write(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path path_;
};
