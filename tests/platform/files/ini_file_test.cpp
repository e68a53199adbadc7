#include "platform/files/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

using platform::IniFile;

TEST(IniFile, MissingFileReadsDefaults)
{
    TempDir dir;
    const IniFile ini(dir.file("none.ini"));
    EXPECT_EQ(ini.readString("General", "SoundOn", "x"), "x");
    EXPECT_TRUE(ini.readBool("General", "SoundOn", true));
    EXPECT_FALSE(ini.readBool("General", "DrawFPS", false));
}

TEST(IniFile, ReadsWithProfileSemantics)
{
    TempDir dir;
    dir.write("a.ini",
              "; a comment\n"
              "[other]\nSoundOn=0\n"
              "  [ GENERAL ]  \r\n"
              "  soundon =  0  \r\n"
              "SoundOn=1\n"          // the first match wins
              "Name = \"quoted value\" \n"
              "Hex=$1F\nHex2=0x10\nNeg=-5\n"
              "Bad=12abc\nEmpty=\nBig=99999999999\n"
              "garbage line without equals\n"
              "[General]\nLater=1\n");  // only the first section of a name counts
    const IniFile ini(dir.file("a.ini"));
    EXPECT_EQ(ini.readInteger("General", "SoundOn", 7), 0);
    EXPECT_FALSE(ini.readBool("general", "SOUNDON", true));
    EXPECT_EQ(ini.readString("General", "Name", ""), "quoted value");
    EXPECT_EQ(ini.readInteger("General", "Hex", 0), 31);
    EXPECT_EQ(ini.readInteger("General", "Hex2", 0), 16);
    EXPECT_EQ(ini.readInteger("General", "Neg", 0), -5);
    EXPECT_TRUE(ini.readBool("General", "Neg", false));
    EXPECT_EQ(ini.readInteger("General", "Bad", 42), 42);
    EXPECT_EQ(ini.readInteger("General", "Empty", 42), 42);
    EXPECT_EQ(ini.readInteger("General", "Big", 42), 42);
    EXPECT_TRUE(ini.readBool("General", "Bad", true));
    EXPECT_EQ(ini.readString("General", "Later", "none"), "none");
}

TEST(IniFile, WritingChangesOnlyItsOwnLine)
{
    TempDir dir;
    const std::string original =
        "; keep me\r\n[Video]\r\nGamma=3\r\n[General]\r\nSoundOn=1\r\nDrawFPS=1\r\nodd line\r\n\r\n[Last]\r\nx=y\r\n";
    dir.write("g.ini", original);
    IniFile ini(dir.file("g.ini"));
    ini.writeBool("General", "SoundOn", false);
    ini.writeBool("General", "MusicOn", true);  // new key joins its section
    EXPECT_EQ(dir.read("g.ini"),
              "; keep me\r\n[Video]\r\nGamma=3\r\n[General]\r\nSoundOn=0\r\nDrawFPS=1\r\nodd line\r\nMusicOn=1\r\n\r\n"
              "[Last]\r\nx=y\r\n");
    const IniFile again(dir.file("g.ini"));
    EXPECT_FALSE(again.readBool("General", "SoundOn", true));
    EXPECT_TRUE(again.readBool("General", "MusicOn", false));
    EXPECT_EQ(again.readInteger("Video", "Gamma", 0), 3);
}

TEST(IniFile, WritingCreatesFileAndSection)
{
    TempDir dir;
    IniFile ini(dir.file("new.ini"));
    ini.writeBool("General", "SoundOn", true);
    ini.writeInteger("General", "Count", -3);
    EXPECT_EQ(dir.read("new.ini"), "[General]\nSoundOn=1\nCount=-3\n");

    dir.write("nolf.ini", "[A]\nk=v");
    IniFile other(dir.file("nolf.ini"));
    other.writeString("B", "k", "w");
    EXPECT_EQ(dir.read("nolf.ini"), "[A]\nk=v\n[B]\nk=w\n");
}

TEST(IniFile, BinaryGarbageSurvivesWrites)
{
    TempDir dir;
    const char raw[] = "\x00\x01\xff[General\x00]\n\xfe=\xfd\n";
    const std::size_t junkSize = sizeof raw - 1;
    std::string junk(raw, junkSize);
    junk += "[General]\nSoundOn=zzz\n";
    dir.write("bin.ini", junk);
    IniFile ini(dir.file("bin.ini"));
    EXPECT_TRUE(ini.readBool("General", "SoundOn", true));
    ini.writeBool("General", "SoundOn", false);
    const std::string after = dir.read("bin.ini");
    EXPECT_EQ(after.substr(0, junkSize), junk.substr(0, junkSize));
    EXPECT_NE(after.find("SoundOn=0\n"), std::string::npos);
}

TEST(IniFile, HugeFileIsNeitherParsedNorOverwritten)
{
    TempDir dir;
    std::string huge = "[General]\nSoundOn=0\n";
    huge.resize(IniFile::kMaxSize + 10, 'x');
    dir.write("huge.ini", huge);
    IniFile ini(dir.file("huge.ini"));
    EXPECT_TRUE(ini.readBool("General", "SoundOn", true));
    EXPECT_THROW(ini.writeBool("General", "SoundOn", true), platform::EFileError);
    EXPECT_EQ(std::filesystem::file_size(dir.file("huge.ini")), huge.size());
}

TEST(IniFile, UnreadableOrUnwritableFilesRaise)
{
    TempDir dir;
    std::filesystem::create_directory(dir.file("folder.ini"));
    EXPECT_THROW(IniFile(dir.file("folder.ini")), platform::EFileError);

    IniFile nowhere(dir.file("missing-folder/x.ini"));
    EXPECT_THROW(nowhere.writeBool("General", "SoundOn", true), platform::EFileError);
}

TEST(IniFile, ProfileIntegers)
{
    int v = 0;
    EXPECT_TRUE(platform::parseProfileInteger(" 12 ", v));
    EXPECT_EQ(v, 12);
    EXPECT_TRUE(platform::parseProfileInteger("-2147483648", v));
    EXPECT_EQ(v, INT32_MIN);
    EXPECT_FALSE(platform::parseProfileInteger("2147483648", v));
    EXPECT_TRUE(platform::parseProfileInteger("$FFFFFFFF", v));
    EXPECT_EQ(v, -1);
    EXPECT_FALSE(platform::parseProfileInteger("1.5", v));
    EXPECT_FALSE(platform::parseProfileInteger("-", v));
    EXPECT_FALSE(platform::parseProfileInteger("0x", v));
}
