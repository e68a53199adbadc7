#pragma once
// The fixed catalogue of the game's asset files. Everything else in the game
// addresses a picture or a sound by its name here.
#include <cstdint>
#include <span>

struct ImageEntry {
    const char* file;
    const char* folder;  // relative to the game's folder
    const char* name;
    int patternWidth;
    int patternHeight;
    int skipWidth;
    int skipHeight;
    uint32_t transparentColor;  // 00BBGGRR
    bool transparent;
};

struct SoundEntry {
    const char* file;  // in "SysData"
    const char* name;
    bool looped;
};

std::span<const ImageEntry> ImageCatalogue();
std::span<const SoundEntry> SoundCatalogue();
