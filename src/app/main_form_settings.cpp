// The settings file: read at start-up, written when Options is left and at
// shutdown. Only "General" keys of ours are touched; the rest of the file is
// kept as the player left it.
#include <cstdio>
#include <filesystem>

#include "app/main_form.h"
#include "app/user_folders.h"
#include "platform/errors.h"
#include "platform/files/ini_file.h"
#include "platform/system/utf8_path.h"

namespace {
const char* const kSection = "General";
}

std::string TfrmMain::SettingsPath() const { return LocateUserFolders(FAppPath).Settings + "Brindlecog.ini"; }

void TfrmMain::ReadSettings()
{
    try {
        const platform::IniFile ini(SettingsPath());
        FSoundOn = ini.readBool(kSection, "SoundOn", true);
        FMusicOn = ini.readBool(kSection, "MusicOn", true);
        FFullScreen = ini.readBool(kSection, "FullScreen", true);
        FDrawFPS = ini.readBool(kSection, "DrawFPS", false);
        // How the picture fills a larger window or screen; set by hand.
        application().backend().video().setScaling(
            platform::parseScaling(ini.readString("Display", "Scaling", "integer")));
    } catch (const platform::Exception& error) {
        throw platform::Exception(std::string("Error occured during reading INI-file.  (") + error.what() + ")");
    }
}

void TfrmMain::WriteSettings()
{
    try {
        // An installed game's configuration folder may not exist yet.
        std::filesystem::create_directories(platform::utf8Path(SettingsPath()).parent_path());
        platform::IniFile ini(SettingsPath());
        ini.writeBool(kSection, "SoundOn", FSoundOn);
        ini.writeBool(kSection, "MusicOn", FMusicOn);
        ini.writeBool(kSection, "FullScreen", FFullScreen);
    } catch (const std::exception& error) {
        // Not fatal: the file keeps its older values. Say so for whoever
        // wonders why the choice did not stick.
        std::fprintf(stderr, "Brindlecog: settings not saved: %s\n", error.what());
    }
}
