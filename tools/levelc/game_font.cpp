#include "game_font.h"

#include <stdexcept>

#include "app/asset_catalogue.h"
#include "engine/sound/encrypt_simple.h"
#include "gui/fx_bitmap_font.h"
#include "gui/gui_ports.h"
#include "platform/win32/bitmap/bitmap.h"

// The font picture as the image list would cut it, drawing nowhere.
class TGameFont::TPicture final : public TFXImage {
public:
    TPicture(const ImageEntry& entry, std::unique_ptr<platform::TBitmap> bitmap)
        : FEntry(entry), FBitmap(std::move(bitmap)) {}

    int PatternWidth() const override { return FEntry.patternWidth; }
    int PatternHeight() const override { return FEntry.patternHeight; }
    int SkipWidth() const override { return FEntry.skipWidth; }
    int SkipHeight() const override { return FEntry.skipHeight; }
    void Draw(int, int, int) override {}
    int BitmapWidth() const override { return FBitmap->Width(); }
    int BitmapHeight() const override { return FBitmap->Height(); }
    TFXColor TransparentColor() const override { return static_cast<TFXColor>(FEntry.transparentColor); }
    void PrepareForPixelReads() override {}
    TFXColor Pixel(int x, int y) const override { return FBitmap->Pixel(x, y); }

    bool CellHasInk(int pattern) const
    {
        const int stepX = PatternWidth() + SkipWidth();
        const int stepY = PatternHeight() + SkipHeight();
        const int columns = stepX > 0 ? (BitmapWidth() + SkipWidth()) / stepX : 0;
        if (columns == 0 || pattern < 0) return false;
        const int left = pattern % columns * stepX, top = pattern / columns * stepY;
        const TFXColor key = TransparentColor() & 0xFFFFFF;
        for (int y = top; y < top + PatternHeight(); ++y)
            for (int x = left; x < left + PatternWidth(); ++x)
                if (const TFXColor p = Pixel(x, y); p >= 0 && (p & 0xFFFFFF) != key) return true;
        return false;
    }

private:
    const ImageEntry& FEntry;
    std::unique_ptr<platform::TBitmap> FBitmap;
};

// Measuring draws nothing, so the display is never asked for anything.
class TGameFont::TNoDisplay final : public TFXDisplay {
public:
    int Width() const override { return 800; }
    int Height() const override { return 600; }
    void FillRect(int, int, int, int, TFXColor) override {}
    bool AcquireDC() override { return false; }
    void ReleaseDC() override {}
    void SetFont(const TFXCanvasFont&) override {}
    int TextWidth(const std::string&) override { return 0; }
    int TextHeight(const std::string&) override { return 0; }
    void TextOut(int, int, const std::string&) override {}
};

namespace {

const ImageEntry& CatalogueEntry(std::string_view name)
{
    for (const ImageEntry& e : ImageCatalogue())
        if (name == e.name) return e;
    throw std::runtime_error("the image catalogue has no picture \"" + std::string(name) + "\"");
}

}  // namespace

TGameFont::TGameFont(const std::filesystem::path& gameDir, std::string_view imageName) : FImageName(imageName)
{
    const ImageEntry& entry = CatalogueEntry(imageName);
    const std::filesystem::path file = gameDir / entry.folder / entry.file;
    std::unique_ptr<platform::TBitmap> bitmap;
    try {
        bitmap = TEncryptSimple().LoadBitmapFile(file.string());
    } catch (const std::exception& e) {
        throw std::runtime_error("cannot read the font \"" + FImageName + "\" from " + file.string() + ": " + e.what() +
                                 " (build the game's assets first, or name the game folder with --game)");
    }
    FPicture = std::make_unique<TPicture>(entry, std::move(bitmap));
    FDisplay = std::make_unique<TNoDisplay>();
    // Spacing 0, as the game makes its fonts.
    FFont = std::make_unique<TFXBitmapFont>(*FDisplay, 0, *FPicture);
}

TGameFont::~TGameFont() = default;

bool TGameFont::CanDraw(uint8_t code) const
{
    const TFXBitmapChar* glyph = FFont->FindChar(code);
    if (!glyph || glyph->Pattern == TFXBitmapFont::CaretPattern) return false;
    return code == ' ' || FPicture->CellHasInk(glyph->Pattern);
}

int TGameFont::Width(std::string_view text) const
{
    FFont->DrawText(0, 0, std::string(text));
    return FFont->LastX;
}
