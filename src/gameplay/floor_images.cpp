#include "gameplay/floor_images.h"

#include <string>

#include "gameplay/game_host.h"

TImageCollectionItem& FloorImage(std::string_view name) { return frmMain->Images().Items().Find(std::string(name)); }

TImageCollectionItem* FindFloorImage(std::string_view name)
{
    return frmMain->Images().Items().TryFind(std::string(name));
}

void SetSpriteImage(TCustomGameSprite& sprite, std::string_view name)
{
    TImageCollectionItem& image = FloorImage(name);
    sprite.Image = &image;
    sprite.Animations().PatternCount = image.PatternCount();
}
