#include "app/command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

ParsedCommandLine Parse(std::vector<const char*> args)
{
    args.insert(args.begin(), "brindlecog");
    return ParseCommandLine(static_cast<int>(args.size()), args.data());
}

}  // namespace

TEST(CommandLine, NoOptionsPlaysTheGame)
{
    const auto parsed = Parse({});
    EXPECT_TRUE(parsed.error.empty());
    EXPECT_TRUE(std::holds_alternative<PlayOptions>(parsed.options));
}

TEST(CommandLine, AutoplayWithItsOptions)
{
    const auto parsed = Parse({"--autoplay", "--profile", "weak", "--seed", "42", "--levels", "6-10"});
    ASSERT_TRUE(parsed.error.empty()) << parsed.error;
    const auto& options = std::get<AutoplayOptions>(parsed.options);
    EXPECT_EQ(options.profile, "weak");
    EXPECT_EQ(options.seed, 42u);
    EXPECT_EQ(options.firstLevel, 6);
    EXPECT_EQ(options.lastLevel, 10);
    EXPECT_EQ(std::get<AutoplayOptions>(Parse({"--autoplay", "--levels", "3"}).options).lastLevel, 3);
    EXPECT_EQ(std::get<AutoplayOptions>(Parse({"--autoplay", "--levels", "3", "--record", "a.rec"}).options).recordFile,
              "a.rec");
}

TEST(CommandLine, RecordReplayAndSoak)
{
    EXPECT_EQ(std::get<RecordOptions>(Parse({"--record", "game.rec"}).options).file, "game.rec");
    EXPECT_EQ(std::get<ReplayOptions>(Parse({"--replay", "game.rec"}).options).file, "game.rec");
    const auto soak = std::get<SoakOptions>(Parse({"--soak", "10", "--seed", "7"}).options);
    EXPECT_EQ(soak.minutes, 10);
    EXPECT_EQ(soak.seed, 7u);
}

TEST(CommandLine, VersionAndHelp)
{
    EXPECT_TRUE(std::holds_alternative<VersionOptions>(Parse({"--version"}).options));
    EXPECT_TRUE(std::holds_alternative<HelpOptions>(Parse({"--help"}).options));
}

TEST(CommandLine, NonsenseIsRefusedWithAReason)
{
    for (const auto& args : std::vector<std::vector<const char*>>{
             {"--autoplay", "--profile", "godlike"},
             {"--autoplay", "--levels", "9-3"},
             {"--autoplay", "--levels", "0"},
             {"--autoplay", "--seed", "-1"},
             {"--autoplay", "--seed"},
             {"--autoplay", "--record", "a.rec"},
             {"--autoplay", "--levels", "2-3", "--record", "a.rec"},
             {"--record"},
             {"--replay", "a", "b"},
             {"--soak", "ten"},
             {"--soak", "-5"},
             {"--fullscreen"},
             {"--version", "--autoplay"},
         }) {
        EXPECT_FALSE(Parse(args).error.empty()) << args[0];
    }
}
