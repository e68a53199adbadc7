// Where the player's files go: beside the program in the build's game folder
// and its copies (marked), in the player's own folders for an installed game.
#include "app/user_folders.h"

#include <gtest/gtest.h>

#include <map>

#include "support/temp_dir.h"

namespace {

struct FakeEnvironment {
    std::map<std::string, std::string> values;
    TEnvironment get() const
    {
        return [this](const char* name) -> const char* {
            const auto it = values.find(name);
            return it == values.end() ? nullptr : it->second.c_str();
        };
    }
};

}  // namespace

TEST(UserFolders, TheMarkedGameFolderKeepsEverythingBesideTheProgram)
{
    TempDir game;
    game.write(kPortableMarker, "");
    const FakeEnvironment env{{{"HOME", "/home/ann"}, {"XDG_CONFIG_HOME", "/home/ann/.cfg"}}};
    // With or without the trailing slash.
    for (const std::string& path : {game.folder(), game.path().string()}) {
        const TUserFolders f = LocateUserFolders(path, env.get());
        EXPECT_FALSE(f.Installed);
        EXPECT_EQ(f.Settings, game.folder());
        EXPECT_EQ(f.HighScores, game.folder() + "HighScores/");
        EXPECT_EQ(f.Screenshots, game.folder() + "Screenshots/");
    }
}

TEST(UserFolders, AnInstalledGameUsesTheConfigurationAndPictureFolders)
{
    TempDir game;  // no marker: laid down by the install
    FakeEnvironment env{{{"HOME", "/home/ann"}}};
    TUserFolders f = LocateUserFolders(game.folder(), env.get());
    EXPECT_TRUE(f.Installed);
    EXPECT_EQ(f.Settings, "/home/ann/.config/brindlecog/");
    EXPECT_EQ(f.HighScores, "/home/ann/.config/brindlecog/");
    EXPECT_EQ(f.Screenshots, "/home/ann/Pictures/Brindlecog/");

    env.values["XDG_CONFIG_HOME"] = "/srv/cfg/";
    f = LocateUserFolders(game.folder(), env.get());
    EXPECT_EQ(f.Settings, "/srv/cfg/brindlecog/");
    EXPECT_EQ(f.Screenshots, "/home/ann/Pictures/Brindlecog/");

    // A relative configuration home does not count.
    env.values["XDG_CONFIG_HOME"] = "cfg";
    EXPECT_EQ(LocateUserFolders(game.folder(), env.get()).Settings, "/home/ann/.config/brindlecog/");
}

TEST(UserFolders, ScreenshotsGoWhereTheDesktopKeepsPictures)
{
    TempDir game, config;
    FakeEnvironment env{{{"HOME", "/home/ann"}, {"XDG_CONFIG_HOME", config.path().string()}}};
    const auto screenshots = [&] { return LocateUserFolders(game.folder(), env.get()).Screenshots; };

    config.write("user-dirs.dirs", "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"
                                   "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n");
    EXPECT_EQ(screenshots(), "/home/ann/Bilder/Brindlecog/");
    config.write("user-dirs.dirs", "XDG_PICTURES_DIR=\"/data/photos\"\n");
    EXPECT_EQ(screenshots(), "/data/photos/Brindlecog/");
    // Pictures switched off (set to the home folder) or garbled: the usual place.
    config.write("user-dirs.dirs", "XDG_PICTURES_DIR=\"$HOME/\"\n");
    EXPECT_EQ(screenshots(), "/home/ann/Pictures/Brindlecog/");
    config.write("user-dirs.dirs", "XDG_PICTURES_DIR=\"relative\"\nXDG_PICTURES_DIR=\"\n");
    EXPECT_EQ(screenshots(), "/home/ann/Pictures/Brindlecog/");
}
