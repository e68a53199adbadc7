#pragma once
// Loader of the game's ".dat" asset files: an ordinary bitmap or RIFF/WAVE
// file behind a 101-byte prefix that is read and ignored.
#include <cstddef>
#include <fstream>
#include <memory>
#include <string>

namespace platform {
class TBitmap;
}
class TWav;

class TEncryptSimple {
public:
    static constexpr std::size_t kPrefixSize = 101;

    // Each returns a new object the caller owns; file and format errors
    // propagate as exceptions and nothing half-built is returned.
    std::unique_ptr<platform::TBitmap> LoadBitmapFile(const std::string& fileName);
    std::unique_ptr<TWav> LoadWavFile(const std::string& fileName);

private:
    // Opens the file for reading and skips the prefix (a short file is not an
    // error here: the reader fails on what is left).
    static std::ifstream OpenPrefixed(const std::string& fileName);
};
