#pragma once
// A GUI image over an image-list item: patterns drawn onto the display
// screen's back buffer, pixels read from the item's bitmap.
#include "engine/display/ddraw_screen.h"
#include "engine/display/image_list.h"
#include "gui/gui_ports.h"

class TFXImageItem final : public TFXImage {
public:
    TFXImageItem(TImageCollectionItem& item, TDDrawScreen& screen) : FItem(item), FScreen(screen) {}

    int PatternWidth() const override { return FItem.PatternWidth(); }
    int PatternHeight() const override { return FItem.PatternHeight(); }
    int SkipWidth() const override { return FItem.SkipWidth(); }
    int SkipHeight() const override { return FItem.SkipHeight(); }
    void Draw(int pattern, int x, int y) override { FItem.Draw(FScreen.BackBuffer(), x, y, pattern); }

    int BitmapWidth() const override { return FItem.Bitmap() ? FItem.Bitmap()->Width() : 0; }
    int BitmapHeight() const override { return FItem.Bitmap() ? FItem.Bitmap()->Height() : 0; }
    TFXColor TransparentColor() const override { return FItem.TransparentColor; }
    // The bitmap keeps full colour per pixel at every depth, so its pixels
    // read the same as after a conversion to 24 bits; nothing to do.
    void PrepareForPixelReads() override {}
    TFXColor Pixel(int x, int y) const override { return FItem.Bitmap() ? FItem.Bitmap()->Pixel(x, y) : -1; }

    TImageCollectionItem& Item() const { return FItem; }

private:
    TImageCollectionItem& FItem;
    TDDrawScreen& FScreen;
};
