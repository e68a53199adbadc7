// Any bytes loaded as a level onto the factory floor: the loader never
// crashes, never builds more products than the file holds records, and the
// floor it leaves runs.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

#include "app/asset_catalogue.h"
#include "engine/display/ddraw_screen.h"
#include "engine/display/image_list.h"
#include "engine/input/input_controller.h"
#include "engine/sprites/sprite_engine.h"
#include "gameplay/bc_level.h"
#include "gameplay/game_floor.h"
#include "gameplay/game_host.h"
#include "gameplay/level_file.h"
#include "platform/backends/headless/headless_backend.h"
#include "platform/win32/form.h"

namespace {

// The floor with blank pictures of the game's pattern sizes.
class FuzzFloor final : public TGameHost {
public:
    FuzzFloor()
    {
        screen.AutoInitialize = false;
        screen.FullScreen = false;
        images.SetDrawScreen(&screen);
        engine.SetDrawScreen(&screen);
        for (const ImageEntry& e : ImageCatalogue()) {
            platform::TBitmap bitmap;
            // Ten patterns of each, enough for every figure's poses.
            bitmap.SetSize(e.patternWidth * 10, e.patternHeight);
            auto& item = images.Items().Add();
            item.SetBitmap(&bitmap);
            item.Name = e.name;
            item.SetPatternWidth(e.patternWidth);
            item.SetPatternHeight(e.patternHeight);
        }
        screen.Initialize();
        frmMain = this;
        floor = std::make_unique<TGameFloor>(world, controller, screen);
        level = std::make_unique<TBCLevel>(world, *floor->FMainLine, *floor->FPickLocations);
    }

    void SetGameState(TGameState) override {}
    void PlaySound(const std::string&) override {}
    void ShowChiefMessage(const std::string&, const std::string&) override {}
    void ShowHintMessage(const std::string&, const std::string&) override {}
    void ClearHintMessage() override {}
    TDImageList& Images() override { return images; }
    TFXBitmapFont* BalloonFont() override { return nullptr; }
    TBCLevel* Level() override { return level.get(); }
    TGameFloor* Floor() override { return floor.get(); }
    TGameRandom& Random() override { return random; }

    platform::HeadlessBackend backend;
    platform::Application app{backend};
    platform::Form form{app};
    TDDrawScreen screen{app, form};
    TDImageList images;
    TDSpriteEngine2D engine;
    TWorldSpritesWorld world{&engine, 800, 600, 800, 600};
    engine::input::TDInputController controller{app};
    TGameRandom random;
    std::unique_ptr<TGameFloor> floor;
    std::unique_ptr<TBCLevel> level;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    static FuzzFloor* floor = new FuzzFloor();  // lives for the whole run
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::istringstream in(bytes);
    floor->level->LoadFromStream(in);

    const std::size_t records = size > kLevelHeaderSize ? (size - kLevelHeaderSize) / kProductRecordSize : 0;
    if (static_cast<std::size_t>(floor->floor->FMainLine->ProductCount()) > records) std::abort();
    for (int frame = 0; frame < 20; ++frame) {
        floor->floor->FMainLine->Update(10);
        floor->floor->FPickLocations->Update(10);
        floor->floor->FDropper->Update(10);
    }
    return 0;
}
