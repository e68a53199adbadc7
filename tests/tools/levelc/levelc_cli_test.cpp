// The levelc command as the build and a level designer use it: exit status,
// messages with file and line, and files written only when all is well.
#include "levelc_cli.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "levelc_fixture.h"
#include "support/temp_dir.h"

using namespace levelc_test;

namespace {

struct TRun {
    int Status;
    std::string Out;
    std::string Err;
};

TRun Levelc(std::vector<std::string> args, const std::filesystem::path& gameDir = BRINDLECOG_GAME_DIR)
{
    std::ostringstream out, err;
    const int status = RunLevelc(args, out, err, gameDir);
    return {status, out.str(), err.str()};
}

TEST(LevelcCommand, CompilesASourceAndDumpsItBack)
{
    TempDir dir;
    dir.write("level04.txt", kGoodSource);
    const TRun compiled = Levelc({dir.file("level04.txt"), "-o", dir.file("Level4.lev")});
    EXPECT_EQ(compiled.Status, 0) << compiled.Err;
    EXPECT_EQ(dir.read("Level4.lev"), Compile(kGoodSource));

    const TRun dumped = Levelc({"--dump", dir.file("Level4.lev")});
    EXPECT_EQ(dumped.Status, 0);
    EXPECT_EQ(dumped.Out.rfind("# Dumped by levelc from " + dir.file("Level4.lev") + "\n", 0), 0u);
    EXPECT_EQ(Bytes(Parse(dumped.Out).Level), dir.read("Level4.lev"));
}

TEST(LevelcCommand, ASourceWithErrorsNamesFileAndLineAndLeavesTheOldOutput)
{
    TempDir dir;
    dir.write("level04.txt", WithLine(kGoodSource, 4, "speed: fast"));
    dir.write("Level4.lev", "old");
    const TRun run = Levelc({dir.file("level04.txt"), "-o", dir.file("Level4.lev")});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err, dir.file("level04.txt") + ":4: error: \"speed\" wants a whole number, not \"fast\"\n");
    EXPECT_EQ(dir.read("Level4.lev"), "old");
}

TEST(LevelcCommand, CheckPassesOnlyWhenEveryFilePasses)
{
    TempDir dir;
    dir.write("level04.txt", kGoodSource);
    dir.write("Level4.lev", Compile(kGoodSource));
    dir.write("level05.txt", WithLine(kGoodSource, 1, "level: 5") + "    piza\n");

    const TRun good = Levelc({"--check", dir.file("level04.txt"), dir.file("Level4.lev")});
    EXPECT_EQ(good.Status, 0) << good.Err;
    EXPECT_EQ(good.Out, "levelc: 2 files pass\n");

    const TRun mixed = Levelc({"--check", dir.file("level04.txt"), dir.file("level05.txt"), dir.file("Level4.lev")});
    EXPECT_EQ(mixed.Status, 1);
    EXPECT_EQ(mixed.Err, dir.file("level05.txt") + ":11: error: unknown product \"piza\" (did you mean \"pizza\"?)\n"
                         "levelc: 1 of 3 files refused\n");
}

TEST(LevelcCommand, CheckRefusesALevelFileTheGameWouldReadOtherwise)
{
    TempDir dir;
    dir.write("Level4.lev", Compile(kGoodSource).substr(0, 300));
    const TRun run = Levelc({"--check", dir.file("Level4.lev")});
    EXPECT_EQ(run.Status, 1);
    EXPECT_NE(run.Err.find(dir.file("Level4.lev") + ": error: the file ends inside the header, after 300 of 428 bytes\n"),
              std::string::npos)
        << run.Err;
}

TEST(LevelcCommand, UnreadableFilesAreRefusedAndTheRestStillChecked)
{
    TempDir dir;
    dir.write("level04.txt", kGoodSource);
    std::filesystem::create_directory(dir.path() / "Level9.lev");
    const TRun run = Levelc({"--check", dir.file("missing.txt"), dir.file("Level9.lev"), dir.file("level04.txt")});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err, dir.file("missing.txt") + ": error: cannot open the file\n" + dir.file("Level9.lev") +
                           ": error: is a folder, not a file\nlevelc: 2 of 3 files refused\n");

    EXPECT_EQ(Levelc({"--dump", dir.file("missing.lev")}).Status, 1);
    EXPECT_EQ(Levelc({dir.file("missing.txt"), "-o", dir.file("x.lev")}).Status, 1);
}

TEST(LevelcCommand, WithoutTheFontsCheckSaysWhereItLooked)
{
    TempDir dir, empty;
    dir.write("level04.txt", kGoodSource);
    const TRun run = Levelc({"--check", dir.file("level04.txt")}, empty.path());
    EXPECT_EQ(run.Status, 1);
    EXPECT_NE(run.Err.find("cannot read the font \"bigfont2\" from " + (empty.path() / "SysData" / "DatImg075.dat").string()),
              std::string::npos)
        << run.Err;
    // --game names the folder.
    EXPECT_EQ(Levelc({"--check", "--game", BRINDLECOG_GAME_DIR, dir.file("level04.txt")}, empty.path()).Status, 0);
}

TEST(LevelcCommand, ACommandLineItDoesNotUnderstandIsAUsageError)
{
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {}, {"a.txt"}, {"a.txt", "b.txt", "-o", "x.lev"}, {"--dump"}, {"--dump", "a.lev", "b.lev"},
             {"--check"}, {"--check", "a.txt", "--bogus"}, {"a.txt", "-o"}}) {
        const TRun run = Levelc(args);
        EXPECT_EQ(run.Status, 2) << ::testing::PrintToString(args);
        EXPECT_NE(run.Err.find("usage: levelc"), std::string::npos);
    }
    EXPECT_EQ(Levelc({"--help"}).Status, 0);
}

}  // namespace
