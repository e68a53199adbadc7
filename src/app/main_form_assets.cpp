// The asset catalogue: every picture and sound of the game, loaded at
// start-up from the game's own folder.
#include "app/asset_catalogue.h"
#include "app/main_form.h"
#include "engine/sound/encrypt_simple.h"
#include "engine/sound/wav.h"
#include "platform/errors.h"

void TfrmMain::LoadSounds()
{
    try {
        for (const SoundEntry& entry : SoundCatalogue()) LoadSound(entry.file, entry.name, entry.looped);
    } catch (const platform::Exception& error) {
        throw platform::Exception(std::string("Error occured during loading (encrypted) sounds.  (") + error.what() +
                                  ")");
    }
}

void TfrmMain::LoadSound(const std::string& file, const std::string& name, bool looped)
{
    // Found beside the program, wherever it was started from.
    const std::string path = FAppPath + "SysData/" + file;
    std::unique_ptr<TWav> wav = TEncryptSimple().LoadWavFile(path);
    if (!wav) return;
    auto& item = DSoundList1.Items().Add();
    item.SetWav(*wav);
    item.Name = name;
    item.Looped = looped;
}
