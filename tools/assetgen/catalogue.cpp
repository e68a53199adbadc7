#include "catalogue.h"

#include "art.h"
#include "sounds.h"

#include <array>

namespace assetgen {

namespace {

constexpr std::string_view kSys = "SysData";
constexpr std::string_view kProd = "SysData/Products";
constexpr Rgb8 kM = kMagentaKey;
constexpr Rgb8 kG = kGreyKey;

// Pattern counts follow what the game draws: the worker's head up to 11, the
// arms up to 10, the chief up to 8, products one pattern per stage, tools
// pattern 2 in the recipe hint, the ball its hit look at 3, the speed box its
// four speeds, the belts three steps, the menu buttons 32 in normal/hover
// pairs, the fonts the 92 glyph cells plus the rest of the printable set.
constexpr std::array kImages = {
    ImageEntry{"DatImg001.dat", kSys, "head-assemblyworker", 70, 80, 1, 1, true, kM, 12, 12, art::worker_head},
    ImageEntry{"DatImg002.dat", kSys, "body-assemblyworker", 70, 99, 1, 1, true, kM, 4, 4, art::worker_body},
    ImageEntry{"DatImg003.dat", kSys, "arms-assemblyworker", 180, 80, 1, 1, true, kM, 11, 11, art::worker_arms},
    ImageEntry{"DatImg004.dat", kSys, "chief", 100, 300, 1, 1, true, kM, 9, 9, art::chief},
    ImageEntry{"DatImg005.dat", kSys, "pile-part", 40, 20, 0, 0, true, kM, 1, 1, art::pile_part},
    ImageEntry{"DatImg006.dat", kSys, "pile-bigpart", 80, 20, 0, 0, true, kM, 1, 1, art::pile_bigpart},
    ImageEntry{"DatImg007.dat", kSys, "pile-tool", 40, 20, 0, 0, true, kM, 1, 1, art::pile_tool},
    ImageEntry{"DatImg008.dat", kProd, "hamburger", 40, 40, 1, 1, true, kM, 5, 5, art::hamburger},
    ImageEntry{"DatImg009.dat", kProd, "hamburger-bottombread", 34, 15, 1, 1, true, kM, 1, 1, art::burger_bottom_bread},
    ImageEntry{"DatImg010.dat", kProd, "hamburger-bief", 34, 15, 1, 1, true, kM, 1, 1, art::burger_beef},
    ImageEntry{"DatImg011.dat", kProd, "hamburger-union", 34, 15, 1, 1, true, kM, 1, 1, art::burger_onion},
    ImageEntry{"DatImg012.dat", kProd, "hamburger-lettuce", 34, 15, 1, 1, true, kM, 1, 1, art::burger_lettuce},
    ImageEntry{"DatImg013.dat", kProd, "hamburger-topbread", 34, 15, 1, 1, true, kM, 1, 1, art::burger_top_bread},
    ImageEntry{"DatImg014.dat", kProd, "Pizza", 70, 30, 0, 1, true, kM, 3, 1, art::pizza},
    ImageEntry{"DatImg015.dat", kProd, "pizza-sauce-tomato", 40, 26, 0, 1, true, kM, 1, 1, art::pizza_tomato},
    ImageEntry{"DatImg016.dat", kProd, "pizza-sauce-vegetables", 40, 26, 0, 1, true, kM, 1, 1, art::pizza_vegetables},
    ImageEntry{"DatImg017.dat", kProd, "BeachBall", 70, 70, 0, 1, true, kM, 3, 1, art::beachball},
    ImageEntry{"DatImg018.dat", kProd, "basketball", 70, 70, 1, 1, true, kM, 3, 3, art::basketball},
    ImageEntry{"DatImg019.dat", kProd, "bear", 50, 60, 1, 1, true, kM, 4, 4, art::bear},
    ImageEntry{"DatImg020.dat", kProd, "bear-arms", 50, 20, 1, 1, true, kM, 1, 1, art::bear_arms},
    ImageEntry{"DatImg021.dat", kProd, "bear-legs", 50, 20, 1, 1, true, kM, 1, 1, art::bear_legs},
    ImageEntry{"DatImg022.dat", kProd, "bear-ears", 50, 20, 1, 1, true, kM, 1, 1, art::bear_ears},
    ImageEntry{"DatImg023.dat", kProd, "boat", 84, 40, 1, 1, true, kM, 2, 2, art::boat},
    ImageEntry{"DatImg024.dat", kProd, "boat-base", 84, 40, 1, 1, true, kM, 1, 1, art::boat_base},
    ImageEntry{"DatImg025.dat", kProd, "boat-cabine", 84, 40, 1, 1, true, kM, 1, 1, art::boat_cabin},
    ImageEntry{"DatImg026.dat", kProd, "cake", 92, 60, 1, 1, true, kM, 4, 4, art::cake},
    ImageEntry{"DatImg027.dat", kProd, "cake-toppart", 72, 32, 1, 1, true, kM, 1, 1, art::cake_top},
    ImageEntry{"DatImg028.dat", kProd, "cake-berries", 72, 32, 1, 1, true, kM, 1, 1, art::cake_berries},
    ImageEntry{"DatImg029.dat", kProd, "cake-berriestop", 72, 32, 1, 1, true, kM, 1, 1, art::cake_berries_top},
    ImageEntry{"DatImg030.dat", kProd, "car", 92, 40, 1, 1, true, kM, 2, 2, art::car},
    ImageEntry{"DatImg031.dat", kProd, "car-frame", 92, 40, 1, 1, true, kM, 1, 1, art::car_frame},
    ImageEntry{"DatImg032.dat", kProd, "car-wheels", 92, 40, 1, 1, true, kM, 1, 1, art::car_wheels},
    ImageEntry{"DatImg033.dat", kProd, "fruitpack", 100, 40, 1, 1, true, kM, 5, 5, art::fruitpack},
    ImageEntry{"DatImg034.dat", kProd, "fruitpack-apple", 40, 40, 1, 1, true, kM, 1, 1, art::fruit_apple},
    ImageEntry{"DatImg035.dat", kProd, "fruitpack-bananas", 40, 40, 1, 1, true, kM, 1, 1, art::fruit_bananas},
    ImageEntry{"DatImg036.dat", kProd, "fruitpack-grapes", 40, 40, 1, 1, true, kM, 1, 1, art::fruit_grapes},
    ImageEntry{"DatImg037.dat", kProd, "fruitpack-orange", 40, 40, 1, 1, true, kM, 1, 1, art::fruit_orange},
    ImageEntry{"DatImg038.dat", kProd, "icerocket", 40, 90, 1, 1, true, kM, 4, 4, art::icerocket},
    ImageEntry{"DatImg039.dat", kProd, "icerocket-bottom", 40, 40, 1, 1, true, kM, 1, 1, art::rocket_bottom},
    ImageEntry{"DatImg040.dat", kProd, "icerocket-middle", 40, 40, 1, 1, true, kM, 1, 1, art::rocket_middle},
    ImageEntry{"DatImg041.dat", kProd, "icerocket-top", 40, 40, 1, 1, true, kM, 1, 1, art::rocket_top},
    ImageEntry{"DatImg042.dat", kProd, "icesorbet", 90, 90, 1, 1, true, kM, 5, 5, art::icesorbet},
    ImageEntry{"DatImg043.dat", kProd, "icesorbet-ball1", 40, 40, 1, 1, true, kM, 1, 1, art::sorbet_ball1},
    ImageEntry{"DatImg044.dat", kProd, "icesorbet-ball2", 40, 40, 1, 1, true, kM, 1, 1, art::sorbet_ball2},
    ImageEntry{"DatImg045.dat", kProd, "icesorbet-ball3", 40, 40, 1, 1, true, kM, 1, 1, art::sorbet_ball3},
    ImageEntry{"DatImg046.dat", kProd, "icesorbet-cookie", 40, 40, 1, 1, true, kM, 1, 1, art::sorbet_cookie},
    ImageEntry{"DatImg047.dat", kProd, "soccerball", 59, 58, 1, 1, true, kM, 3, 3, art::soccerball},
    ImageEntry{"DatImg048.dat", kProd, "tractor", 90, 50, 1, 1, true, kM, 3, 3, art::tractor},
    ImageEntry{"DatImg049.dat", kProd, "tractor-backwheel", 50, 50, 1, 1, true, kM, 1, 1, art::tractor_back_wheel},
    ImageEntry{"DatImg050.dat", kProd, "tractor-frontwheel", 50, 50, 1, 1, true, kM, 1, 1, art::tractor_front_wheel},
    ImageEntry{"DatImg051.dat", kProd, "drinkbottle", 40, 50, 1, 1, true, kM, 5, 5, art::drinkbottle},
    ImageEntry{"DatImg052.dat", kProd, "ice", 30, 30, 1, 1, true, kM, 4, 4, art::ice},
    ImageEntry{"DatImg053.dat", kProd, "ice-ball1", 20, 20, 1, 1, true, kM, 1, 1, art::ice_ball1},
    ImageEntry{"DatImg054.dat", kProd, "ice-ball2", 20, 20, 1, 1, true, kM, 1, 1, art::ice_ball2},
    ImageEntry{"DatImg055.dat", kProd, "ice-ball3", 20, 20, 1, 1, true, kM, 1, 1, art::ice_ball3},
    ImageEntry{"DatImg056.dat", kProd, "compressor-presser", 25, 60, 0, 0, true, kM, 3, 3, art::compressor_presser},
    ImageEntry{"DatImg057.dat", kProd, "liquid-filler", 25, 60, 0, 0, true, kM, 3, 3, art::liquid_filler},
    ImageEntry{"DatImg058.dat", kProd, "AirBrush", 25, 60, 0, 0, true, kM, 3, 3, art::airbrush},
    ImageEntry{"DatImg059.dat", kProd, "Boor", 50, 70, 0, 0, true, kM, 3, 3, art::drill},
    ImageEntry{"DatImg060.dat", kSys, "Floor", 800, 260, 0, 0, true, kM, 1, 1, art::floor},
    ImageEntry{"DatImg061.dat", kSys, "BackWall", 800, 345, 0, 0, true, kM, 1, 1, art::back_wall},
    ImageEntry{"DatImg062.dat", kSys, "Door", 240, 390, 1, 0, true, kM, 2, 2, art::door},
    ImageEntry{"DatImg063.dat", kSys, "Pipe", 800, 70, 0, 0, true, kM, 1, 1, art::pipe},
    ImageEntry{"DatImg064.dat", kSys, "Rails", 530, 12, 0, 0, true, kM, 1, 1, art::rails},
    ImageEntry{"DatImg065.dat", kSys, "Grabber", 70, 70, 1, 1, true, kM, 2, 2, art::grabber},
    ImageEntry{"DatImg066.dat", kSys, "dropball", 40, 40, 1, 1, true, kM, 4, 4, art::dropball},
    ImageEntry{"DatImg067.dat", kSys, "speedbox", 90, 90, 1, 1, true, kM, 4, 4, art::speedbox},
    ImageEntry{"DatImg068.dat", kSys, "toolbank", 600, 150, 0, 0, true, kM, 1, 1, art::toolbank},
    ImageEntry{"DatImg069.dat", kSys, "assemblylineleftbank", 385, 146, 0, 0, true, kM, 1, 1, art::line_left_bank},
    ImageEntry{"DatImg070.dat", kSys, "assemblylinerightbank", 580, 93, 0, 0, true, kM, 1, 1, art::line_right_bank},
    ImageEntry{"DatImg071.dat", kSys, "AssemblyLineRight", 590, 90, 0, 1, true, kM, 3, 1, art::line_right},
    ImageEntry{"DatImg072.dat", kSys, "AssemblyLineLeft", 590, 90, 0, 1, true, kM, 3, 1, art::line_left},
    ImageEntry{"DatImg073.dat", kSys, "LightsObject", 80, 300, 1, 1, true, kM, 3, 3, art::lights},
    ImageEntry{"DatImg074.dat", kSys, "LightBarBack", 20, 200, 1, 1, true, kM, 1, 1, art::light_bar},
    ImageEntry{"DatImg075.dat", kSys, "bigfont2", 31, 37, 1, 1, true, kM, 96, 16, art::bigfont},
    ImageEntry{"DatImg076.dat", kSys, "font1", 22, 26, 1, 1, true, kG, 96, 16, art::font1},
    ImageEntry{"DatImg077.dat", kSys, "font2", 22, 25, 1, 1, true, kG, 96, 16, art::font2},
    ImageEntry{"DatImg078.dat", kSys, "textballoon", 270, 80, 1, 1, true, kM, 1, 1, art::text_balloon},
    ImageEntry{"DatImg079.dat", kSys, "brindlecog-title", 800, 600, 1, 1, false, kM, 1, 1, art::title_screen},
    ImageEntry{"DatImg080.dat", kSys, "Cursor", 30, 30, 0, 0, true, kM, 1, 1, art::cursor},
    ImageEntry{"DatImg081.dat", kSys, "ButtonsMainMenu", 230, 50, 1, 1, true, kM, 32, 2, art::menu_buttons},
    ImageEntry{"DatImg082.dat", kSys, "MenuBlock", 390, 350, 1, 1, true, kM, 1, 1, art::menu_block},
    ImageEntry{"DatImg083.dat", kSys, "title-mainmenu", 320, 60, 1, 1, true, kM, 1, 1, art::title_mainmenu},
    ImageEntry{"DatImg084.dat", kSys, "title-help", 320, 60, 1, 1, true, kM, 1, 1, art::title_help},
    ImageEntry{"DatImg085.dat", kSys, "title-options", 320, 60, 1, 1, true, kM, 1, 1, art::title_options},
    ImageEntry{"DatImg086.dat", kSys, "hintproduct", 40, 40, 1, 1, true, kM, 3, 3, art::hint_product},
    ImageEntry{"DatImg087.dat", kSys, "helpscreen", 510, 580, 1, 1, true, kM, 1, 1, art::help_screen},
    ImageEntry{"DatImg088.dat", kSys, "moltrand", 120, 40, 0, 0, true, kM, 1, 1, art::moltrand},
    ImageEntry{"DatImg089.dat", kSys, "menubackground", 800, 600, 1, 1, false, kM, 1, 1, art::menu_background},
    ImageEntry{"DatImg090.dat", kSys, "helpscreen-touch", 510, 580, 1, 1, true, kM, 1, 1, art::help_screen_touch},
};

constexpr std::array kSounds = {
    SoundEntry{"DatSnd001.dat", "approve", sounds::approve},
    SoundEntry{"DatSnd002.dat", "reject", sounds::reject},
    SoundEntry{"DatSnd003.dat", "pick", sounds::pick},
    SoundEntry{"DatSnd004.dat", "putback", sounds::putback},
    SoundEntry{"DatSnd005.dat", "tryupdateproduct-good", sounds::ratchet},
    SoundEntry{"DatSnd006.dat", "tryupdateproduct-bad", sounds::thud},
    SoundEntry{"DatSnd007.dat", "levelmusicloop1", sounds::music1},
    SoundEntry{"DatSnd008.dat", "levelmusicloop2", sounds::music2},
    SoundEntry{"DatSnd009.dat", "levelmusicloop3", sounds::music3},
    SoundEntry{"DatSnd010.dat", "levelmusicloop4", sounds::music4},
    SoundEntry{"DatSnd011.dat", "levelmusicloop5", sounds::music5},
};

}  // namespace

std::span<const ImageEntry> image_catalogue() { return kImages; }
std::span<const SoundEntry> sound_catalogue() { return kSounds; }

}  // namespace assetgen
