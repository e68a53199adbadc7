// The asset catalogue: every picture and sound of the game, loaded at
// start-up from the game's own folder.
#include "app/asset_catalogue.h"
#include "app/main_form.h"
#include "engine/sound/encrypt_simple.h"
#include "engine/sound/wav.h"
#include "platform/errors.h"
#include "platform/win32/bitmap/bitmap.h"

void TfrmMain::LoadImages()
{
    try {
        for (const ImageEntry& e : ImageCatalogue())
            LoadImage(e.file, e.folder, e.name, e.patternWidth, e.patternHeight, e.skipWidth, e.skipHeight,
                      e.transparentColor, e.transparent);
    } catch (const platform::Exception& error) {
        throw platform::Exception(std::string("Error occured during loading (encrypted) images.  (") + error.what() +
                                  ")");
    }
}

void TfrmMain::LoadImage(const std::string& file, const std::string& folder, const std::string& name,
                         int patternWidth, int patternHeight, int skipWidth, int skipHeight,
                         uint32_t transparentColor, bool transparent)
{
    // Found beside the program, wherever it was started from.
    const std::string path = FAppPath + folder + "/" + file;
    std::unique_ptr<platform::TBitmap> bitmap = TEncryptSimple().LoadBitmapFile(path);
    if (!bitmap) return;
    auto& item = DImageList1.Items().Add();
    item.TakeBitmap(std::move(bitmap));
    item.Name = name;
    item.SetPatternWidth(patternWidth);
    item.SetPatternHeight(patternHeight);
    item.SetSkipWidth(skipWidth);
    item.SetSkipHeight(skipHeight);
    item.TransparentColor = static_cast<TColor>(transparentColor);
    item.Transparent = transparent;
}

void TfrmMain::DrawImage(const std::string& name, int x, int y, int pattern)
{
    DImageList1.Items().Find(name).Draw(DDrawScreen1.BackBuffer(), x, y, pattern);
}

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
