// Every generated file, read back through the game's own loaders exactly as
// start-up reads it: the right layout, enough patterns, the right key.
#include <gtest/gtest.h>

#include <string>

#include "app/asset_catalogue.h"
#include "catalogue.h"
#include "engine/display/image_list.h"
#include "engine/sound/encrypt_simple.h"
#include "engine/sound/wav.h"
#include "platform/win32/bitmap/bitmap.h"

namespace {

const std::string kGame = std::string(BRINDLECOG_GAME_DIR) + "/";

const assetgen::ImageEntry* generatorEntry(const std::string& name)
{
    for (const auto& e : assetgen::image_catalogue())
        if (e.name == name) return &e;
    return nullptr;
}

}  // namespace

TEST(GameLoaders, EveryImageLoadsWithItsCatalogueLayout)
{
    TDImageList list;
    for (const ImageEntry& entry : ImageCatalogue()) {
        SCOPED_TRACE(entry.name);
        const auto* made = generatorEntry(entry.name);
        ASSERT_NE(made, nullptr) << "the generator does not make it";
        EXPECT_EQ(made->file, entry.file);
        EXPECT_EQ(made->folder, entry.folder);

        auto bitmap = TEncryptSimple().LoadBitmapFile(kGame + entry.folder + "/" + entry.file);
        ASSERT_TRUE(bitmap);
        auto& item = list.Items().Add();
        item.SetBitmap(bitmap.get());
        item.Name = entry.name;
        item.SetPatternWidth(entry.patternWidth);
        item.SetPatternHeight(entry.patternHeight);
        item.SetSkipWidth(entry.skipWidth);
        item.SetSkipHeight(entry.skipHeight);
        // A size the bitmap cannot hold would have been refused silently.
        EXPECT_EQ(item.PatternWidth(), entry.patternWidth);
        EXPECT_EQ(item.PatternHeight(), entry.patternHeight);
        // A gap only fits where there is a second column or row.
        const bool twoColumns = bitmap->Width() >= entry.patternWidth + entry.skipWidth;
        const bool twoRows = bitmap->Height() >= entry.patternHeight + entry.skipHeight;
        EXPECT_EQ(item.SkipWidth(), twoColumns ? entry.skipWidth : 0);
        EXPECT_EQ(item.SkipHeight(), twoRows ? entry.skipHeight : 0);
        EXPECT_GE(item.PatternCount(), made->patterns);

        // Transparent pictures carry their key where they are see-through
        // (the floor and the back wall fill their whole area); pictures
        // drawn without a key never need one.
        const bool fullBleed = entry.name == std::string("Floor") || entry.name == std::string("BackWall");
        const auto key = static_cast<uint32_t>(entry.transparentColor);
        bool hasKey = false;
        for (int y = 0; y < bitmap->Height() && !hasKey; ++y)
            for (int x = 0; x < bitmap->Width() && !hasKey; ++x) hasKey = (bitmap->Pixel(x, y) & 0xFFFFFF) == key;
        if (entry.transparent && !fullBleed) {
            EXPECT_TRUE(hasKey);
        }
    }
    EXPECT_EQ(list.Items().Count(), 90);
    // Lookups ignore case, as the menus and the title rely on.
    EXPECT_EQ(list.Items().Find("menublock").Name, "MenuBlock");
    EXPECT_EQ(list.Items().Find("Moltrand").Name, "moltrand");
}

TEST(GameLoaders, EverySoundLoadsAsSixteenBitPcm)
{
    for (const SoundEntry& entry : SoundCatalogue()) {
        SCOPED_TRACE(entry.name);
        auto wav = TEncryptSimple().LoadWavFile(kGame + "SysData/" + entry.file);
        ASSERT_TRUE(wav);
        EXPECT_EQ(wav->Format().bitsPerSample, 16);
        EXPECT_EQ(wav->Format().formatTag, 1);
        const double seconds = static_cast<double>(wav->DataSize()) / wav->Format().avgBytesPerSec;
        if (entry.looped) {
            EXPECT_GE(seconds, 15.0);
            EXPECT_LE(seconds, 40.0);
        } else {
            EXPECT_LT(seconds, 3.0);
        }
    }
}
