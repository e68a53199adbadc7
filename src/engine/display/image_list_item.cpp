#include <algorithm>

#include "engine/display/dd_check.h"
#include "engine/display/image_list.h"

TImageCollectionItem::TImageCollectionItem(TImageCollection& collection) : FCollection(collection) {}

TImageCollectionItem::~TImageCollectionItem() = default;

std::string TImageCollectionItem::DisplayName() const
{
    return Name.empty() ? "TImageCollectionItem" : Name;
}

void TImageCollectionItem::SetBitmap(const platform::TBitmap* bitmap)
{
    TakeBitmap(bitmap ? std::make_unique<platform::TBitmap>(*bitmap) : nullptr);
}

void TImageCollectionItem::TakeBitmap(std::unique_ptr<platform::TBitmap> bitmap)
{
    FBitmap = std::move(bitmap);
    if (!FBitmap) {
        UpdatePatterns();
        return;
    }
    FPatternWidth = FBitmap->Width();
    FPatternHeight = FBitmap->Height();
    FSkipWidth = 0;
    FSkipHeight = 0;
    TransparentColor = std::max<TColor>(FBitmap->TransparentColor(), 0);
    // Patterns cut for an earlier picture could lie outside this one, and
    // drawing is never clipped against the source: recount them now.
    UpdatePatterns();
}

void TImageCollectionItem::SetPatternWidth(int32_t value)
{
    const int32_t width = FBitmap ? FBitmap->Width() : 0;
    if (static_cast<int64_t>(width) >= static_cast<int64_t>(value) + FSkipWidth) FPatternWidth = value;
    if (value < 0) FPatternWidth = 0;
    UpdatePatterns();
}

void TImageCollectionItem::SetPatternHeight(int32_t value)
{
    const int32_t height = FBitmap ? FBitmap->Height() : 0;
    if (static_cast<int64_t>(height) >= static_cast<int64_t>(value) + FSkipHeight) FPatternHeight = value;
    if (value < 0) FPatternHeight = 0;
    UpdatePatterns();
}

void TImageCollectionItem::SetSkipWidth(int32_t value)
{
    const int32_t width = FBitmap ? FBitmap->Width() : 0;
    if (static_cast<int64_t>(width) >= static_cast<int64_t>(value) + FPatternWidth) FSkipWidth = value;
    if (value < 0) FSkipWidth = 0;
    UpdatePatterns();
}

void TImageCollectionItem::SetSkipHeight(int32_t value)
{
    const int32_t height = FBitmap ? FBitmap->Height() : 0;
    if (static_cast<int64_t>(height) >= static_cast<int64_t>(value) + FPatternHeight) FSkipHeight = value;
    if (value < 0) FSkipHeight = 0;
    UpdatePatterns();
}

void TImageCollectionItem::UpdatePatterns()
{
    if (!FBitmap) {
        FPatternCount = 0;
        return;
    }
    const int32_t w = FBitmap->Width(), h = FBitmap->Height();
    if (FPatternWidth != 0 && FPatternHeight != 0) {
        // A gap is only needed between two patterns, hence the extra skip.
        const int32_t cols = (w + FSkipWidth) / (FPatternWidth + FSkipWidth);
        const int32_t rows = (h + FSkipHeight) / (FPatternHeight + FSkipHeight);
        FPatternCount = cols * rows;
        FPatternRects.resize(static_cast<std::size_t>(FPatternCount));
        for (int32_t i = 0; i < FPatternCount; ++i) {
            const int32_t left = (i % cols) * (FPatternWidth + FSkipWidth);
            const int32_t top = (i / cols) * (FPatternHeight + FSkipHeight);
            FPatternRects[static_cast<std::size_t>(i)] = {left, top, left + FPatternWidth, top + FPatternHeight};
        }
    } else {
        FPatternCount = 1;
        FPatternRects.assign(1, TRect{0, 0, w, h});
    }
}

void TImageCollectionItem::ValidateBitmap() const
{
    if (!FBitmap) throw EDImageListError("ImageCollectionItem " + Name + " has no Bitmap.");
    if (FBitmap->Width() <= 0 || FBitmap->Height() <= 0)
        throw EDImageListError("ImageCollectionItem " + Name + " has a Bitmap width or height of 0.");
}

void TImageCollectionItem::CreateSurface(TDDrawScreen& screen)
{
    if (!FBitmap) return;
    DDCheck(screen.CreateSurfaceFromBitmap(FSurface, &FBitmap->GdiBitmap()), "CreateSurfacefromImage");
    if (Transparent) FSurface->SetColorKey(TransparentColor);
    if (FPatternWidth == 0 || FPatternHeight == 0) {
        SetPatternWidth(FSurface->Width);
        SetPatternHeight(FSurface->Height);
    }
}

void TImageCollectionItem::RestoreSurface()
{
    if (!FBitmap || !FSurface) return;
    FSurface->CopyBitmap(&FBitmap->GdiBitmap(), 0, 0, 0, 0);
}

void TImageCollectionItem::ReleaseSurface()
{
    if (FSurface) FSurface->ReleaseSurface();
}

void TImageCollectionItem::Draw(TDDrawSurface* dest, int x, int y, int patternIndex)
{
    if (!dest || !FBitmap || !FSurface || FPatternCount == 0) return;
    // A picture that is one single pattern draws it whatever was asked.
    if (FBitmap->Width() == FPatternWidth && FBitmap->Height() == FPatternHeight) patternIndex = 0;
    if (patternIndex < 0 || patternIndex >= FPatternCount) return;
    dest->Draw(x, y, FPatternRects[static_cast<std::size_t>(patternIndex)], FSurface.get(), Transparent);
}

TImageCollectionItem::Size TImageCollectionItem::patternSize() const
{
    if (FPatternWidth == 0 || FPatternHeight == 0)
        return {FBitmap ? FBitmap->Width() : 0, FBitmap ? FBitmap->Height() : 0};
    return {FPatternWidth, FPatternHeight};
}

bool TImageCollectionItem::TestCollision(int x, int y, int patternIndex, const TImageCollectionItem& other, int otherX,
                                         int otherY, int otherPatternIndex, bool pixelCheck) const
{
    if (FPatternCount == 0 || other.FPatternCount == 0) return false;
    const Size own = patternSize(), theirs = other.patternSize();
    if (FBitmap && own.width == FBitmap->Width() && own.height == FBitmap->Height()) patternIndex = 0;
    if (other.FBitmap && theirs.width == other.FBitmap->Width() && theirs.height == other.FBitmap->Height())
        otherPatternIndex = 0;

    const TRect r1{x, y, x + own.width, y + own.height};
    const TRect r2{otherX, otherY, otherX + theirs.width, otherY + theirs.height};
    const TRect i{std::max(r1.left, r2.left), std::max(r1.top, r2.top), std::min(r1.right, r2.right),
                  std::min(r1.bottom, r2.bottom)};
    if (i.left >= i.right || i.top >= i.bottom) return false;
    if (!pixelCheck) return true;
    // The version 1 interface offers no pixel test: any overlap counts.
    if (FSurface && dynamic_cast<const TDDrawSurface1*>(FSurface.get())) return true;
    if (!FSurface || !other.FSurface) return false;
    // A pattern that does not exist has no opaque pixel.
    if (patternIndex < 0 || patternIndex >= FPatternCount || otherPatternIndex < 0 ||
        otherPatternIndex >= other.FPatternCount)
        return false;

    const int w = i.right - i.left, h = i.bottom - i.top;
    const TRect& p1 = FPatternRects[static_cast<std::size_t>(patternIndex)];
    const TRect& p2 = other.FPatternRects[static_cast<std::size_t>(otherPatternIndex)];
    const TRect s1{p1.left + i.left - x, p1.top + i.top - y, p1.left + i.left - x + w, p1.top + i.top - y + h};
    const TRect s2{p2.left + i.left - otherX, p2.top + i.top - otherY, p2.left + i.left - otherX + w,
                   p2.top + i.top - otherY + h};
    return FSurface->PixelCollision(other.FSurface.get(), w, h, s1, s2);
}

void TImageCollectionItem::Assign(const TImageCollectionItem& source)
{
    FBitmap = source.FBitmap ? std::make_unique<platform::TBitmap>(*source.FBitmap) : nullptr;
    FSurface.reset();
    Name.clear();
    FSkipWidth = source.FSkipWidth;
    FSkipHeight = source.FSkipHeight;
    FPatternWidth = source.FPatternWidth;
    FPatternHeight = source.FPatternHeight;
    FPatternCount = source.FPatternCount;
    Transparent = source.Transparent;
    TransparentColor = source.TransparentColor;
    UpdatePatterns();
}
