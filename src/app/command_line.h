#pragma once
// The few options the game takes, for tools and tests. Started without any,
// the game is played as usual; every other way of running it is named here.
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

struct PlayOptions {};

// Plays shipped levels headless with an automatic player and reports each.
struct AutoplayOptions {
    std::string profile = "strong";
    uint64_t seed = 1;
    int32_t firstLevel = 1;
    int32_t lastLevel = 25;
    // With one level: the game played is recorded to this file as well.
    std::string recordFile;
};

// Plays as usual and writes everything taken from outside to `file`.
struct RecordOptions {
    std::string file;
};

// Runs a recording again, headless.
struct ReplayOptions {
    std::string file;
};

// Plays `minutes` of game time headless with random input, checking the
// rules of the floor every frame.
struct SoakOptions {
    double minutes = 10;
    uint64_t seed = 1;
};

// Prints the version (and the git revision it was built from) and ends.
struct VersionOptions {};

// Prints the usage and ends.
struct HelpOptions {};

using RunOptions =
    std::variant<PlayOptions, AutoplayOptions, RecordOptions, ReplayOptions, SoakOptions, VersionOptions, HelpOptions>;

struct ParsedCommandLine {
    RunOptions options;
    // Set when the arguments make no sense; the options are then unusable.
    std::string error;
};

ParsedCommandLine ParseCommandLine(int argc, const char* const* argv);

// One paragraph for --help and for a bad argument.
const char* CommandLineUsage();
