// Where a sprite learns its size from its image.
#include "engine/display/image_list.h"
#include "engine/sprites/sprite2d.h"

int32_t TDSprite2D::Width() const { return Image ? Image->PatternWidth() : 0; }

int32_t TDSprite2D::Height() const { return Image ? Image->PatternHeight() : 0; }
