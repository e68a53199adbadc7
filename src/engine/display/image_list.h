#pragma once
// Every picture of the game lives in one image list: named bitmaps, each
// cut into a grid of equally sized patterns (animation frames, button
// states, glyphs) and drawn by pattern number onto a surface. The display
// screen the list is bound to gives every item a surface when it
// initialises, refills them when the display comes back, and frees them.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/display/dd_surface.h"
#include "engine/display/ddraw_screen.h"
#include "platform/win32/bitmap/bitmap.h"

BRINDLECOG_ERROR_CLASS(EDImageListError, EPlatformError);

class TImageCollection;
class TDImageList;

class TImageCollectionItem {
public:
    explicit TImageCollectionItem(TImageCollection& collection);
    ~TImageCollectionItem();
    TImageCollectionItem(const TImageCollectionItem&) = delete;
    TImageCollectionItem& operator=(const TImageCollectionItem&) = delete;

    // Stored as given; they reach the surface when it is next created.
    std::string Name;
    bool Transparent = true;
    TColor TransparentColor = 0;

    // The picture; none only after SetBitmap(nullptr). Setting one copies
    // it, makes it one whole pattern without gaps and takes its own
    // transparent colour.
    const platform::TBitmap* Bitmap() const { return FBitmap.get(); }
    void SetBitmap(const platform::TBitmap* bitmap);
    // The same, taking the picture over instead of copying it.
    void TakeBitmap(std::unique_ptr<platform::TBitmap> bitmap);

    // Sizes that do not fit the bitmap are refused silently; negative ones
    // become 0 (a single whole-bitmap pattern). Each recomputes the patterns.
    int32_t PatternWidth() const { return FPatternWidth; }
    int32_t PatternHeight() const { return FPatternHeight; }
    int32_t SkipWidth() const { return FSkipWidth; }
    int32_t SkipHeight() const { return FSkipHeight; }
    void SetPatternWidth(int32_t value);
    void SetPatternHeight(int32_t value);
    void SetSkipWidth(int32_t value);
    void SetSkipHeight(int32_t value);

    int32_t PatternCount() const { return FPatternCount; }
    const std::vector<TRect>& PatternRects() const { return FPatternRects; }
    TDDrawSurface* Surface() const { return FSurface.get(); }
    TImageCollection& Collection() const { return FCollection; }
    // Name, or the generic item name when it has none.
    std::string DisplayName() const;

    void UpdatePatterns();
    void ValidateBitmap() const;
    void CreateSurface(TDDrawScreen& screen);
    void RestoreSurface();
    void ReleaseSurface();
    void FreeSurface() { FSurface.reset(); }

    // Pattern `patternIndex` at (x, y) on `dest`, keyed when Transparent.
    void Draw(TDDrawSurface* dest, int x, int y, int patternIndex);
    // Whether this item's pattern at (x, y) overlaps `other`'s pattern at
    // (otherX, otherY); with `pixelCheck`, whether some overlapping pixel is
    // opaque in both.
    bool TestCollision(int x, int y, int patternIndex, const TImageCollectionItem& other, int otherX, int otherY,
                       int otherPatternIndex, bool pixelCheck) const;
    // Copies everything but the name and the surface.
    void Assign(const TImageCollectionItem& source);

private:
    struct Size {
        int32_t width, height;
    };
    Size patternSize() const;

    TImageCollection& FCollection;
    std::unique_ptr<platform::TBitmap> FBitmap = std::make_unique<platform::TBitmap>();
    std::unique_ptr<TDDrawSurface> FSurface;
    int32_t FSkipWidth = 0;
    int32_t FSkipHeight = 0;
    int32_t FPatternWidth = 0;
    int32_t FPatternHeight = 0;
    int32_t FPatternCount = 0;
    std::vector<TRect> FPatternRects;
};

class TImageCollection {
public:
    explicit TImageCollection(TDImageList& owner) : FOwner(owner) {}
    TImageCollection(const TImageCollection&) = delete;
    TImageCollection& operator=(const TImageCollection&) = delete;

    TImageCollectionItem& Add();
    // Raises EDImageListError for a position outside the collection.
    TImageCollectionItem& Items(int index) const;
    int Count() const { return static_cast<int>(FItems.size()); }
    void Clear() { FItems.clear(); }
    // The first item whose name matches without regard to ASCII case;
    // raises EDImageListError "Image %s does not exist." otherwise.
    TImageCollectionItem& Find(const std::string& name) const;
    // The same item, or none.
    TImageCollectionItem* TryFind(const std::string& name) const;
    // Replaces every item by a copy (Assign) of the items of `source`.
    void Assign(const TImageCollection& source);
    TDImageList& Owner() const { return FOwner; }

    auto begin() const { return FItems.begin(); }
    auto end() const { return FItems.end(); }

private:
    TDImageList& FOwner;
    std::vector<std::unique_ptr<TImageCollectionItem>> FItems;
};

class TDImageList final : public TDDrawScreenImageList {
public:
    TDImageList() = default;
    ~TDImageList();
    TDImageList(const TDImageList&) = delete;
    TDImageList& operator=(const TDImageList&) = delete;

    // Binding adds the list to the screen's ImageLists, unbinding removes it.
    TDDrawScreen* DrawScreen() const { return FDrawScreen; }
    void SetDrawScreen(TDDrawScreen* screen);

    TImageCollection& Items() { return FItems; }
    const TImageCollection& Items() const { return FItems; }
    void SetItems(const TImageCollection& items) { FItems.Assign(items); }

    // What the bound screen asks of the list, item by item in order.
    void ValidateItems() override;
    void CreateSurfaces(TDDrawScreen& screen) override;
    void RestoreSurfaces() override;
    void ReleaseSurfaces() override;
    void FreeSurfaces() override;
    void ScreenDestroyed() override { FDrawScreen = nullptr; }

private:
    TDDrawScreen* FDrawScreen = nullptr;
    TImageCollection FItems{*this};
};
