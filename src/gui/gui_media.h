#pragma once
// Binds the GUI toolkit to the main form's components: the display screen's
// back buffer, the image list's items and the input controller. The main
// form keeps one for the program's life; the GUI and fonts borrow from it,
// so it must outlive them. For example:
//
//   FMedia = std::make_unique<TFXMedia>(DDrawScreen1, DImageList1, DInputController1);
//   FGUI = std::make_unique<TFXGUI>(FMedia->Display(), &FMedia->Input(), &FMedia->Image("Cursor"));
//   TFXScreen& menu = TFXScreen::Create(*FGUI, 0, "MainMenu", 0, 0, 800, 600);
//   TFXButton::Create(menu, "btnPlay", 285, 120, 0, 0, &FMedia->Image("ButtonsMainMenu"), nullptr,
//                     0, 1, "Play Game").OnClick = [this](TFXControl&) { SetGameState(gsLevelIntro); };
//   FFont1 = std::make_unique<TFXBitmapFont>(FMedia->Display(), 0, FMedia->Image("font1"));
#include <map>
#include <memory>
#include <string>

#include "engine/display/ddraw_screen.h"
#include "engine/display/image_list.h"
#include "engine/input/input_controller.h"
#include "gui/controller_input.h"
#include "gui/image_item.h"
#include "gui/surface_display.h"

class TFXMedia {
public:
    TFXMedia(TDDrawScreen& screen, TDImageList& images, engine::input::TDInputController& controller)
        : FScreen(screen), FImages(images), FDisplay(screen), FInput(controller) {}
    TFXMedia(const TFXMedia&) = delete;
    TFXMedia& operator=(const TFXMedia&) = delete;

    TFXDisplay& Display() { return FDisplay; }
    TFXInput& Input() { return FInput; }
    // The item of that name (ignoring case) as a GUI image, made once and
    // kept; raises EDImageListError "Image %s does not exist." for none.
    TFXImage& Image(const std::string& name) { return Image(FImages.Items().Find(name)); }
    TFXImage& Image(TImageCollectionItem& item) {
        auto& slot = FItems[&item];
        if (!slot) slot = std::make_unique<TFXImageItem>(item, FScreen);
        return *slot;
    }

private:
    TDDrawScreen& FScreen;
    TDImageList& FImages;
    TFXSurfaceDisplay FDisplay;
    TFXControllerInput FInput;
    std::map<const TImageCollectionItem*, std::unique_ptr<TFXImageItem>> FItems;
};
