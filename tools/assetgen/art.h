#pragma once
// The painters, one per picture, grouped by the file that draws them.

#include "catalogue.h"

namespace assetgen::art {

// art_worker.cpp
void worker_head(const Cell& c);
void worker_body(const Cell& c);
void worker_arms(const Cell& c);
// art_chief.cpp
void chief(const Cell& c);
// art_food.cpp
void hamburger(const Cell& c);
void burger_bottom_bread(const Cell& c);
void burger_beef(const Cell& c);
void burger_onion(const Cell& c);
void burger_lettuce(const Cell& c);
void burger_top_bread(const Cell& c);
void pizza(const Cell& c);
void pizza_tomato(const Cell& c);
void pizza_vegetables(const Cell& c);
void cake(const Cell& c);
void cake_top(const Cell& c);
void cake_berries(const Cell& c);
void cake_berries_top(const Cell& c);
void fruitpack(const Cell& c);
void fruit_apple(const Cell& c);
void fruit_bananas(const Cell& c);
void fruit_grapes(const Cell& c);
void fruit_orange(const Cell& c);
void icesorbet(const Cell& c);
void sorbet_ball1(const Cell& c);
void sorbet_ball2(const Cell& c);
void sorbet_ball3(const Cell& c);
void sorbet_cookie(const Cell& c);
void ice(const Cell& c);
void ice_ball1(const Cell& c);
void ice_ball2(const Cell& c);
void ice_ball3(const Cell& c);
void icerocket(const Cell& c);
void rocket_bottom(const Cell& c);
void rocket_middle(const Cell& c);
void rocket_top(const Cell& c);
void drinkbottle(const Cell& c);
// art_toys.cpp
void beachball(const Cell& c);
void basketball(const Cell& c);
void soccerball(const Cell& c);
void bear(const Cell& c);
void bear_arms(const Cell& c);
void bear_legs(const Cell& c);
void bear_ears(const Cell& c);
void boat(const Cell& c);
void boat_base(const Cell& c);
void boat_cabin(const Cell& c);
void car(const Cell& c);
void car_frame(const Cell& c);
void car_wheels(const Cell& c);
void tractor(const Cell& c);
void tractor_back_wheel(const Cell& c);
void tractor_front_wheel(const Cell& c);
// art_tools.cpp
void pile_part(const Cell& c);
void pile_bigpart(const Cell& c);
void pile_tool(const Cell& c);
void compressor_presser(const Cell& c);
void liquid_filler(const Cell& c);
void airbrush(const Cell& c);
void drill(const Cell& c);
// art_factory.cpp
void floor(const Cell& c);
void back_wall(const Cell& c);
void door(const Cell& c);
void pipe(const Cell& c);
void rails(const Cell& c);
void toolbank(const Cell& c);
void line_left_bank(const Cell& c);
void line_right_bank(const Cell& c);
void line_right(const Cell& c);
void line_left(const Cell& c);
// art_machines.cpp
void grabber(const Cell& c);
void dropball(const Cell& c);
void speedbox(const Cell& c);
void lights(const Cell& c);
void light_bar(const Cell& c);
// art_menus.cpp
void menu_buttons(const Cell& c);
void menu_block(const Cell& c);
void title_mainmenu(const Cell& c);
void title_help(const Cell& c);
void title_options(const Cell& c);
void hint_product(const Cell& c);
void cursor(const Cell& c);
void text_balloon(const Cell& c);
void moltrand(const Cell& c);
// art_screens.cpp
void title_screen(const Cell& c);
void menu_background(const Cell& c);
void help_screen(const Cell& c);
void help_screen_touch(const Cell& c);
// art_fonts.cpp
void bigfont(const Cell& c);
void font1(const Cell& c);
void font2(const Cell& c);

}  // namespace assetgen::art
