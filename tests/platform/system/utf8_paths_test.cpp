// Paths are UTF-8 text: a player's folder named in any language holds the
// settings file, which is written, replaced and read back like any other.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files/ini_file.h"
#include "platform/system/utf8_path.h"
#include "support/temp_dir.h"

TEST(Utf8Paths, SettingsInAFolderWithANonAsciiNameAreWrittenReplacedAndRead)
{
    TempDir dir;
    const std::string name = "Jürgen \xE3\x83\x97\xE3\x83\xAC\xE3\x82\xA4";
    const std::string folder = dir.folder() + name + "/";
    ASSERT_TRUE(std::filesystem::create_directories(platform::utf8Path(folder)));
    const std::string path = folder + "Brindlecog.ini";
    {
        platform::IniFile ini(path);
        ini.writeBool("General", "SoundOn", false);
        ini.writeInteger("General", "Volume", -12);
    }
    // Written again: the new file replaces the old one.
    platform::IniFile(path).writeBool("General", "MusicOn", true);

    const platform::IniFile ini(path);
    EXPECT_FALSE(ini.readBool("General", "SoundOn", true));
    EXPECT_TRUE(ini.readBool("General", "MusicOn", false));
    EXPECT_EQ(ini.readInteger("General", "Volume", 0), -12);
    EXPECT_EQ(std::filesystem::directory_iterator(platform::utf8Path(folder))->path().filename(),
              platform::utf8Path("Brindlecog.ini"));
    // The folder's name comes back from the system as it was given.
    EXPECT_EQ(platform::utf8Text(std::filesystem::directory_iterator(dir.path())->path().filename()), name);
}
