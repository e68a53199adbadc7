#pragma once
// Puts the files of `from` at `to` without copying where the system allows:
// a folder link, else hard links file by file (Windows' runtime cannot make
// links to folders), else copies.
#include <filesystem>

inline void ShareFolder(const std::filesystem::path& from, const std::filesystem::path& to)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::create_directory_symlink(from, to, ec);
    if (!ec) return;
    fs::create_directories(to);
    for (const auto& entry : fs::recursive_directory_iterator(from)) {
        const fs::path target = to / fs::relative(entry.path(), from);
        if (entry.is_directory()) {
            fs::create_directories(target);
            continue;
        }
        fs::create_hard_link(entry.path(), target, ec);
        if (ec) fs::copy_file(entry.path(), target);
    }
}
