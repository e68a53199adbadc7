// The settings file: read at start-up, written when Options is left and at
// shutdown. Only "General" keys of ours are touched; the rest of the file is
// kept as the player left it.
#include <cstdio>

#include "app/main_form.h"
#include "platform/errors.h"
#include "platform/ini_file.h"

namespace {
const char* const kSection = "General";
}

void TfrmMain::ReadSettings()
{
    try {
        const platform::IniFile ini(SettingsPath());
        FSoundOn = ini.readBool(kSection, "SoundOn", true);
        FMusicOn = ini.readBool(kSection, "MusicOn", true);
        FFullScreen = ini.readBool(kSection, "FullScreen", true);
        FDrawFPS = ini.readBool(kSection, "DrawFPS", false);
    } catch (const platform::Exception& error) {
        throw platform::Exception(std::string("Error occured during reading INI-file.  (") + error.what() + ")");
    }
}

void TfrmMain::WriteSettings()
{
    try {
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
