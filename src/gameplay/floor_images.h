#pragma once
// How the floor's objects take their pictures from the host's image list.
#include <string_view>

#include "engine/display/image_list.h"
#include "engine/sprites/game_sprite.h"

// The picture of that name (ignoring case); raises "Image %s does not
// exist." when there is none.
TImageCollectionItem& FloorImage(std::string_view name);
// The same, or none when there is no such picture.
TImageCollectionItem* FindFloorImage(std::string_view name);
// Gives the sprite that picture and lets its animations use its patterns.
void SetSpriteImage(TCustomGameSprite& sprite, std::string_view name);
