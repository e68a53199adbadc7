#pragma once
// Images for sprite tests: strips of solid-coloured patterns in an image list
// bound to the test display, so their surfaces exist once it initialises.
#include <cstdint>
#include <initializer_list>
#include <string>

#include "engine/display/image_list.h"
#include "engine/sprites/sprite_fixture.h"
#include "platform/win32/bitmap/bitmap.h"

// TColor values (00BBGGRR) and their 565 forms.
inline constexpr TColor kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kWhite = 0xFFFFFF, kKey = 0x000000;

struct SpriteImages : SpriteDisplay {
    TDImageList images;

    explicit SpriteImages(int version = 7) : SpriteDisplay(version) { images.SetDrawScreen(&screen); }

    // A horizontal strip of w x h patterns, one colour each. Black is the
    // colour key; `keyColumns` leaves that many right-hand columns of every
    // pattern key-coloured.
    TImageCollectionItem* Strip(const std::string& name, int w, int h, std::initializer_list<TColor> colors,
                                int keyColumns = 0) {
        platform::TBitmap bitmap;
        bitmap.SetSize(w * static_cast<int>(colors.size()), h);
        int i = 0;
        for (TColor color : colors) {
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) bitmap.SetPixel(i * w + x, y, x < w - keyColumns ? color : kKey);
            ++i;
        }
        TImageCollectionItem& item = images.Items().Add();
        item.SetBitmap(&bitmap);
        item.Name = name;
        item.SetPatternWidth(w);
        item.SetPatternHeight(h);
        item.TransparentColor = kKey;
        item.Transparent = true;
        return &item;
    }
};
