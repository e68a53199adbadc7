#pragma once
// A factory floor of its own for unit tests: the game's real pictures on a
// headless 800 x 600 display, every floor object, and a host in the main
// form's place that writes down what the floor asks of it (sounds, hint
// messages, the chief's words and game-state changes).
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/asset_catalogue.h"
#include "engine/display/ddraw_screen.h"
#include "engine/display/image_list.h"
#include "engine/input/input_controller.h"
#include "engine/sound/encrypt_simple.h"
#include "engine/sprites/sprite_engine.h"
#include "gameplay/bc_level.h"
#include "gameplay/game_floor.h"
#include "gameplay/game_host.h"
#include "platform/backends/headless/headless_backend.h"
#include "platform/win32/form.h"
#include "support/level_files.h"
#include "support/temp_dir.h"

class FloorHost final : public TGameHost {
public:
    FloorHost()
    {
        screen.AutoInitialize = false;
        screen.FullScreen = false;
        images.SetDrawScreen(&screen);
        engine.SetDrawScreen(&screen);
        for (const ImageEntry& e : ImageCatalogue()) {
            auto bitmap = TEncryptSimple().LoadBitmapFile(std::string(BRINDLECOG_GAME_DIR) + "/" + e.folder + "/" +
                                                          e.file);
            auto& item = images.Items().Add();
            item.SetBitmap(bitmap.get());
            item.Name = e.name;
            item.SetPatternWidth(e.patternWidth);
            item.SetPatternHeight(e.patternHeight);
            item.SetSkipWidth(e.skipWidth);
            item.SetSkipHeight(e.skipHeight);
            item.TransparentColor = static_cast<TColor>(e.transparentColor);
            item.Transparent = e.transparent;
        }
        screen.Initialize();
        frmMain = this;
        floor = std::make_unique<TGameFloor>(world, controller, screen);
        level = std::make_unique<TBCLevel>(world, *floor->FMainLine, *floor->FPickLocations);
    }
    ~FloorHost()
    {
        level.reset();
        floor.reset();
        frmMain = nullptr;
    }

    void SetGameState(TGameState state) override { states.push_back(state); }
    void PlaySound(const std::string& name) override { sounds.push_back(name); }
    void ShowChiefMessage(const std::string& line1, const std::string& line2) override
    {
        chiefSaid = line1 + line2;
    }
    void ShowHintMessage(const std::string& line1, const std::string& line2) override
    {
        hints.push_back(line2.empty() ? line1 : line1 + " / " + line2);
    }
    void ClearHintMessage() override { hints.clear(); }
    TDImageList& Images() override { return images; }
    TFXBitmapFont* BalloonFont() override { return nullptr; }
    TBCLevel* Level() override { return level.get(); }
    TGameFloor* Floor() override { return floor.get(); }
    TGameRandom& Random() override { return random; }

    // Loads the level from the bytes of its file.
    bool load(const std::string& bytes)
    {
        std::istringstream in(bytes);
        return level->LoadFromStream(in);
    }
    bool load(const LevelPlan& plan) { return load(LevelBytes(plan)); }

    int count(const std::string& sound) const
    {
        int n = 0;
        for (const auto& s : sounds) n += s == sound;
        return n;
    }

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

    std::vector<std::string> sounds;
    std::vector<std::string> hints;
    std::vector<TGameState> states;
    std::string chiefSaid;
};
